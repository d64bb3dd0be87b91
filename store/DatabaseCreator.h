#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

// Creates a whole new database at a location: shared tables (warehouses, the superuser, the owner
// institution) and warehouses 1 ... 20, each with every warehouse table, the reference rows and
// its version. It never touches an existing database, and the new one appears whole or not at all:
// a directory is built in a hidden sibling folder and renamed into place as the last step (a lock
// beside it keeps two creations apart); on a server everything is made in one transaction under
// an advisory lock. On failure only what this run made is removed.
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

    // Called before each warehouse folder is made (1 to 20), for a progress notice.
    using Progress = std::function<void(int warehouse)>;

    // The version written into every new warehouse folder.
    static QString databaseVersion() { return QStringLiteral("1.23"); }
    // The name of warehouse n in a new database: "1. konyha" ...
    static QString warehouseName(int warehouse);
    // The name of the catch-all partner "00000".
    static QString otherPartnerName() { return QStringLiteral("Egyéb partner"); }

    // What a location holds.
    enum class State {
        Empty, // nothing of a database: a new one may be created there
        Complete,
        Unfinished, // parts of a database whose creation did not finish (its hidden building folder is beside it)
        Incomplete, // a database that lost parts (a warehouse folder, the shared tables) after it was made
        Unreachable, // a server that cannot be reached or logged in to, or an unreadable URI
    };
    struct Inspection
    {
        State state = State::Empty;
        QString detail; // what is missing, or libpq's reason
        bool sharedMissing = false; // Incomplete: the shared tables are missing (nobody can log in)
        QList<int> missingWarehouses; // Incomplete: the warehouses that are missing
    };
    static Inspection inspect(const QString &location);

    // True unless the location is known to hold nothing of a database: shared.sqlite, a
    // Raktar_<n> entry, the predecessor's shared tables, our schemas on a server, or a server that
    // cannot be asked.
    static bool holdsDatabase(const QString &location);

    // The message for a start that finds an unfinished creation (caption "HIBA!").
    static QString unfinishedText(const QString &location, const QString &detail);
    // The message for a start that finds a database without its shared tables (caption "HIBA!"),
    // and the warning for one that lacks warehouses, whose other warehouses stay usable.
    static QString incompleteText(const QString &location, const QString &detail);
    static QString missingWarehousesText(const QString &location, const QString &detail);
    // The message for a server that cannot be reached (caption "HIBA!").
    static QString unreachableText(const QString &location, const QString &reason);

    // The longest value each input field takes: the owner values go into partner 00001 as well,
    // so their bounds are that table's widths. 0 for a field without a value of its own.
    static int maxLength(Field field);
    // The objectName of the creation dialog's control for the field; empty for none.
    static QString focusOf(Field field);

    // The location must be a usable URI or a directory that is not a file, and hold no database.
    static Refusal checkDirectory(const QString &location);
    // The checks before anything is written: location, owner values (required name, postcode of
    // digits, every value within its bound), user name, password.
    static Refusal check(const QString &dir, const Input &input);
    // The password typed twice must match.
    static Refusal checkPasswordAgain(const QString &password, const QString &again);

    // Writes into a database just made, before it counts as made: in a directory it runs on the
    // hidden building folder, before the move into place; on a server after the creation's
    // commit, and its failure drops the schemas again. False with the reason in *error.
    using Filler = std::function<bool(const QString &location, QString *error)>;

    // Creates the database; `today` gives the active work year (its year) and the last closing
    // (31 December of the year before). The success line, or the refusal or failure ("\r" breaks
    // lines).
    static Checked<QString> create(const QString &dir, const Input &input, const QDate &today = QDate::currentDate(),
        const Progress &progress = {}, const Filler &fill = {});
};
