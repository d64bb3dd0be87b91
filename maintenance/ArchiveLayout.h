#pragma once

#include <QStringList>

#include <optional>

// What an archive holds. A warehouse archive: raktar.sqlite and db_version.txt; a full archive:
// shared.sqlite and Raktar_<n>/raktar.sqlite, Raktar_<n>/db_version.txt for every warehouse. The
// same from either engine, so a warehouse moves between them.
enum class ArchiveKind { Warehouse, Full };

namespace ArchiveLayout {

// Every entry name of the kind, in writing order ("/" between folder and file).
QStringList entries(ArchiveKind kind);
// True for a name that some kind holds.
bool isKnownEntry(const QString &name);
// The kind whose entries the names are, exactly; none for anything else.
std::optional<ArchiveKind> kindOf(const QStringList &names);
// The warehouse number the kind is written for: 0 for a full archive.
inline int warehouseOf(ArchiveKind kind, int activeWarehouse)
{
    return kind == ArchiveKind::Full ? 0 : activeWarehouse;
}

} // namespace ArchiveLayout
