#pragma once

#include "core/Refusal.h"
#include "maintenance/ArchiveLayout.h"
#include "maintenance/ArchiveZip.h"

#include <QString>

// Restoring from a backup archive. The archive is unpacked into a fresh hidden staging folder
// (ArchiveZip's bounds), and is restored only when every entry of its kind is there with the right
// CRC, every database file passes its integrity check and holds the catalogue's tables, and it is
// the kind asked for. Then the whole database is saved into the safety archive (verified), and
// only then the staged content is written over the database, all of it or nothing.
namespace Restore {

struct Request
{
    QString location; // the database (DbPath)
    int warehouse = 0; // the warehouse to restore; 0: the whole database
    QString archive;
    QString safetyArchive; // ProgramPath/Backup/DBBackup.zip
    QString stagingParent; // where the staging folder is made; the safety archive's folder when empty
    ArchiveZip::Limits limits;
};

// Caption "Információ", symbol 3.
QString successText();
// Caption "HIBA!", symbol 2; the cause follows on a line of its own.
QString damagedText();
QString safetyFailureText();
QString wrongKindText(ArchiveKind found);
QString applyFailureText();
QString rolledBackText();
QString rollbackFailedText();

// Unpacks and checks `archive` as a restore would, changing nothing: its kind, or the refusal
// (damagedText() with the cause).
Checked<ArchiveKind> check(const QString &archive, const QString &stagingParent, const ArchiveZip::Limits &limits = {});

// The restore; a null refusal when the archive's content is in place.
Refusal run(const Request &request);

} // namespace Restore
