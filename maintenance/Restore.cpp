#include "maintenance/Restore.h"

#include "maintenance/Backup.h"
#include "store/ArchiveApply.h"
#include "store/ArchiveSnapshot.h"
#include "store/Database.h"
#include "store/VersionCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace Restore {

namespace {

Refusal damaged(const QString &cause)
{
    return Refusal::error(damagedText() + QStringLiteral("\r") + cause);
}

// The staged files of one warehouse folder.
QString checkWarehouseFolder(const QString &folder)
{
    const QString version = VersionCheck::readVersion(QDir(folder).filePath(ArchiveSnapshot::versionFileName()));
    static const QRegularExpression plausible(QStringLiteral("^[0-9]{1,4}(\\.[0-9]{1,4}){0,3}$"));
    if (!version.isEmpty() && !plausible.match(version.trimmed()).hasMatch())
        return QStringLiteral("hibás verziószám: ") + folder;
    return ArchiveApply::checkFile(QDir(folder).filePath(ArchiveSnapshot::warehouseFileName()), false);
}

// Unpacks into `staged` and checks everything; the kind found.
Checked<ArchiveKind> unpack(const QString &archive, const QString &staged, const ArchiveZip::Limits &limits)
{
    QStringList names;
    QString error;
    if (!ArchiveZip::extract(archive, staged, limits, &names, &error))
        return Checked<ArchiveKind>::refused(damaged(error));
    const std::optional<ArchiveKind> kind = ArchiveLayout::kindOf(names);
    if (!kind)
        return Checked<ArchiveKind>::refused(damaged(QStringLiteral("a mentés hiányos")));
    const QDir dir(staged);
    if (*kind == ArchiveKind::Warehouse) {
        error = checkWarehouseFolder(staged);
    } else {
        error = ArchiveApply::checkFile(dir.filePath(ArchiveSnapshot::sharedFileName()), true);
        for (int n = 1; error.isEmpty() && n <= Database::WarehouseCount; ++n)
            error = checkWarehouseFolder(dir.filePath(Database::warehouseFolderName(n)));
    }
    if (!error.isEmpty())
        return Checked<ArchiveKind>::refused(damaged(error));
    return Checked<ArchiveKind>::accepted(*kind);
}

// A fresh hidden folder readable by its owner only.
bool makeStaging(QTemporaryDir &staging)
{
    return staging.isValid()
        && QFile::setPermissions(staging.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString successText()
{
    return QStringLiteral("A visszatöltés sikeres!");
}

QString damagedText()
{
    return QStringLiteral("A mentés hibás, nem tölthető vissza!\rAz adatbázis nem változott.");
}

QString safetyFailureText()
{
    return QStringLiteral("A jelenlegi állapot mentése sikertelen!\rA visszatöltés nem lehetséges!");
}

QString wrongKindText(ArchiveKind found)
{
    if (found == ArchiveKind::Full)
        return QStringLiteral("A kiválasztott fájl a teljes adatbázis mentése, nem egy raktáré!\rNincs visszatöltés.");
    return QStringLiteral("A kiválasztott fájl egy raktár mentése, nem a teljes adatbázisé!\rNincs visszatöltés.");
}

QString applyFailureText()
{
    return QStringLiteral("A visszatöltés nem sikerült, az adatbázis nem változott.");
}

QString rolledBackText()
{
    return QStringLiteral("A rendszer vissza lett állítva az eredeti állapotára,\rmert a mentés visszatöltése nem sikerült");
}

QString rollbackFailedText()
{
    return QStringLiteral("Súlyos hiba!!!\rA rendszer visszaállítása sikertelen!\rLépjen kapcsolatba a program eladójával!");
}

Checked<ArchiveKind> check(const QString &archive, const QString &stagingParent, const ArchiveZip::Limits &limits)
{
    QTemporaryDir staging(QDir(stagingParent).filePath(QStringLiteral(".salvia-ellenorzes-XXXXXX")));
    if (!makeStaging(staging))
        return Checked<ArchiveKind>::refused(damaged(staging.errorString()));
    return unpack(archive, staging.path(), limits);
}

Refusal run(const Request &request)
{
    const QString parent = request.stagingParent.isEmpty() ? QFileInfo(request.safetyArchive).absolutePath()
                                                           : request.stagingParent;
    if (!Backup::makePrivateFolder(parent))
        return damaged(QStringLiteral("a mappa nem hozható létre: ") + parent);
    QTemporaryDir staging(QDir(parent).filePath(QStringLiteral(".salvia-visszatoltes-XXXXXX")));
    if (!makeStaging(staging))
        return damaged(staging.errorString());
    const QString staged = QDir(staging.path()).filePath(QStringLiteral("uj"));
    QDir().mkdir(staged);

    const Checked<ArchiveKind> kind = unpack(request.archive, staged, request.limits);
    if (!kind.ok())
        return kind.refusal;
    const ArchiveKind wanted = request.warehouse > 0 ? ArchiveKind::Warehouse : ArchiveKind::Full;
    if (kind.value != wanted)
        return Refusal::error(wrongKindText(kind.value));

    // The previous safety copy is replaced only once the new one has been verified.
    if (!Backup::makePrivateFolder(QFileInfo(request.safetyArchive).absolutePath()))
        return Refusal::error(safetyFailureText());
    if (const Refusal saved = Backup::write(request.location, 0, request.safetyArchive); !saved.isNull())
        return Refusal::error(safetyFailureText() + QStringLiteral("\r") + saved.text.section(QLatin1Char('\r'), 2));

    QString error;
    if (ArchiveApply::apply(request.location, request.warehouse, staged, &error))
        return Refusal();
    // One warehouse, and a whole database on a server, are written in one step that failed whole.
    if (request.warehouse > 0 || Database::isServerLocation(request.location))
        return Refusal::error(applyFailureText() + QStringLiteral("\r") + error);

    // The files of a directory database are written one by one: the ones already written are put
    // back from the safety archive.
    const QString previous = QDir(staging.path()).filePath(QStringLiteral("elozo"));
    QDir().mkdir(previous);
    const Checked<ArchiveKind> saved = unpack(request.safetyArchive, previous, request.limits);
    QString rollbackError;
    if (saved.ok() && ArchiveApply::apply(request.location, 0, previous, &rollbackError))
        return Refusal::error(rolledBackText() + QStringLiteral("\r") + error);
    return Refusal::error(rollbackFailedText() + QStringLiteral("\r") + error);
}

} // namespace Restore
