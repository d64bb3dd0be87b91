#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>

// A database directory in a temporary folder with the tables the start-up touches: raktarak in
// the shared file, Munkaev, Napizaras, Leltar, Raktar and Partner in each named warehouse.
class StartupTestDatabase
{
public:
    explicit StartupTestDatabase(const QStringList &warehouseNames = {QStringLiteral("Konyha"),
                                                                     QStringLiteral("Büfé")});
    ~StartupTestDatabase();

    // Creates the same tables in another directory (a first start's new database).
    static void createIn(const QString &dir, const QStringList &warehouseNames);

    QString path() const { return m_dir.path(); }
    QSqlDatabase shared() const;
    QSqlDatabase warehouse(int n) const;

    // Runs SQL on warehouse n and fails the test on error.
    void exec(int warehouse, const QString &sql) const;
    int count(int warehouse, const QString &sql) const;

private:
    QTemporaryDir m_dir;
};
