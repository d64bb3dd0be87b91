#pragma once

#include <QIODevice>
#include <QTextStream>

// "salvia --create-database LOCATION": creates a whole new database in a directory or on a
// PostgreSQL server (a "postgresql://" URI) without windows, reading owner name, postcode, city,
// street address, superuser name and password from the input, one per line, in UTF-8. Returns the
// process exit status (0 on success).
int runCreateDatabaseCommand(const QString &location, QIODevice &in, QTextStream &out, QTextStream &err);
