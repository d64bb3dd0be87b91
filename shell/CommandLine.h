#pragma once

#include "maintenance/ArchiveCommand.h"

#include <QString>
#include <QStringList>

class QIODevice;
class QTextStream;

// The program's command line, read before any window exists: --help and --version print and end,
// --create-database DIR creates a database without windows, --demo DIR one filled with a demo
// kitchen, --import-dos, --uvi-export and --repair run a table tool without windows on the
// arguments that follow them, the maintenance modes (--backup, --restore, --check-archive, --dump,
// --close-month, --close-year, --physical-close) work without windows, and anything else that is
// not one of Qt's own window options is refused with a short usage text.
struct CommandLine
{
    enum class Action { Run, Help, Version, CreateDatabase, Demo, ImportDos, UviExport, Repair, Maintenance,
                        Refused };

    Action action = Action::Run;
    // --create-database and --demo: the database directory or server address.
    QString databaseDir;
    // --import-dos, --uvi-export, --repair: the arguments after the option, read by the command.
    QStringList toolArguments;
    // Maintenance: the mode and its arguments.
    ArchiveCommand maintenance;
    // Refused: why, in one line.
    QString error;

    // `arguments` starts with the program's own name, as argv does.
    static CommandLine parse(const QStringList &arguments);
    // Whether the action is a mode that works without windows and ends (not help, version or a refusal).
    bool isWindowless() const;
    // Runs the windowless mode on the process's streams; the exit status. `programPath` holds the
    // Backup folder of a restore's safety copy.
    int runWindowless(QIODevice &in, QTextStream &out, QTextStream &err, const QString &programPath) const;
    static QString usageText();
    static QString versionText(const QString &version);
};
