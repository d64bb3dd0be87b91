#pragma once

#include "core/Refusal.h"
#include "maintenance/ArchiveZip.h"

#include <QString>

// Writing a backup archive: a consistent snapshot of the warehouse (or the whole database) staged
// beside the archive, packed into "<archive>.part", synced, read back whole, made readable by its
// owner only and renamed over the archive. An archive that was there stays until the new one has
// been verified.
namespace Backup {

// Caption "HIBA!", symbol 2.
QString failureText();
// Caption "Információ", symbol 3.
QString verifiedText();
QString unverifiedText();
// Caption "HIBA!", symbol 2: the check found a damaged entry.
QString damagedText();

// Warehouse `warehouse` of `location`, or with 0 the whole database, into `archive`. A null
// refusal once the archive is in place; otherwise failureText() with the cause, and the archive
// that was there before is unchanged.
Refusal write(const QString &location, int warehouse, const QString &archive, const ArchiveZip::Progress &progress = {});

// The check the user may ask for after a backup: every entry read to its end.
Refusal check(const QString &archive);

// Makes `folder` (and the folders missing above it) and leaves it readable by its owner only:
// archives hold password hashes and partners' personal data.
bool makePrivateFolder(const QString &folder);

// "<archive>.part", where an archive is written before it is renamed over the old one.
QString partFile(const QString &archive);

} // namespace Backup
