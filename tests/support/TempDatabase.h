#pragma once

#include "store/DatabaseCreator.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>

// A fresh database, created as the program creates one, with a known owner institution and
// superuser: in a temporary directory (SQLite), or in a new database on the test server
// (PostgreSQL, engine "postgresql"). The database and every connection into it go away with the
// object. Usage:
//     TempDatabase db(today, engine);
//     QVERIFY2(db.isValid(), qPrintable(db.errorText()));
//     QSqlQuery q(db.warehouse(1));
class TempDatabase
{
public:
    // The known values of the database: owner "Teszt Konyha Kft.", "1111", "Budapest", "Fő utca 1.",
    // superuser "admin" with password "titok123".
    static DatabaseCreator::Input input();
    static QString userName() { return input().userName; }
    static QString password() { return input().password; }

    // `today` decides the active work year (its year) and the last closing (31 December before).
    explicit TempDatabase(const QDate &today = QDate::currentDate(), const QString &engine = QStringLiteral("sqlite"));
    ~TempDatabase();
    TempDatabase(const TempDatabase &) = delete;
    TempDatabase &operator=(const TempDatabase &) = delete;

    bool isValid() const { return m_valid; }
    QString errorText() const { return m_error; }
    bool isServer() const { return !m_uri.isEmpty(); }

    // The database location (DbPath): the directory, or the server URI.
    QString path() const;
    // Open connections (Database::shared / Database::warehouse).
    QSqlDatabase shared() const;
    QSqlDatabase warehouse(int n) const;

private:
    QTemporaryDir m_dir;
    QString m_uri;
    bool m_valid = false;
    QString m_error;
};

// One database per engine for the cases of a test that share a database, made at first use and
// then handed to `prepare` once.
class EngineDatabases
{
public:
    explicit EngineDatabases(const QDate &today, std::function<void(const TempDatabase &)> prepare = {})
        : m_today(today)
        , m_prepare(std::move(prepare))
    {
    }
    // The database of the row under test (TestEngines::current()).
    TempDatabase &current();

private:
    QDate m_today;
    std::function<void(const TempDatabase &)> m_prepare;
    std::map<QString, std::unique_ptr<TempDatabase>> m_made;
};
