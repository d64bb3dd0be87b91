#include "store/Database.h"

#include "store/HungarianCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace Database {

QString warehouseFolderName(int warehouse)
{
    return QStringLiteral("Raktar_") + QString::number(warehouse);
}

QString warehouseFolder(const QString &dbPath, int warehouse)
{
    return QDir(dbPath).filePath(warehouseFolderName(warehouse));
}

QString warehouseFile(const QString &dbPath, int warehouse)
{
    return QDir(warehouseFolder(dbPath, warehouse)).filePath(QStringLiteral("raktar.sqlite"));
}

QString sharedFile(const QString &dbPath)
{
    return QDir(dbPath).filePath(QStringLiteral("shared.sqlite"));
}

QString versionFile(const QString &dbPath, int warehouse)
{
    return QDir(warehouseFolder(dbPath, warehouse)).filePath(QStringLiteral("db_version.txt"));
}

static QString connectionName(const QString &file)
{
    return QStringLiteral("salvia:") + QFileInfo(file).absoluteFilePath();
}

static QSqlDatabase open(const QString &file)
{
    const QString name = connectionName(file);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name);
        if (db.isOpen())
            return db;
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QFileInfo(file).absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=8000"));
    if (db.open()) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
        HungarianCollation::install(db);
    }
    return db;
}

QSqlDatabase shared(const QString &dbPath)
{
    return open(sharedFile(dbPath));
}

QSqlDatabase warehouse(const QString &dbPath, int warehouse)
{
    return open(warehouseFile(dbPath, warehouse));
}

void closeAll(const QString &dbPath)
{
    const QString prefix = connectionName(QDir(dbPath).absolutePath()) + QLatin1Char('/');
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (!name.startsWith(prefix))
            continue;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace Database
