#pragma once

#include <QDate>
#include <QString>
#include <functional>

// Creates a whole new database in a directory: shared.sqlite (warehouses, the superuser, the owner
// institution) and Raktar_1 ... Raktar_20, each with every warehouse table, the reference rows and
// db_version.txt. It never touches an existing database, and on any failure it removes everything it
// created, so a directory holds either a complete new database or what it held before.
class DatabaseCreator
{
public:
    // The input field a refusal is about (the dialog puts the focus there).
    enum class Field { None, Directory, CegNev, CegIrsz, CegVaros, CegCim, UserName, Password, PasswordAgain };

    struct Input
    {
        QString cegNev; // owner institution: name, postcode, city, street address
        QString cegIrsz;
        QString cegVaros;
        QString cegCim;
        QString userName; // the superuser (level 5)
        QString password;
    };

    struct Result
    {
        bool ok = false;
        QString message; // refusal or failure ("\r" breaks lines), or the success line
        Field field = Field::None;
    };

    // Called before each warehouse folder is made (1 to 20), for a progress notice.
    using Progress = std::function<void(int warehouse)>;

    // The version written into every new warehouse folder.
    static QString databaseVersion() { return QStringLiteral("1.23"); }
    // The name of warehouse n in a new database: "1. konyha" ...
    static QString warehouseName(int warehouse);
    // The name of the catch-all partner "00000".
    static QString otherPartnerName() { return QStringLiteral("Egyéb partner"); }

    // True when dir already holds a database: shared.sqlite, a Raktar_<n> entry, or the shared
    // tables of the predecessor's file format.
    static bool holdsDatabase(const QString &dir);

    // The directory must not be a file nor hold a database.
    static Result checkDirectory(const QString &dir);
    // The checks before anything is written: directory, owner name, user name, password.
    static Result check(const QString &dir, const Input &input);
    // The password typed twice must match.
    static Result checkPasswordAgain(const QString &password, const QString &again);

    // Creates the database; `today` gives the active work year (its year) and the last closing
    // (31 December of the year before).
    static Result create(const QString &dir, const Input &input, const QDate &today = QDate::currentDate(),
        const Progress &progress = {});
};
