#pragma once

#include <QStringList>
#include <QTextStream>

// "salvia --create-database DIR": creates a whole new database in DIR without windows, reading
// owner name, postcode, city, street address, superuser name and password from the input, one
// per line. Returns the process exit status (0 on success).
int runCreateDatabaseCommand(const QString &dir, QTextStream &in, QTextStream &out, QTextStream &err);
