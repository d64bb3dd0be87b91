#include "BenchLocation.h"

#include "store/Database.h"
#include "support/TestEngines.h"

#include <QDir>
#include <QUuid>

DatabaseCreator::Input BenchLocation::input()
{
    return {QStringLiteral("Mérő Konyha"), QStringLiteral("1111"), QStringLiteral("Budapest"),
        QStringLiteral("Fő u. 1."), QStringLiteral("admin"), QStringLiteral("titok123")};
}

QString BenchLocation::take(QStringList &arguments)
{
    const QString option = QStringLiteral("--location");
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).startsWith(option + QLatin1Char('='))) {
            const QString given = arguments.at(i).mid(option.size() + 1);
            arguments.removeAt(i);
            return given;
        }
        if (arguments.at(i) == option && i + 1 < arguments.size()) {
            const QString given = arguments.at(i + 1);
            arguments.remove(i, 2);
            return given;
        }
    }
    return QString();
}

BenchLocation::BenchLocation(const QString &given)
{
    if (Database::isServerLocation(given)) {
        // The test support makes and drops the server databases; it reads the server from here.
        m_server = given;
        qputenv("SALVIA_TEST_PG", given.toUtf8());
    } else if (!given.isEmpty()) {
        m_folder = QDir(given).absolutePath();
        if (!QDir().mkpath(m_folder))
            m_error = QStringLiteral("cannot make the folder ") + m_folder;
    } else if (m_temporary.isValid()) {
        m_folder = m_temporary.path();
    } else {
        m_error = QStringLiteral("no temporary folder: ") + m_temporary.errorString();
    }
}

BenchLocation::~BenchLocation()
{
    while (!m_made.isEmpty()) {
        const QString last = m_made.constLast(); // a copy: remove() drops it from the list
        remove(last);
    }
}

QString BenchLocation::fresh()
{
    QString location;
    if (isServer()) {
        location = TestEngines::createServerDatabase();
        if (location.isEmpty())
            m_error = QStringLiteral("no new database on ") + Database::serverName(m_server);
    } else if (!m_folder.isEmpty()) {
        location = QDir(m_folder).filePath(QStringLiteral("bench-") + QUuid::createUuid().toString(QUuid::Id128));
    }
    if (!location.isEmpty())
        m_made << location;
    return location;
}

QString BenchLocation::create(const QDate &today)
{
    const QString location = fresh();
    if (location.isEmpty())
        return location;
    const Checked<QString> created = DatabaseCreator::create(location, input(), today);
    if (created.ok())
        return location;
    m_error = created.refusal.text;
    remove(location);
    return QString();
}

void BenchLocation::remove(const QString &location)
{
    if (!m_made.removeOne(location))
        return;
    Database::closeAll(location);
    if (isServer())
        TestEngines::dropServerDatabase(location);
    else
        QDir(location).removeRecursively();
}
