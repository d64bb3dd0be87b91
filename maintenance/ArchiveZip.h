#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// ZIP archives of the backup (libzip): packing a staged folder, testing every entry, and the
// guarded extraction of a restore.
namespace ArchiveZip {

// Bounds of an extraction, against archives that unpack into more than the disk holds.
struct Limits
{
    qint64 entryBytes = qint64(16) << 30; // one entry
    qint64 totalBytes = qint64(64) << 30; // all entries together
    qint64 freeReserve = qint64(64) << 20; // left free on the staging disk
};

// Called as the work goes on with the share done (0..1); false cancels.
using Progress = std::function<bool(double done)>;

// Packs the files `entries` (names relative to `folder`, "/" between folders) into the new file
// `archive`, deflated. False with the reason in *error (and no file left behind).
bool pack(const QString &folder, const QStringList &entries, const QString &archive, const Progress &progress,
    QString *error);

// Reads every entry to its end, so each CRC is compared; the entry names in *names. False with the
// reason when the archive cannot be read, is empty, or an entry is damaged.
bool test(const QString &archive, QStringList *names, QString *error);

// The entry names after checking the central directory: every name known to the archive layout
// (which leaves out "..", absolute and drive paths, backslashes), no duplicate, no link, no
// directory, no encryption, each size and the total within the limits and the free space of
// `staging`'s disk. False with the reason.
bool inspect(const QString &archive, const QString &staging, const Limits &limits, QStringList *names, QString *error);

// inspect() and then every entry written under `staging` (an existing empty folder) as a new file,
// never beyond its stated size, its CRC checked. False with the reason; what was written stays in
// `staging` for its owner to remove.
bool extract(const QString &archive, const QString &staging, const Limits &limits, QStringList *names,
    QString *error);

} // namespace ArchiveZip
