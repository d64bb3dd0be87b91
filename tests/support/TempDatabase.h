#pragma once

#include "store/DatabaseCreator.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A fresh database in a temporary directory, created as the program creates one, with a known
// owner institution and superuser. The directory and every connection into it go away with the
// object. Usage:
//     TempDatabase db;
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
    explicit TempDatabase(const QDate &today = QDate::currentDate());
    ~TempDatabase();
    TempDatabase(const TempDatabase &) = delete;
    TempDatabase &operator=(const TempDatabase &) = delete;

    bool isValid() const { return m_valid; }
    QString errorText() const { return m_error; }

    // The database directory (DbPath).
    QString path() const;
    // Open connections (Database::shared / Database::warehouse).
    QSqlDatabase shared() const;
    QSqlDatabase warehouse(int n) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
    QString m_error;
};
