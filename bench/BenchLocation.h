#pragma once

#include "store/DatabaseCreator.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Where a benchmark makes its databases: under a folder, on a PostgreSQL server (a postgresql://
// address; each database is a new one there), or, when none is given, under a temporary folder.
// Every database made goes away with the object. A benchmark takes the location from its
// arguments:
//     QStringList arguments = app.arguments();
//     BenchLocation location(BenchLocation::take(arguments));   // "--location WHERE", if given
//     const QString db = location.create(Today);
class BenchLocation
{
public:
    // The owner and superuser of a benchmark database.
    static DatabaseCreator::Input input();
    // The value of "--location WHERE" (or "--location=WHERE") among the program's arguments,
    // which loses it; empty when none is given.
    static QString take(QStringList &arguments);
    static QString usage() { return QStringLiteral("[--location FOLDER|postgresql://...]"); }

    explicit BenchLocation(const QString &given = QString());
    ~BenchLocation();
    BenchLocation(const BenchLocation &) = delete;
    BenchLocation &operator=(const BenchLocation &) = delete;

    bool isServer() const { return !m_server.isEmpty(); }
    QString errorText() const { return m_error; }

    // A new empty location (a folder of its own, or a new database on the server); empty with
    // errorText() when none could be made.
    QString fresh();
    // fresh(), created as the program creates a database with input() for `today`.
    QString create(const QDate &today);
    // Closes the connections into a location made here and removes it.
    void remove(const QString &location);

private:
    QTemporaryDir m_temporary;
    QString m_folder;
    QString m_server;
    QStringList m_made;
    QString m_error;
};
