#pragma once

#include <QSqlDatabase>
#include <QString>

// Where the files of a database directory lie and how connections to them are opened.
// The directory holds shared.sqlite (warehouses, users, owner) and Raktar_1 ... Raktar_20, each
// with raktar.sqlite (all tables of one warehouse) and db_version.txt.
namespace Database {

constexpr int WarehouseCount = 20;

// "Raktar_" + n, without leading zeros.
QString warehouseFolderName(int warehouse);
QString warehouseFolder(const QString &dbPath, int warehouse);
QString warehouseFile(const QString &dbPath, int warehouse);
QString sharedFile(const QString &dbPath);
QString versionFile(const QString &dbPath, int warehouse);

// Opens (or reuses) the connection to the shared tables or to one warehouse's tables; the
// connection is named after the file, so every caller shares one connection per file.
// WAL journal, synchronous=FULL, a busy timeout of several seconds.
QSqlDatabase shared(const QString &dbPath);
QSqlDatabase warehouse(const QString &dbPath, int warehouse);

// Closes and removes every connection into dbPath (before a restore, a repair or in tests).
void closeAll(const QString &dbPath);

} // namespace Database
