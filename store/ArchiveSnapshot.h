#pragma once

#include <QString>

// Consistent copies of a database's tables as fresh SQLite files, the one form every archive holds
// whatever the engine. SQLite copies each file with VACUUM INTO, which reads one snapshot while
// other connections keep writing; a server copies every table of the asked schemas inside one
// read-only repeatable-read transaction with COPY.
namespace ArchiveSnapshot {

// The file names inside an archive (also the names of the staged files).
QString warehouseFileName(); // "raktar.sqlite"
QString versionFileName(); // "db_version.txt"
QString sharedFileName(); // "shared.sqlite"

// Writes warehouse `warehouse` of `location` into `folder` as raktar.sqlite and db_version.txt;
// with warehouse 0 the whole database: shared.sqlite and Raktar_1 ... Raktar_20 each with both
// files. `folder` exists and is empty. False with the reason in *error.
bool write(const QString &location, int warehouse, const QString &folder, QString *error);

} // namespace ArchiveSnapshot
