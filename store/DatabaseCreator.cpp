#include "store/DatabaseCreator.h"

#include "core/PasswordHash.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/ReferenceRows.h"
#include "store/Sql.h"
#include "store/StatementSet.h"
#include "store/TransactionGuard.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cstdio>

namespace {

// The advisory lock that keeps two creations on one server apart (warehouses use 0..20).
constexpr int CreationLockKey = 7310;

// Database files and folders hold the password hashes: the owner and the group only.
constexpr QFileDevice::Permissions FolderPermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup;
constexpr QFileDevice::Permissions FilePermissions
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup;

Refusal refused(const QString &message, DatabaseCreator::Field field)
{
    return Refusal::error(message, DatabaseCreator::focusOf(field));
}

Checked<QString> creationRefused(const QString &message, DatabaseCreator::Field field)
{
    return Checked<QString>::refused(refused(message, field));
}

// Runs `work` on a connection of its own, closed and removed afterwards so that the files can be
// moved or deleted.
bool withConnection(const QString &location, const QString &file,
    const std::function<bool(QSqlDatabase, QString *)> &work, QString *error)
{
    const QString name = QStringLiteral("salvia-create:") + QUuid::createUuid().toString();
    bool ok = false;
    {
        const bool server = Database::isServerLocation(location);
        QSqlDatabase db = QSqlDatabase::addDatabase(server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        if (server) {
            QString parseError;
            const QString info = Database::connectionInfo(location, &parseError);
            if (info.isEmpty()) {
                *error = parseError;
            } else {
                db.setConnectOptions(QString(info).replace(QLatin1Char(';'), QLatin1Char(' ')));
            }
        } else {
            db.setDatabaseName(file);
        }
        if (error->isEmpty() && !db.open()) {
            *error = db.lastError().databaseText().trimmed();
            if (error->isEmpty())
                *error = db.lastError().text();
        } else if (error->isEmpty()) {
            if (server) {
                QSqlQuery(db).exec(QStringLiteral("SET client_min_messages TO warning"));
            } else {
                Database::configureSqlite(db);
            }
            ok = work(db, error);
            StatementSet::drop(name);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool exec(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool execText(QSqlDatabase db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

bool fillShared(QSqlDatabase db, const DatabaseCreator::Input &input, const QString &passwordHash, QString *error)
{
    if (!Catalogue::createTables(db, Catalogue::sharedTables(), error))
        return false;

    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"raktarak\" (\"RaktarKod\", \"RaktarNev\") VALUES (?, ?)"));
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        query.bindValue(0, n);
        query.bindValue(1, DatabaseCreator::warehouseName(n));
        if (!exec(query, error))
            return false;
    }

    query.prepare(
        QStringLiteral("INSERT INTO \"login\" (\"LoginName\", \"Password\", \"SecurLevel\") VALUES (?, ?, 5)"));
    query.bindValue(0, input.userName);
    query.bindValue(1, passwordHash);
    if (!exec(query, error))
        return false;

    query.prepare(QStringLiteral(
        "INSERT INTO \"Tulajdonos\" (\"CegNev\", \"CegIrsz\", \"CegVaros\", \"CegCim\") VALUES (?, ?, ?, ?)"));
    query.bindValue(0, input.cegNev);
    query.bindValue(1, input.cegIrsz);
    query.bindValue(2, input.cegVaros);
    query.bindValue(3, input.cegCim);
    return exec(query, error);
}

bool fillWarehouse(QSqlDatabase db, const DatabaseCreator::Input &input, const QDate &today, QString *error)
{
    if (!Catalogue::createTables(db, Catalogue::warehouseTables(), error))
        return false;
    for (const QString &table : ReferenceRows::tables()) {
        if (!ReferenceRows::insert(db, table, error))
            return false;
    }

    QSqlQuery query(db);
    // The current year is the active work year; the year before counts as closed.
    query.prepare(QStringLiteral("INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES (?, ?)"));
    query.bindValue(0, QString::number(today.year()));
    query.bindValue(1, Sql::flag(true));
    if (!exec(query, error))
        return false;
    query.prepare(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES (?, ?, ?)"));
    query.bindValue(0, Sql::date(QDate(today.year() - 1, 12, 31)));
    query.bindValue(1, QStringLiteral("Éves zárás"));
    query.bindValue(2, input.userName);
    if (!exec(query, error))
        return false;

    query.prepare(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\") "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.bindValue(0, QStringLiteral("00000"));
    query.bindValue(1, DatabaseCreator::otherPartnerName());
    query.bindValue(2, QStringLiteral(""));
    query.bindValue(3, QStringLiteral(""));
    query.bindValue(4, QStringLiteral(""));
    if (!exec(query, error))
        return false;
    // The owner partner takes the owner values cut to its own widths, as every start writes it.
    const TableDef *partner = Catalogue::table(QStringLiteral("Partner"));
    const auto cut = [partner](const QString &value, const char *field) {
        const FieldDef *def = partner->field(QString::fromLatin1(field));
        return def && def->width > 0 ? value.left(def->width) : value;
    };
    query.bindValue(0, QStringLiteral("00001"));
    query.bindValue(1, cut(input.cegNev, "Nev"));
    query.bindValue(2, cut(input.cegIrsz, "Irszam"));
    query.bindValue(3, cut(input.cegVaros, "Telepules"));
    query.bindValue(4, cut(input.cegCim, "Utca"));
    return exec(query, error);
}

// One SQLite file with its tables, in one transaction.
bool createFile(QSqlDatabase db, const std::function<bool(QSqlDatabase, QString *)> &fill, QString *error)
{
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        *error = guard.errorText();
        return false;
    }
    if (!fill(db, error))
        return false;
    if (!guard.commit()) {
        *error = guard.errorText();
        return false;
    }
    return true;
}

bool writeVersionFile(const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    file.write(DatabaseCreator::databaseVersion().toLatin1() + "\r\n");
    if (!file.commit()) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

// The outermost folder of `dir` that does not exist yet (empty when dir exists).
QString firstMissingFolder(const QString &dir)
{
    QString missing;
    QFileInfo info(QDir::cleanPath(QDir(dir).absolutePath()));
    while (!info.exists()) {
        missing = info.absoluteFilePath();
        const QString parent = info.absolutePath();
        if (parent == missing)
            break;
        info = QFileInfo(parent);
    }
    return missing;
}

// Owner and group only, on every file and folder under `root` and on root itself.
void restrictPermissions(const QString &root)
{
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, it.fileInfo().isDir() ? FolderPermissions : FilePermissions);
    }
    QFile::setPermissions(root, FolderPermissions);
}

bool renameEntry(const QString &from, const QString &to, QString *error)
{
    // rename() replaces an empty folder and refuses a filled one, in one step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *error = QDir::toNativeSeparators(to) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool isEmptyFolder(const QString &dir)
{
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString stagingPrefix(const QString &dir)
{
    return QLatin1Char('.') + QFileInfo(dir).fileName() + QStringLiteral(".salvia-uj-");
}

Checked<QString> createInDirectory(const QString &location, const DatabaseCreator::Input &input,
    const QString &passwordHash, const QDate &today, const DatabaseCreator::Progress &progress,
    const DatabaseCreator::Filler &fill)
{
    const QString dir = QDir::cleanPath(QDir(location).absolutePath());
    const QString parent = QFileInfo(dir).absolutePath();
    const QString createdFolder = firstMissingFolder(parent);
    if (!QDir().mkpath(parent))
        return creationRefused(QStringLiteral("Az adatbázis létrehozása nem sikerült:\rA mappa nem hozható létre: ")
                + QDir::toNativeSeparators(parent),
            DatabaseCreator::Field::Directory);
    QLockFile lock(QDir(parent).filePath(QLatin1Char('.') + QFileInfo(dir).fileName() + QStringLiteral(".salvia-lock")));
    const auto failed = [&](const QString &error) {
        lock.unlock();
        if (!createdFolder.isEmpty())
            QDir(createdFolder).removeRecursively();
        return creationRefused(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r") + error
                + QStringLiteral("\rA létrehozott fájlok törölve lettek."),
            DatabaseCreator::Field::None);
    };

    // One creation at a time for this folder: a second one waits for nothing and is refused.
    if (!lock.tryLock(0)) {
        if (!createdFolder.isEmpty())
            QDir(createdFolder).removeRecursively();
        return creationRefused(QStringLiteral("Ebben a mappában éppen egy másik adatbázis készül:\r")
                + QDir::toNativeSeparators(dir),
            DatabaseCreator::Field::Directory);
    }
    // Under the lock: a database that appeared meanwhile is refused, and a sibling staging folder
    // can only be the remains of a creation that was killed.
    if (const Refusal directory = DatabaseCreator::checkDirectory(dir))
        return Checked<QString>::refused(directory);
    const QStringList stale = QDir(parent).entryList(
        {stagingPrefix(dir) + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : stale)
        QDir(QDir(parent).filePath(name)).removeRecursively();

    const QString staging = QDir(parent).filePath(stagingPrefix(dir) + QUuid::createUuid().toString(QUuid::Id128));
    if (!QDir().mkdir(staging, FolderPermissions & ~(QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup)))
        return failed(QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(staging));
    const auto failedInStaging = [&](const QString &error) {
        Database::closeAll(staging);
        QDir(staging).removeRecursively();
        return failed(error);
    };

    QString error;
    if (!withConnection(
            location, Database::sharedFile(staging),
            [&](QSqlDatabase db, QString *err) {
                return createFile(
                    db, [&](QSqlDatabase d, QString *e) { return fillShared(d, input, passwordHash, e); }, err);
            },
            &error))
        return failedInStaging(error);
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        if (progress)
            progress(n);
        const QString folder = Database::warehouseFolder(staging, n);
        if (!QDir().mkdir(folder))
            return failedInStaging(QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(folder));
        const bool ok = withConnection(
                            location, Database::warehouseFile(staging, n),
                            [&](QSqlDatabase db, QString *err) {
                                return createFile(
                                    db, [&](QSqlDatabase d, QString *e) { return fillWarehouse(d, input, today, e); },
                                    err);
                            },
                            &error)
            && writeVersionFile(Database::versionFile(staging, n), &error);
        if (!ok)
            return failedInStaging(error);
    }
    if (fill) {
        const bool filled = fill(staging, &error);
        Database::closeAll(staging);
        if (!filled)
            return failedInStaging(error);
    }
    restrictPermissions(staging);

    // The last step puts the whole database in place at once. Into a folder that already holds
    // other files the entries move one by one, shared.sqlite last: a start that finds warehouse
    // folders without it knows the creation did not finish.
    if (!QFileInfo::exists(dir) || isEmptyFolder(dir)) {
        if (!renameEntry(staging, dir, &error))
            return failedInStaging(error);
    } else {
        QStringList moved;
        QStringList entries;
        for (int n = 1; n <= Database::WarehouseCount; ++n)
            entries << Database::warehouseFolderName(n);
        entries << QFileInfo(Database::sharedFile(staging)).fileName();
        for (const QString &entry : entries) {
            if (QFileInfo::exists(QDir(dir).filePath(entry))
                || !renameEntry(QDir(staging).filePath(entry), QDir(dir).filePath(entry), &error)) {
                if (error.isEmpty())
                    error = QDir::toNativeSeparators(QDir(dir).filePath(entry)) + QStringLiteral(": már létezik");
                for (const QString &done : moved) {
                    const QString path = QDir(dir).filePath(done);
                    if (QFileInfo(path).isDir())
                        QDir(path).removeRecursively();
                    else
                        QFile::remove(path);
                }
                return failedInStaging(error);
            }
            moved << entry;
        }
        QDir(staging).removeRecursively();
    }
    return Checked<QString>::accepted(QStringLiteral("Az új adatbázis elkészült: ") + QDir::toNativeSeparators(dir));
}

// Our schemas in the database of a server connection.
int schemaCount(QSqlDatabase db, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM pg_namespace WHERE nspname = 'salvia' "
                                   "OR nspname ~ '^raktar_[0-9]+$'"))
        || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

QString serverHoldsDatabaseText(const QString &location)
{
    return QStringLiteral("A megadott adatbázisban már van Salvia-adatbázis:\r") + Database::serverName(location)
        + QStringLiteral("\rÚj adatbázist csak olyan adatbázisban lehet létrehozni, ahol még nincs.");
}

// Drops every schema of a database made by this run (a filling that failed after the creation).
bool dropSchemas(const QString &location, QString *error)
{
    return withConnection(
        location, QString(),
        [&](QSqlDatabase db, QString *err) {
            TransactionGuard guard(db, CreationLockKey);
            if (!guard.isActive()) {
                *err = guard.errorText();
                return false;
            }
            QStringList schemas {QLatin1Char('"') + Database::sharedSchema() + QLatin1Char('"')};
            for (int n = 1; n <= Database::WarehouseCount; ++n)
                schemas << QLatin1Char('"') + Database::warehouseSchema(n) + QLatin1Char('"');
            const QString drop
                = QStringLiteral("DROP SCHEMA ") + schemas.join(QStringLiteral(", ")) + QStringLiteral(" CASCADE");
            if (!execText(db, drop, err))
                return false;
            if (!guard.commit()) {
                *err = guard.errorText();
                return false;
            }
            return true;
        },
        error);
}

Checked<QString> createOnServer(const QString &location, const DatabaseCreator::Input &input,
    const QString &passwordHash, const QDate &today, const DatabaseCreator::Progress &progress,
    const DatabaseCreator::Filler &fill)
{
    bool exists = false;
    QString error;
    const bool ok = withConnection(
        location, QString(),
        [&](QSqlDatabase db, QString *err) {
            // Schemas, tables and rows are made in one transaction: a failure or a lost connection
            // leaves the database as it was.
            TransactionGuard guard(db, CreationLockKey);
            if (!guard.isActive()) {
                *err = guard.errorText();
                return false;
            }
            const int schemas = schemaCount(db, err);
            if (schemas < 0)
                return false;
            if (schemas > 0) {
                exists = true;
                return false;
            }
            const QString shared = Database::sharedSchema();
            if (!execText(db, QStringLiteral("CREATE SCHEMA \"%1\"").arg(shared), err)
                || !execText(db, Catalogue::serverCollationStatement(), err)
                || !execText(db, QStringLiteral("SET LOCAL search_path TO \"%1\"").arg(shared), err)
                || !fillShared(db, input, passwordHash, err))
                return false;
            for (int n = 1; n <= Database::WarehouseCount; ++n) {
                if (progress)
                    progress(n);
                const QString schema = Database::warehouseSchema(n);
                if (!execText(db, QStringLiteral("CREATE SCHEMA \"%1\"").arg(schema), err)
                    || !execText(db, QStringLiteral("SET LOCAL search_path TO \"%1\"").arg(schema), err)
                    || !fillWarehouse(db, input, today, err)
                    || !execText(db, QStringLiteral("CREATE TABLE \"db_version\" (\"Verzio\" TEXT NOT NULL)"), err))
                    return false;
                QSqlQuery version(db);
                version.prepare(QStringLiteral("INSERT INTO \"db_version\" (\"Verzio\") VALUES (?)"));
                version.addBindValue(DatabaseCreator::databaseVersion());
                if (!exec(version, err))
                    return false;
            }
            if (!guard.commit()) {
                *err = guard.errorText();
                return false;
            }
            return true;
        },
        &error);
    if (exists)
        return creationRefused(serverHoldsDatabaseText(location), DatabaseCreator::Field::Directory);
    if (!ok)
        return creationRefused(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r") + Database::serverName(location)
                + QStringLiteral("\r") + error + QStringLiteral("\rAz adatbázisban semmi nem változott."),
            DatabaseCreator::Field::None);
    if (fill) {
        const bool filled = fill(location, &error);
        Database::closeAll(location);
        if (!filled) {
            const QString failure = QStringLiteral("Az adatbázis létrehozása nem sikerült:\r")
                + Database::serverName(location) + QStringLiteral("\r") + error;
            QString dropError;
            if (dropSchemas(location, &dropError))
                return creationRefused(failure + QStringLiteral("\rA létrehozott sémák törölve lettek, az adatbázisban semmi nem "
                                                        "változott."),
                    DatabaseCreator::Field::None);
            return creationRefused(failure + QStringLiteral("\rA félkész adatbázis a kiszolgálón maradt: törölje a \"salvia\" és "
                                                    "a \"raktar_1\" … \"raktar_20\" sémát (")
                    + dropError + QStringLiteral(")."),
                DatabaseCreator::Field::None);
        }
    }
    return Checked<QString>::accepted(QStringLiteral("Az új adatbázis elkészült: ") + Database::serverName(location));
}

DatabaseCreator::Inspection inspectServer(const QString &location)
{
    DatabaseCreator::Inspection result;
    QString error;
    QStringList missing;
    bool reached = false;
    withConnection(
        location, QString(),
        [&](QSqlDatabase db, QString *err) {
            reached = true;
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("SELECT n.nspname, (SELECT COUNT(*) FROM pg_class c WHERE "
                                           "c.relnamespace = n.oid AND c.relkind = 'r') FROM pg_namespace n "
                                           "WHERE n.nspname = 'salvia' OR n.nspname ~ '^raktar_[0-9]+$'"))) {
                *err = query.lastError().text();
                return false;
            }
            QHash<QString, int> tables;
            while (query.next())
                tables.insert(query.value(0).toString(), query.value(1).toInt());
            if (tables.isEmpty())
                return true;
            // A creation on a server is one transaction: what is missing was lost afterwards.
            if (tables.value(Database::sharedSchema()) < Catalogue::sharedTables().size()) {
                missing << Database::sharedSchema();
                result.sharedMissing = true;
            }
            for (int n = 1; n <= Database::WarehouseCount; ++n) {
                // Every warehouse table and db_version.
                if (tables.value(Database::warehouseSchema(n)) < Catalogue::WarehouseTableCount + 1) {
                    missing << Database::warehouseSchema(n);
                    result.missingWarehouses << n;
                }
            }
            result.state = missing.isEmpty() ? DatabaseCreator::State::Complete : DatabaseCreator::State::Incomplete;
            return true;
        },
        &error);
    if (!reached || !error.isEmpty()) {
        result.state = DatabaseCreator::State::Unreachable;
        result.detail = error;
    } else if (!missing.isEmpty()) {
        result.detail = missing.join(QStringLiteral(", "));
    }
    return result;
}

} // namespace

QString DatabaseCreator::warehouseName(int warehouse)
{
    return QString::number(warehouse) + QStringLiteral(". konyha");
}

DatabaseCreator::Inspection DatabaseCreator::inspect(const QString &location)
{
    if (Database::isServerLocation(location))
        return inspectServer(location);

    static const QRegularExpression names(QStringLiteral("^(shared\\.sqlite|raktar_\\d+|raktarak\\.db|login\\.db)$"),
        QRegularExpression::CaseInsensitiveOption);
    Inspection result;
    const QDir folder(location);
    if (!folder.exists())
        return result;
    bool any = false;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        any = any || names.match(entry).hasMatch();
    if (!any)
        return result;
    // The predecessor's tables are a database of their own kind; no creation of ours made them.
    const bool ours = QFileInfo::exists(Database::sharedFile(location))
        || std::any_of(entries.begin(), entries.end(), [](const QString &entry) {
               return entry.startsWith(QLatin1String("Raktar_"), Qt::CaseInsensitive);
           });
    if (!ours) {
        result.state = State::Complete;
        return result;
    }
    QStringList missing;
    if (!QFileInfo::exists(Database::sharedFile(location))) {
        missing << QFileInfo(Database::sharedFile(location)).fileName();
        result.sharedMissing = true;
    }
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        if (!QFileInfo::exists(Database::warehouseFile(location, n))) {
            missing << Database::warehouseFolderName(n);
            result.missingWarehouses << n;
        }
    }
    result.detail = missing.join(QStringLiteral(", "));
    if (missing.isEmpty()) {
        result.state = State::Complete;
        return result;
    }
    // Only a creation leaves its building folder beside the database; without it the parts were
    // lost from a database that was whole once.
    const QString dir = QDir::cleanPath(QDir(location).absolutePath());
    const bool building = !QDir(QFileInfo(dir).absolutePath())
                               .entryList({stagingPrefix(dir) + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)
                               .isEmpty();
    result.state = building ? State::Unfinished : State::Incomplete;
    return result;
}

bool DatabaseCreator::holdsDatabase(const QString &location)
{
    return inspect(location).state != State::Empty;
}

QString DatabaseCreator::unfinishedText(const QString &location, const QString &detail)
{
    const QString where = Database::isServerLocation(location) ? Database::serverName(location)
                                                                : QDir::toNativeSeparators(location);
    return QStringLiteral("Az adatbázis létrehozása nem fejeződött be, ez az adatbázis hiányos, a program nem "
                          "indítható:\r")
        + where + QStringLiteral("\rHiányzik: ") + detail
        + QStringLiteral("\rTörölje a hiányos adatbázist, és hozza létre újra, vagy állítsa vissza egy biztonsági "
                         "mentésből.");
}

QString DatabaseCreator::incompleteText(const QString &location, const QString &detail)
{
    const QString where = Database::isServerLocation(location) ? Database::serverName(location)
                                                                : QDir::toNativeSeparators(location);
    return QStringLiteral("Az adatbázis hiányos, a program nem indítható:\r") + where + QStringLiteral("\rHiányzik: ")
        + detail + QStringLiteral("\rÁllítsa vissza a hiányzó részt egy biztonsági mentésből.");
}

QString DatabaseCreator::missingWarehousesText(const QString &location, const QString &detail)
{
    const QString where = Database::isServerLocation(location) ? Database::serverName(location)
                                                                : QDir::toNativeSeparators(location);
    return QStringLiteral("Az adatbázisból raktárak hiányoznak:\r") + where + QStringLiteral("\rHiányzik: ") + detail
        + QStringLiteral("\rEzekben a raktárakban nem lehet dolgozni, a többiben igen. "
                         "A hiányzó raktárakat egy biztonsági mentésből lehet visszaállítani.");
}

QString DatabaseCreator::unreachableText(const QString &location, const QString &reason)
{
    return QStringLiteral("Az adatbázis-kiszolgáló nem érhető el, a program nem indítható:\r")
        + Database::serverName(location) + QStringLiteral("\r") + reason.trimmed();
}

QString DatabaseCreator::focusOf(Field field)
{
    switch (field) {
    case Field::CegNev:
        return QStringLiteral("edtCegNev");
    case Field::CegIrsz:
        return QStringLiteral("edtCegIrsz");
    case Field::CegVaros:
        return QStringLiteral("edtCegVaros");
    case Field::CegCim:
        return QStringLiteral("edtCegCim");
    case Field::UserName:
        return QStringLiteral("edtUserName");
    case Field::Password:
        return QStringLiteral("edtPassword");
    case Field::PasswordAgain:
        return QStringLiteral("edtPassword2");
    case Field::None:
    case Field::Directory:
        break;
    }
    return QString();
}

int DatabaseCreator::maxLength(Field field)
{
    const auto width = [](const char *table, const char *name) {
        const TableDef *def = Catalogue::table(QString::fromLatin1(table));
        const FieldDef *fieldDef = def ? def->field(QString::fromLatin1(name)) : nullptr;
        return fieldDef ? fieldDef->width : 0;
    };
    switch (field) {
    case Field::CegNev:
        return width("Tulajdonos", "CegNev");
    case Field::CegIrsz:
        // The postcode goes into partner 00001 whole; the longer owner values are cut there.
        return width("Partner", "Irszam");
    case Field::CegVaros:
        return width("Tulajdonos", "CegVaros");
    case Field::CegCim:
        return width("Tulajdonos", "CegCim");
    case Field::UserName:
        return width("login", "LoginName");
    case Field::Password:
    case Field::PasswordAgain:
        return 255;
    case Field::None:
    case Field::Directory:
        break;
    }
    return 0;
}

Refusal DatabaseCreator::checkDirectory(const QString &location)
{
    if (location.trimmed().isEmpty())
        return refused(QStringLiteral("Nincs megadva az adatbázis mappája!"), Field::Directory);
    if (Database::isServerLocation(location)) {
        QString error;
        if (Database::connectionInfo(location, &error).isEmpty())
            return refused(QStringLiteral("Hibás adatbázis-cím:\r") + location.trimmed() + QStringLiteral("\r") + error,
                Field::Directory);
        const Inspection found = inspectServer(location);
        if (found.state == State::Unreachable)
            return refused(unreachableText(location, found.detail), Field::Directory);
        if (found.state != State::Empty)
            return refused(serverHoldsDatabaseText(location), Field::Directory);
        return Refusal();
    }
    const QFileInfo info(location);
    if (info.exists() && !info.isDir())
        return refused(
            QStringLiteral("Az adatbázis helye nem mappa:\r") + QDir::toNativeSeparators(location), Field::Directory);
    if (holdsDatabase(location))
        return refused(QStringLiteral("A megadott mappában már van adatbázis:\r") + QDir::toNativeSeparators(location)
                + QStringLiteral("\rÚj adatbázist csak olyan mappában lehet létrehozni, ahol még nincs."),
            Field::Directory);
    return Refusal();
}

Refusal DatabaseCreator::check(const QString &dir, const Input &input)
{
    const Refusal directory = checkDirectory(dir);
    if (directory)
        return directory;
    if (input.cegNev.trimmed().isEmpty())
        return refused(QStringLiteral("A tulajdonos intézmény nevének megadása kötelező!"), Field::CegNev);
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    if (!digits.match(input.cegIrsz).hasMatch())
        return refused(QStringLiteral("Az irányítószám csak számjegyekből állhat!"), Field::CegIrsz);
    const struct
    {
        Field field;
        const QString &value;
        const char *label;
    } bounded[] = {
        {Field::CegNev, input.cegNev, "A tulajdonos intézmény neve"},
        {Field::CegIrsz, input.cegIrsz, "Az irányítószám"},
        {Field::CegVaros, input.cegVaros, "A település"},
        {Field::CegCim, input.cegCim, "A cím"},
        {Field::UserName, input.userName, "A felhasználónév"},
        {Field::Password, input.password, "A jelszó"},
    };
    for (const auto &item : bounded) {
        const int max = maxLength(item.field);
        if (max > 0 && item.value.size() > max)
            return refused(QString::fromUtf8(item.label) + QStringLiteral(" legfeljebb %1 karakter lehet!").arg(max),
                item.field);
    }
    if (input.userName.trimmed().isEmpty())
        return refused(QStringLiteral("A felhasználónév megadása kötelező!"), Field::UserName);
    // The login dialog answers "exit" when it is closed, so a user of that name could never log in.
    if (input.userName == QLatin1String("exit"))
        return refused(QStringLiteral("Ez a felhasználónév nem használható: exit"), Field::UserName);
    if (input.password.isEmpty())
        return refused(QStringLiteral("A jelszó megadása kötelező!"), Field::Password);
    return Refusal();
}

Refusal DatabaseCreator::checkPasswordAgain(const QString &password, const QString &again)
{
    if (password != again)
        return refused(QStringLiteral("A két jelszó nem egyezik!"), Field::PasswordAgain);
    return Refusal();
}

Checked<QString> DatabaseCreator::create(
    const QString &location, const Input &input, const QDate &today, const Progress &progress, const Filler &fill)
{
    if (const Refusal refusal = check(location, input))
        return Checked<QString>::refused(refusal);

    const QString passwordHash = PasswordHash::hash(input.password);
    if (passwordHash.isEmpty())
        return creationRefused(
            QStringLiteral("A jelszó titkosítása nem sikerült, az adatbázis nem jött létre."), Field::Password);

    if (Database::isServerLocation(location))
        return createOnServer(location, input, passwordHash, today, progress, fill);
    return createInDirectory(location, input, passwordHash, today, progress, fill);
}
