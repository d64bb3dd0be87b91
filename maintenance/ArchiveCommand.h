#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The windowless maintenance modes of the command line, on the same logic as the screens:
//   backup LOCATION ARCHIVE            (warehouse: that warehouse, else the whole database)
//   restore LOCATION ARCHIVE           (likewise; the safety copy goes to <program>/Backup/DBBackup.zip)
//   check-archive ARCHIVE
//   dump LOCATION                      (warehouse: that warehouse, else every table)
//   close-month LOCATION N YYYY-MM
//   close-year LOCATION N
//   physical-close LOCATION N YYYY-MM-DD (with backupArchive: the archive written first)
// A refusal is one Hungarian line on `err` and a non-zero status; nothing is changed then.
struct ArchiveCommand
{
    QString mode; // the option's name without dashes: "backup", "close-month" ...
    QStringList values; // its arguments in order
    int warehouse = 0; // --warehouse N; 0 when not given
    QString backupArchive; // --backup ARCHIVE of the physical closing

    // The number of arguments the mode takes; -1 for an unknown mode.
    static int valueCount(const QString &mode);
    static QStringList modes();

    // Runs the mode; the process exit status. `programPath` holds the Backup folder of the safety copy.
    int run(const QString &programPath, QTextStream &out, QTextStream &err) const;
};
