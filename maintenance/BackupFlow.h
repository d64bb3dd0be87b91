#pragma once

#include <QString>

#include <functional>

struct Services;

// The backup and restore commands as the user meets them: the questions, the file choice, the
// progress notice and the messages, over the logic of Backup and Restore.
namespace BackupFlow {

enum class Outcome {
    Done, // an archive was written, or a restore put its content in place
    Failed, // the message said why; for a restore nothing was changed
    Cancelled,
};

// Opens a help page by its file name ("backup.htm").
using HelpOpener = std::function<void(const QString &page)>;

QString helpPage(); // "backup.htm"
QString backupIntroText();
QString backupCancelledText();
QString checkQuestionText();
QString restoreIntroText();
QString restoreCancelledText();
QString fullRestoreEndText();

// Backs up the active warehouse (warehouse > 0) or the whole database (0) to a file the user
// chooses, then offers the check.
Outcome backup(const Services &services, int warehouse, const HelpOpener &help);

// Restores the active warehouse (warehouse > 0) or the whole database (0) from a file the user
// chooses, with the safety copy in ProgramPath/Backup/DBBackup.zip first.
Outcome restore(const Services &services, int warehouse, const HelpOpener &help);

} // namespace BackupFlow
