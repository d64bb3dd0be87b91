#pragma once

#include "core/Refusal.h"

class QSqlQuery;

// Runs a prepared UPDATE of one row by its key, inside a write: the database's refusal with its
// cause, "deleted meanwhile" when no row matched (another computer removed it), or null.
Refusal runRowUpdate(QSqlQuery &query);
