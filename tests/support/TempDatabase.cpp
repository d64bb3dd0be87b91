#include "TempDatabase.h"

#include "store/Database.h"
#include "support/TestEngines.h"

#include <QDir>

DatabaseCreator::Input TempDatabase::input()
{
    return {QStringLiteral("Teszt Konyha Kft."), QStringLiteral("1111"), QStringLiteral("Budapest"),
        QStringLiteral("Fő utca 1."), QStringLiteral("admin"), QStringLiteral("titok123")};
}

TempDatabase::TempDatabase(const QDate &today, const QString &engine)
{
    if (engine == TestEngines::postgresql()) {
        m_uri = TestEngines::createCreatedServerDatabase(today, &m_error);
        m_valid = !m_uri.isEmpty();
        if (!m_valid && m_error.isEmpty())
            m_error = QStringLiteral("No database on the test server (SALVIA_TEST_PG)");
        return;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("No temporary directory: ") + m_dir.errorString();
        return;
    }
    const Checked<QString> result = DatabaseCreator::create(path(), input(), today);
    m_valid = result.ok();
    if (!result.ok())
        m_error = result.refusal.text;
}

TempDatabase::~TempDatabase()
{
    Database::closeAll(path());
    if (isServer())
        TestEngines::dropServerDatabase(m_uri);
}

QString TempDatabase::path() const
{
    return isServer() ? m_uri : QDir(m_dir.path()).filePath(QStringLiteral("db"));
}

QSqlDatabase TempDatabase::shared() const
{
    return Database::shared(path());
}

QSqlDatabase TempDatabase::warehouse(int n) const
{
    return Database::warehouse(path(), n);
}

TempDatabase &EngineDatabases::current()
{
    const QString engine = TestEngines::current();
    std::unique_ptr<TempDatabase> &made = m_made[engine];
    if (!made) {
        made = std::make_unique<TempDatabase>(m_today, engine);
        if (made->isValid() && m_prepare)
            m_prepare(*made);
    }
    return *made;
}
