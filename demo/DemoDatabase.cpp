#include "demo/DemoDatabase.h"

#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/TransactionGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace DemoDatabase {

namespace {

DatabaseCreator::Input input()
{
    return {ownerName(), QStringLiteral("6720"), QStringLiteral("Szeged"), QStringLiteral("Iskola utca 12."), userName(),
        password()};
}

Result failure(const QString &text)
{
    return {false, QStringLiteral("A bemutató adatbázis nem készült el:\r") + text};
}

QString where(const QString &location)
{
    return Database::isServerLocation(location) ? Database::serverName(location) : QDir::toNativeSeparators(location);
}

Result success(const QString &location)
{
    return {true, QStringLiteral("A bemutató adatbázis elkészült: ") + where(location)
            + QStringLiteral("\rBelépés: felhasználónév \"") + userName() + QStringLiteral("\", jelszó \"") + password()
            + QStringLiteral("\"")};
}

// Fills warehouse 1 of a created database; the connections are closed afterwards either way.
bool fill(const QString &location, const DemoKitchen::Size &size, const QDate &today,
    const DemoKitchen::Progress &progress, QString *error)
{
    bool ok = false;
    {
        QSqlDatabase db = Database::warehouse(location, 1);
        if (!db.isOpen()) {
            *error = db.lastError().text();
        } else {
            DemoKitchen kitchen(db, size, today);
            ok = kitchen.fill(progress, error);
        }
    }
    Database::closeAll(location);
    return ok;
}

bool dropSchemas(const QString &location, QString *error)
{
    bool ok = false;
    {
        QSqlDatabase db = Database::shared(location);
        if (!db.isOpen()) {
            *error = db.lastError().text();
        } else {
            QStringList schemas {QLatin1Char('"') + Database::sharedSchema() + QLatin1Char('"')};
            for (int n = 1; n <= Database::WarehouseCount; ++n)
                schemas << QLatin1Char('"') + Database::warehouseSchema(n) + QLatin1Char('"');
            TransactionGuard guard(db);
            QSqlQuery query(db);
            ok = guard.isActive()
                && query.exec(QStringLiteral("DROP SCHEMA ") + schemas.join(QStringLiteral(", "))
                    + QStringLiteral(" CASCADE"))
                && guard.commit();
            if (!ok)
                *error = query.lastError().text().isEmpty() ? guard.errorText() : query.lastError().text();
        }
    }
    Database::closeAll(location);
    return ok;
}

Result buildOnServer(const QString &location, const DemoKitchen::Size &size, const QDate &today,
    const DemoKitchen::Progress &progress)
{
    const DatabaseCreator::Result created
        = DatabaseCreator::create(location, input(), DemoKitchen::firstDay(size, today));
    if (!created.ok)
        return {false, created.message};
    QString error;
    if (fill(location, size, today, progress, &error))
        return success(location);
    QString dropError;
    if (dropSchemas(location, &dropError))
        return failure(error + QStringLiteral("\rA létrehozott sémák törölve lettek, az adatbázisban semmi nem maradt."));
    return failure(error + QStringLiteral("\rA félkész adatbázis a kiszolgálón maradt: ") + where(location)
        + QStringLiteral("\rTörölje a \"salvia\" és a \"raktar_1\" … \"raktar_20\" sémát (") + dropError
        + QStringLiteral(")."));
}

Result buildInDirectory(const QString &location, const DemoKitchen::Size &size, const QDate &today,
    const DemoKitchen::Progress &progress)
{
    const QString dir = QDir::cleanPath(QDir(location).absolutePath());
    const QString parent = QFileInfo(dir).absolutePath();
    const QString name = QFileInfo(dir).fileName();
    QString createdParent;
    for (QFileInfo info(parent); !info.exists(); info = QFileInfo(info.absolutePath()))
        createdParent = info.absoluteFilePath();
    if (!QDir().mkpath(parent))
        return failure(QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(parent));
    const auto removeParent = [&] {
        if (!createdParent.isEmpty())
            QDir(createdParent).removeRecursively();
    };

    // The lock of a creation at this place: --create-database waits for nothing and is refused.
    QLockFile lock(QDir(parent).filePath(QLatin1Char('.') + name + QStringLiteral(".salvia-lock")));
    if (!lock.tryLock(0)) {
        removeParent();
        return {false, QStringLiteral("Ebben a mappában éppen egy másik adatbázis készül:\r") + QDir::toNativeSeparators(dir)};
    }
    const DatabaseCreator::Result free = DatabaseCreator::checkDirectory(dir);
    if (!free.ok) {
        lock.unlock();
        removeParent();
        return {false, free.message};
    }
    // Under the lock a building folder of this place can only be the remains of a killed run.
    const QString prefix = QLatin1Char('.') + name + QStringLiteral(".salvia-demo-");
    for (const QString &stale : QDir(parent).entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(QDir(parent).filePath(stale)).removeRecursively();

    const QString building = QDir(parent).filePath(prefix + QUuid::createUuid().toString(QUuid::Id128).left(12));
    const auto fail = [&](const QString &text) {
        QDir(building).removeRecursively();
        lock.unlock();
        removeParent();
        return failure(text + QStringLiteral("\rA megkezdett fájlok törölve lettek."));
    };
    const DatabaseCreator::Result created
        = DatabaseCreator::create(building, input(), DemoKitchen::firstDay(size, today));
    if (!created.ok) {
        QDir(building).removeRecursively();
        lock.unlock();
        removeParent();
        return {false, created.message};
    }
    QString error;
    if (!fill(building, size, today, progress, &error))
        return fail(error);
    // rename() replaces an empty folder and refuses a filled one, in one step.
    if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(dir).constData()) != 0)
        return fail(QDir::toNativeSeparators(dir) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
    lock.unlock();
    return success(dir);
}

} // namespace

QString ownerName()
{
    return QStringLiteral("Bemutató Iskolakonyha (demó adatok)");
}

QString userName()
{
    return QStringLiteral("admin");
}

QString password()
{
    return QStringLiteral("admin");
}

Result build(const QString &location, const DemoKitchen::Size &size, const QDate &today,
    const DemoKitchen::Progress &progress)
{
    if (location.trimmed().isEmpty())
        return {false, QStringLiteral("Nincs megadva az adatbázis helye!")};
    if (Database::isServerLocation(location))
        return buildOnServer(location, size, today, progress);
    return buildInDirectory(location, size, today, progress);
}

} // namespace DemoDatabase
