#pragma once

#include <QSqlDatabase>

struct pg_conn;

// libpq's connection under a Qt PostgreSQL connection, for statements run straight on it;
// null for a connection of another engine, or a closed one.
pg_conn *serverHandle(const QSqlDatabase &db);
