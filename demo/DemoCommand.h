#pragma once

#include "demo/DemoKitchen.h"

#include <QDate>
#include <QTextStream>

// "salvia --demo LOCATION": builds the demo database without windows, showing the day being
// written on one progress line of `err`; the login name and password are printed at the end.
// Returns the process exit status (0 on success).
int runDemoCommand(const QString &location, QTextStream &out, QTextStream &err, const DemoKitchen::Size &size = {},
    const QDate &today = QDate::currentDate());
