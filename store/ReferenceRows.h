#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// The reference rows a new database starts with, embedded as ":/reference/<table>.csv"
// (UTF-8, ";"-separated, a header line of field names).
class ReferenceRows
{
public:
    struct Rows
    {
        QStringList fields;
        QList<QStringList> rows;
    };

    // The tables that have reference rows, in the order they are loaded.
    static QStringList tables();

    // Reads the rows of one table; false with a reason in *error when the resource is missing or
    // malformed (a row with another number of values than the header).
    static bool read(const QString &table, Rows *rows, QString *error);

    // Inserts the reference rows of `table` into db, each value converted to its field's kind;
    // false with the database's error text in *error.
    static bool insert(QSqlDatabase db, const QString &table, QString *error);

    // One line of ";"-separated values; a value in double quotes may hold ";" and doubled quotes.
    static QStringList splitLine(const QString &line);
};
