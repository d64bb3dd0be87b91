#include "support/TestEngines.h"

#include "store/Database.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace TestEngines {

QString sqlite()
{
    return QStringLiteral("sqlite");
}

QString postgresql()
{
    return QStringLiteral("postgresql");
}

static QString serverUri()
{
    return qEnvironmentVariable("SALVIA_TEST_PG").trimmed();
}

QStringList names()
{
    QStringList result {sqlite()};
    if (!serverUri().isEmpty())
        result << postgresql();
    return result;
}

void addColumn()
{
    QTest::addColumn<QString>("engine");
}

void addRows()
{
    addColumn();
    for (const QString &engine : names())
        QTest::newRow(qPrintable(engine)) << engine;
}

// The server URI with another database name.
static QString withDatabase(const QString &uri, const QString &database)
{
    static const QRegularExpression parts(QStringLiteral("^(postgres(?:ql)?://[^/?]*)(/[^?]*)?(\\?.*)?$"));
    const QRegularExpressionMatch match = parts.match(uri);
    if (!match.hasMatch())
        return QString();
    return match.captured(1) + QLatin1Char('/') + database + match.captured(3);
}

// Runs one statement on the server's administration database.
static bool administer(const QString &sql)
{
    const QString name = QStringLiteral("salvia-test-admin");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                       : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setConnectOptions(Database::connectionInfo(serverUri()));
        if (!db.isOpen() && !db.open()) {
            qWarning("test server unreachable: %s", qPrintable(db.lastError().text()));
            return false;
        }
        QSqlQuery query(db);
        ok = query.exec(sql);
        if (!ok)
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    }
    return ok;
}

QString createServerDatabase()
{
    const QString name = QStringLiteral("salvia_t_") + QUuid::createUuid().toString(QUuid::Id128);
    if (serverUri().isEmpty() || !administer(QStringLiteral("CREATE DATABASE \"%1\"").arg(name)))
        return QString();
    return withDatabase(serverUri(), name);
}

void dropServerDatabase(const QString &uri)
{
    static const QRegularExpression dbname(QStringLiteral("^postgres(?:ql)?://[^/?]*/([^?]*)"));
    const QString name = dbname.match(uri).captured(1);
    if (name.isEmpty())
        return;
    Database::closeAll(uri);
    for (const QString &connection : QSqlDatabase::connectionNames()) {
        // Connections a test opened by hand into that database.
        if (connection.contains(name)) {
            QSqlDatabase::database(connection, false).close();
            QSqlDatabase::removeDatabase(connection);
        }
    }
    administer(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
}

} // namespace TestEngines
