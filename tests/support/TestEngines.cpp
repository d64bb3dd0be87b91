#include "support/TestEngines.h"

#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "support/TempDatabase.h"

#include <QCryptographicHash>
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

QTestData &newRow(const QString &engine, const char *name)
{
    return QTest::addRow("%s, %s", qPrintable(engine), name) << engine;
}

QString current()
{
    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    return tag == postgresql() || tag.startsWith(postgresql() + QStringLiteral(", ")) ? postgresql() : sqlite();
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

QString createServerDatabase(const QString &templateName)
{
    const QString name = QStringLiteral("salvia_t_") + QUuid::createUuid().toString(QUuid::Id128);
    const QString copy = templateName.isEmpty() ? QString() : QStringLiteral(" TEMPLATE \"%1\"").arg(templateName);
    if (serverUri().isEmpty() || !administer(QStringLiteral("CREATE DATABASE \"%1\"%2").arg(name, copy)))
        return QString();
    return withDatabase(serverUri(), name);
}

QString createCreatedServerDatabase(const QDate &today, QString *error)
{
    // The catalogue's statements are in the name, so a server kept between runs never hands out a
    // template of an older layout.
    QCryptographicHash layout(QCryptographicHash::Sha1);
    for (const QList<TableDef> *tables : {&Catalogue::sharedTables(), &Catalogue::warehouseTables()}) {
        for (const TableDef &table : *tables)
            layout.addData(Catalogue::createStatements(table, Database::Engine::PostgreSQL).join(QLatin1Char(';')).toUtf8());
    }
    layout.addData(DatabaseCreator::databaseVersion().toUtf8());
    const QString templateName = QStringLiteral("salvia_tpl_") + today.toString(QStringLiteral("yyyyMMdd"))
        + QLatin1Char('_') + QString::fromLatin1(layout.result().toHex().left(12));
    // Test programs run side by side: one makes the template while the others wait.
    if (!administer(QStringLiteral("SELECT pg_advisory_lock(4711)"))) {
        *error = QStringLiteral("test server unreachable");
        return QString();
    }
    bool ready = false;
    {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("salvia-test-admin"), false));
        query.prepare(QStringLiteral("SELECT COUNT(*) FROM pg_database WHERE datname = ?"));
        query.addBindValue(templateName);
        ready = query.exec() && query.next() && query.value(0).toInt() > 0;
    }
    if (!ready) {
        const QString building = createServerDatabase();
        const Checked<QString> made = building.isEmpty()
            ? Checked<QString>::refused(Refusal::error(QStringLiteral("no server database")))
            : DatabaseCreator::create(building, TempDatabase::input(), today);
        Database::closeAll(building);
        static const QRegularExpression dbname(QStringLiteral("^postgres(?:ql)?://[^/?]*/([^?]*)"));
        if (made.ok())
            ready = administer(QStringLiteral("ALTER DATABASE \"%1\" RENAME TO \"%2\"")
                                   .arg(dbname.match(building).captured(1), templateName));
        else
            *error = made.refusal.text;
        if (!ready && !building.isEmpty())
            dropServerDatabase(building);
    }
    administer(QStringLiteral("SELECT pg_advisory_unlock(4711)"));
    return ready ? createServerDatabase(templateName) : QString();
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
