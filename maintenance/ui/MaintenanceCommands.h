#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the backups, restores and closings, by the names of their menu items.
namespace MaintenanceCommands {

inline const QString MonthClosing = QStringLiteral("Napizrs1");
inline const QString YearClosing = QStringLiteral("Munkavlezrsa1");
inline const QString PhysicalClosing = QStringLiteral("Fizikaizrs1");
inline const QString WarehouseBackup = QStringLiteral("Raktrmentstetszlegeshelyre1");
inline const QString WarehouseRestore = QStringLiteral("Raktrvisszatltstetszlegeshelyrl1");
inline const QString DatabaseBackup = QStringLiteral("Biztonsgimentsadotthelyre1");
inline const QString DatabaseRestore = QStringLiteral("Visszatltsadotthelyrl1");
inline const QString ErrorReport = QStringLiteral("Programhibavarzsl1");

} // namespace MaintenanceCommands

// Registers the closings (under "&Feldolgozás"), the backups and restores and the error report
// wizard (under "&Egyebek"),
// each on the active warehouse or the whole database. The menu rights of the access level are the
// main window's, by top-level menu. The year closing and a whole-database restore end the program:
// the next start reads the year, users and warehouses afresh.
void registerMaintenanceCommands(CommandRegistry &registry, const Services &services);
