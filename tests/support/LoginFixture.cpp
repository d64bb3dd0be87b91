#include "support/LoginFixture.h"

#include "core/PasswordHash.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "support/TestEngines.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// One server database for every fixture of a test program (a new database per case takes long on
// a busy machine); each fixture makes its shared schema anew. Dropped when the program ends.
static QString serverDatabase()
{
    static QString uri;
    if (uri.isEmpty()) {
        uri = TestEngines::createServerDatabase();
        qAddPostRoutine([] {
            TestEngines::dropServerDatabase(uri);
            uri.clear();
        });
    }
    return uri;
}

LoginFixture::LoginFixture(const QString &engine)
{
    if (engine == TestEngines::postgresql()) {
        m_uri = serverDatabase();
        QSqlQuery query(Database::shared(m_uri));
        if (!query.exec(QStringLiteral("DROP SCHEMA IF EXISTS \"salvia\" CASCADE"))
            || !query.exec(QStringLiteral("CREATE SCHEMA \"salvia\""))
            || !query.exec(Catalogue::serverCollationStatement()))
            qWarning("shared schema not created: %s", qPrintable(query.lastError().text()));
    }
    QString error;
    if (!Catalogue::createTables(Database::shared(dbPath()), Catalogue::sharedTables(), &error))
        qWarning("shared tables not created: %s", qPrintable(error));
}

LoginFixture::~LoginFixture()
{
    // The server connection stays for the next fixture; the shared folder goes with the object.
    if (m_uri.isEmpty())
        Database::closeAll(dbPath());
}

void LoginFixture::addUser(const QString &name, const QString &password, int level)
{
    static QHash<QString, QString> hashes;
    if (!hashes.contains(password))
        hashes.insert(password, PasswordHash::hash(password));
    LoginTable(dbPath()).insert(LoginRow {name, hashes.value(password), level});
}

QList<LoginRow> LoginFixture::rows() const
{
    QList<LoginRow> result;
    QSqlQuery query(Database::shared(dbPath()));
    query.exec(QStringLiteral("SELECT \"LoginName\", \"Password\", \"SecurLevel\" FROM \"login\" ORDER BY \"LoginName\""));
    while (query.next())
        result << LoginRow {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()};
    return result;
}

QString LoginFixture::storedPassword(const QString &name) const
{
    const std::optional<LoginRow> row = LoginTable(dbPath()).find(name);
    return row ? row->password : QString();
}

bool operator==(const LoginRow &a, const LoginRow &b)
{
    return a.loginName == b.loginName && a.password == b.password && a.securLevel == b.securLevel;
}

char *toString(const LoginRow &row)
{
    return QTest::toString(row.loginName + QLatin1Char('/') + QString::number(row.securLevel));
}
