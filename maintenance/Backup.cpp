#include "maintenance/Backup.h"

#include "maintenance/ArchiveLayout.h"
#include "store/ArchiveSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace Backup {

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

Refusal failed(const QString &cause)
{
    return Refusal::error(failureText() + QStringLiteral("\r") + cause);
}

} // namespace

QString failureText()
{
    return QStringLiteral("Hiba történt a mentés során!\rA mentést nem sikerült létrehozni.");
}

QString verifiedText()
{
    return QStringLiteral("Az ellenőrzés hibátlan, a mentés sikerült!");
}

QString unverifiedText()
{
    return QStringLiteral("A mentés sikerült, de nem ellenőrzött");
}

QString damagedText()
{
    return QStringLiteral("A mentés hibákat tartalmaz!\rA hibát valószínűleg rossz lemez okozza.\rKérem ismételje meg a mentést!");
}

QString partFile(const QString &archive)
{
    return archive + QStringLiteral(".part");
}

bool makePrivateFolder(const QString &folder)
{
    return QDir().mkpath(folder)
        && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Refusal write(const QString &location, int warehouse, const QString &archive, const ArchiveZip::Progress &progress)
{
    const QFileInfo target(QFileInfo(archive).absoluteFilePath());
    if (target.isDir() || target.isSymLink())
        return failed(QStringLiteral("a cél nem közönséges fájl: ") + target.filePath());
    // Staged beside the archive: the snapshot files never leave the disk the user chose.
    QTemporaryDir staging(target.absolutePath() + QStringLiteral("/.salvia-mentes-XXXXXX"));
    if (!staging.isValid())
        return failed(staging.errorString());
    QFile::setPermissions(staging.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QString error;
    if (!ArchiveSnapshot::write(location, warehouse, staging.path(), &error))
        return failed(error);

    const QString part = partFile(target.filePath());
    QFile::remove(part);
    const ArchiveKind kind = warehouse > 0 ? ArchiveKind::Warehouse : ArchiveKind::Full;
    if (!ArchiveZip::pack(staging.path(), ArchiveLayout::entries(kind), part, progress, &error))
        return failed(error);
    QStringList names;
    if (!QFile::setPermissions(part, OwnerOnly) || !syncPath(part, O_RDONLY)) {
        QFile::remove(part);
        return failed(QStringLiteral("a mentés nem írható ki lemezre"));
    }
    if (!ArchiveZip::test(part, &names, &error) || ArchiveLayout::kindOf(names) != kind) {
        QFile::remove(part);
        return failed(error.isEmpty() ? QStringLiteral("a mentés tartalma hiányos") : error);
    }
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target.filePath()).constData()) != 0) {
        QFile::remove(part);
        return failed(QStringLiteral("a mentés nem nevezhető át: ") + target.filePath());
    }
    syncPath(target.absolutePath(), O_RDONLY | O_DIRECTORY);
    return Refusal();
}

Refusal check(const QString &archive)
{
    QStringList names;
    QString error;
    if (!ArchiveZip::test(archive, &names, &error) || !ArchiveLayout::kindOf(names))
        return Refusal::error(damagedText());
    return Refusal();
}

} // namespace Backup
