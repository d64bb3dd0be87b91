#pragma once

#include <QString>

// Puts staged archive files (fresh SQLite files as ArchiveSnapshot writes them) back into a
// database, after checking each.
namespace ArchiveApply {

// Why the staged SQLite file cannot be restored, or empty when it is sound: PRAGMA
// integrity_check must say ok, and it must hold exactly the catalogue's tables with their fields
// (the shared ones, or the warehouse ones), indexes on them, and nothing else (no view, no trigger).
QString checkFile(const QString &path, bool shared);

// Writes the staged content over warehouse `warehouse` of `location` (the folder holds
// raktar.sqlite and db_version.txt), or with warehouse 0 over the whole database (shared.sqlite and
// Raktar_<n>/...). SQLite: each file with the online backup API into the live file, each whole or
// not at all; a server: every table in one transaction holding the warehouses' write locks, then
// the row-id sequences set past the restored rows. False with the reason in *error.
bool apply(const QString &location, int warehouse, const QString &folder, QString *error);

} // namespace ArchiveApply
