#pragma once

#include "core/Refusal.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// The table editor's conversion of material names that came over from the DOS predecessor in its
// code page: a name is converted only when it holds a character that is not a Hungarian letter of
// Windows-1250 (so é and Ö survive a second run); then each byte of the DOS code page's Hungarian
// letters becomes its letter. The changes are shown first and written in one transaction.
namespace NameConversion {

struct Change
{
    QString fokonyviSzam;
    QString nyilvSzam;
    QString before;
    QString after;
};

// The name as converted; the name itself when it needs no conversion.
QString converted(const QString &name);

// Refused unless the open table is Anyag ("Nincs megnyitva az Anyag.db a karakterkonverzióhoz!").
Refusal checkTable(const QString &tableName);
// The names that would change, in key order.
Checked<QList<Change>> preview(QSqlDatabase warehouse);
// The question shown with the preview.
QString question(int count);
// Writes the changes in one transaction; a name changed meanwhile by another computer is left as
// it is. The number of changes handed over.
Checked<int> apply(QSqlDatabase warehouse, const QList<Change> &changes, int lockKey = -1);

} // namespace NameConversion
