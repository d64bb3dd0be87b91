#include "maintenance/ArchiveLayout.h"

#include "store/ArchiveSnapshot.h"
#include "store/Database.h"

#include <QSet>

namespace ArchiveLayout {

QStringList entries(ArchiveKind kind)
{
    const QStringList warehouse {ArchiveSnapshot::warehouseFileName(), ArchiveSnapshot::versionFileName()};
    if (kind == ArchiveKind::Warehouse)
        return warehouse;
    QStringList full {ArchiveSnapshot::sharedFileName()};
    for (int n = 1; n <= Database::WarehouseCount; ++n)
        for (const QString &file : warehouse)
            full << Database::warehouseFolderName(n) + QLatin1Char('/') + file;
    return full;
}

bool isKnownEntry(const QString &name)
{
    static const QStringList known = entries(ArchiveKind::Warehouse) + entries(ArchiveKind::Full);
    return known.contains(name);
}

std::optional<ArchiveKind> kindOf(const QStringList &names)
{
    const QSet<QString> given(names.begin(), names.end());
    if (given.size() != names.size())
        return std::nullopt;
    for (const ArchiveKind kind : {ArchiveKind::Warehouse, ArchiveKind::Full}) {
        const QStringList expected = entries(kind);
        if (given == QSet<QString>(expected.begin(), expected.end()))
            return kind;
    }
    return std::nullopt;
}

} // namespace ArchiveLayout
