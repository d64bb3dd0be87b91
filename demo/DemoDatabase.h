#pragma once

#include "core/Refusal.h"
#include "demo/DemoKitchen.h"

#include <QDate>
#include <QString>

// A whole demo database at a location: created as a new database is (refused where one exists)
// and filled with the demo kitchen before it counts as made. A directory is filled in the
// creator's hidden building folder, so a failed or interrupted run leaves nothing half made in
// place; on a server the schemas are dropped again when the filling fails.
namespace DemoDatabase {

QString ownerName();
QString userName();
QString password();

// The success text with the login, or the refusal ("\r" breaks lines).
Checked<QString> build(const QString &location, const DemoKitchen::Size &size = {}, const QDate &today = QDate::currentDate(),
    const DemoKitchen::Progress &progress = {});

} // namespace DemoDatabase
