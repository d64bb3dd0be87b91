#pragma once

#include "core/Refusal.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// The dish groups of the a-la-carte menu (CartCsop): a two-digit code and a name.
struct DishGroup
{
    QString code; // "00" to "99"
    QString name;
};

namespace DishGroups {

// All groups in code order.
Checked<QList<DishGroup>> read(QSqlDatabase db);

// The typed code as stored: a whole number 0 to 99, two digits ("7" -> "07"); refused otherwise.
Checked<QString> code(const QString &typed);

// A new group: name of 2 characters at least, a valid code not yet used. Accepted with the
// stored code.
Checked<QString> add(QSqlDatabase db, const QString &typedCode, const QString &name);
// Renames a group (the code stays).
Refusal rename(QSqlDatabase db, const QString &code, const QString &name);

// "&Töröl": refused for a group that the a-la-carte menu uses; then ask removeQuestion(), then
// remove(), which checks again inside its write.
Refusal checkRemove(QSqlDatabase db, const QString &code);
QString removeQuestion();
Refusal remove(QSqlDatabase db, const QString &code);

// The search by code: the text must read as a whole number 0 to 99.
Refusal checkCodeSearch(const QString &typed);

// Shared refusals of the a-la-carte registers.
Refusal usedElsewhere(); // "A tétel nem törölhető!\rMás tábla már használja az adatot."
Refusal notFound(); // "A keresett elem nem található!"

} // namespace DishGroups
