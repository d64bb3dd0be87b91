#pragma once

#include "demo/DemoKitchen.h"

#include <QDate>
#include <QString>

// A whole demo database at a location: created as a new database is (refused where one exists),
// then filled with the demo kitchen. A directory is built in a hidden folder beside it and moved
// into place as the last step, so a failed or interrupted run leaves nothing half made there; on a
// server the schemas this run created are dropped again when the filling fails.
namespace DemoDatabase {

struct Result
{
    bool ok = false;
    QString message; // "\r" breaks lines
};

QString ownerName();
QString userName();
QString password();

Result build(const QString &location, const DemoKitchen::Size &size = {}, const QDate &today = QDate::currentDate(),
    const DemoKitchen::Progress &progress = {});

} // namespace DemoDatabase
