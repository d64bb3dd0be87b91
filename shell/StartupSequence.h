#pragma once

#include <QDate>
#include <QString>
#include <functional>

class MainWindowControl;
class Messenger;
class Settings;
class StartupPrompts;

// The start-up sequence run once from the main window's start-up timer: settings file, owner
// values, login, warehouse choice, work year, status line, menu rights, owner partner, database
// version check and the quiet update check. A failed login or warehouse choice ends the program.
class StartupSequence
{
public:
    StartupSequence(Settings &settings, Messenger &messenger, StartupPrompts &prompts, MainWindowControl &window);

    // The parts that can be replaced; each but the update check has a default that calls the
    // program's own module.
    struct Hooks
    {
        // Directory named by a database alias (default: the engine configuration in the program
        // directory).
        std::function<QString(const QString &alias)> aliasDirectory;
        // Reads CegNev, CegIrsz, CegVaros, CegCim of the database at dbPath into the settings
        // (default: the shared owner table).
        std::function<void(const QString &dbPath, Settings &settings)> readOwner;
        // The message dialog's symbol offset (10: shaded symbols).
        std::function<void(int offset)> setSymbolOffset;
        // The database version check, showing its own warning (default: every warehouse folder
        // against DbMinVer).
        std::function<void()> versionCheck;
        // The update check in quiet mode; true when the user accepted a newer version and the
        // program must end.
        std::function<bool()> updateCheck;
    };
    Hooks &hooks() { return m_hooks; }

    // The program directory (the current directory when the sequence starts, unless set).
    void setProgramPath(const QString &path) { m_programPath = path; }
    // Today's date for the work-year reading (tests).
    void setToday(const QDate &today) { m_today = today; }

    enum class Outcome {
        Working,
        NoDatabase, // the first-start dialog created no database, or the directory holds a broken one
        LoginFailed,
        NoWarehouse,
        NoWorkYear, // the work year could not be read or opened
        UpdateAccepted, // the user went for a newer version
        AlreadyRan,
    };

    // Runs the sequence; any outcome other than Working and AlreadyRan has closed the main window
    // without the exit question. Runs only once per object.
    Outcome run();

    static QString windowCaption(const Settings &settings);
    static QString warehouseStopText();
    // Caption "HIBA!", symbol 2, followed by the database directory.
    static QString noDatabaseText();
    static QString ownerPartnerFailureText();
    // Before the cause when the missing indexes could not be added.
    static QString upgradeFailureText();
    // Caption "Figyelmeztetés": the chosen warehouse was found damaged when it was opened.
    static QString damagedWarehouseText(const QString &cause);
    // Status panel 3 when network locking is not disabled.
    static QString lockMarker();

private:
    Outcome end(Outcome outcome);

    Settings &m_settings;
    Messenger &m_messenger;
    StartupPrompts &m_prompts;
    MainWindowControl &m_window;
    Hooks m_hooks;
    QString m_programPath;
    QDate m_today;
    bool m_ran = false;
};
