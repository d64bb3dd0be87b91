#include "store/DatabaseCreator.h"

#include "core/PasswordHash.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/ReferenceRows.h"
#include "store/TransactionGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

DatabaseCreator::Result refused(const QString &message, DatabaseCreator::Field field)
{
    return {false, message, field};
}

// Runs `work` on a connection of its own to `file`, closed and removed afterwards so the file can
// be deleted when something fails.
bool withConnection(const QString &file, const std::function<bool(QSqlDatabase, QString *)> &work, QString *error)
{
    const QString name = QStringLiteral("salvia-create:") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open()) {
            *error = file + QStringLiteral(": ") + db.lastError().text();
        } else {
            ok = work(db, error);
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

bool createShared(QSqlDatabase db, const DatabaseCreator::Input &input, const QString &passwordHash, QString *error)
{
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        *error = db.lastError().text();
        return false;
    }
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
    if (!exec(query, error))
        return false;

    if (!guard.commit()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

bool fillWarehouse(QSqlDatabase db, const DatabaseCreator::Input &input, const QDate &today, QString *error)
{
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        *error = db.lastError().text();
        return false;
    }
    if (!Catalogue::createTables(db, Catalogue::warehouseTables(), error))
        return false;
    for (const QString &table : ReferenceRows::tables()) {
        if (!ReferenceRows::insert(db, table, error))
            return false;
    }

    QSqlQuery query(db);
    // The current year is the active work year; the year before counts as closed.
    query.prepare(QStringLiteral("INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES (?, 1)"));
    query.bindValue(0, QString::number(today.year()));
    if (!exec(query, error))
        return false;
    query.prepare(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES (?, ?, ?)"));
    query.bindValue(0, QDate(today.year() - 1, 12, 31).toString(Qt::ISODate));
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
    query.bindValue(0, QStringLiteral("00001"));
    query.bindValue(1, input.cegNev);
    query.bindValue(2, input.cegIrsz);
    query.bindValue(3, input.cegVaros);
    query.bindValue(4, input.cegCim);
    if (!exec(query, error))
        return false;

    if (!guard.commit()) {
        *error = db.lastError().text();
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

void removeCreated(const QString &dir, const QString &createdFolder)
{
    if (!createdFolder.isEmpty()) {
        QDir(createdFolder).removeRecursively();
        return;
    }
    const QDir base(dir);
    for (int n = 1; n <= Database::WarehouseCount; ++n)
        QDir(base.filePath(Database::warehouseFolderName(n))).removeRecursively();
    const QString shared = Database::sharedFile(dir);
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(shared + QString::fromLatin1(suffix));
}

} // namespace

QString DatabaseCreator::warehouseName(int warehouse)
{
    return QString::number(warehouse) + QStringLiteral(". konyha");
}

bool DatabaseCreator::holdsDatabase(const QString &dir)
{
    static const QRegularExpression names(QStringLiteral("^(shared\\.sqlite|raktar_\\d+|raktarak\\.db|login\\.db)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDir folder(dir);
    if (!folder.exists())
        return false;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (names.match(entry).hasMatch())
            return true;
    }
    return false;
}

DatabaseCreator::Result DatabaseCreator::checkDirectory(const QString &dir)
{
    if (dir.trimmed().isEmpty())
        return refused(QStringLiteral("Nincs megadva az adatbázis mappája!"), Field::Directory);
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return refused(
            QStringLiteral("Az adatbázis helye nem mappa:\r") + QDir::toNativeSeparators(dir), Field::Directory);
    if (holdsDatabase(dir))
        return refused(QStringLiteral("A megadott mappában már van adatbázis:\r") + QDir::toNativeSeparators(dir)
                + QStringLiteral("\rÚj adatbázist csak olyan mappában lehet létrehozni, ahol még nincs."),
            Field::Directory);
    return {true, QString(), Field::None};
}

DatabaseCreator::Result DatabaseCreator::check(const QString &dir, const Input &input)
{
    const Result directory = checkDirectory(dir);
    if (!directory.ok)
        return directory;
    if (input.cegNev.trimmed().isEmpty())
        return refused(QStringLiteral("A tulajdonos intézmény nevének megadása kötelező!"), Field::CegNev);
    if (input.userName.trimmed().isEmpty())
        return refused(QStringLiteral("A felhasználónév megadása kötelező!"), Field::UserName);
    // The login dialog answers "exit" when it is closed, so a user of that name could never log in.
    if (input.userName == QLatin1String("exit"))
        return refused(QStringLiteral("Ez a felhasználónév nem használható: exit"), Field::UserName);
    if (input.password.isEmpty())
        return refused(QStringLiteral("A jelszó megadása kötelező!"), Field::Password);
    return {true, QString(), Field::None};
}

DatabaseCreator::Result DatabaseCreator::checkPasswordAgain(const QString &password, const QString &again)
{
    if (password != again)
        return refused(QStringLiteral("A két jelszó nem egyezik!"), Field::PasswordAgain);
    return {true, QString(), Field::None};
}

DatabaseCreator::Result DatabaseCreator::create(
    const QString &dir, const Input &input, const QDate &today, const Progress &progress)
{
    Result result = check(dir, input);
    if (!result.ok)
        return result;

    const QString passwordHash = PasswordHash::hash(input.password);
    if (passwordHash.isEmpty())
        return refused(
            QStringLiteral("A jelszó titkosítása nem sikerült, az adatbázis nem jött létre."), Field::Password);

    const QString createdFolder = firstMissingFolder(dir);
    QString error;
    bool ok = QDir().mkpath(dir);
    if (!ok)
        error = QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(dir);

    if (ok) {
        ok = withConnection(
            Database::sharedFile(dir),
            [&](QSqlDatabase db, QString *err) { return createShared(db, input, passwordHash, err); }, &error);
    }
    for (int n = 1; ok && n <= Database::WarehouseCount; ++n) {
        if (progress)
            progress(n);
        const QString folder = Database::warehouseFolder(dir, n);
        if (!QDir().mkdir(folder)) {
            error = QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(folder);
            ok = false;
            break;
        }
        ok = withConnection(
                 Database::warehouseFile(dir, n),
                 [&](QSqlDatabase db, QString *err) { return fillWarehouse(db, input, today, err); }, &error)
            && writeVersionFile(Database::versionFile(dir, n), &error);
    }

    if (!ok) {
        removeCreated(dir, createdFolder);
        return refused(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r") + error
                + QStringLiteral("\rA létrehozott fájlok törölve lettek."),
            Field::None);
    }
    return {true, QStringLiteral("Az új adatbázis elkészült: ") + QDir::toNativeSeparators(dir), Field::None};
}
