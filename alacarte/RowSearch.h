#pragma once

#include "core/Dates.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QString>

// The a-la-carte lists' search: the first row whose date equals the typed date, or whose name starts
// with the typed text; refused when the typed date is no date or no row matches.
namespace RowSearch {

template <typename Row, typename DateOf, typename NameOf>
Checked<int> find(const QList<Row> &rows, const QString &typed, bool byDate, DateOf dateOf, NameOf nameOf)
{
    const QString text = typed.trimmed();
    const QDate date = Dates::parse(text);
    if (byDate && !date.isValid())
        return Checked<int>::refused(
            Refusal::error(QStringLiteral("Hibás keresési értékadás!\rA megadott érték nem dátum!")));
    for (int row = 0; row < rows.size(); ++row)
        if (byDate ? dateOf(rows.at(row)) == date : nameOf(rows.at(row)).startsWith(text, Qt::CaseInsensitive))
            return Checked<int>::accepted(row);
    return Checked<int>::refused(Refusal::warning(QStringLiteral("A keresett elem nem található!")));
}

} // namespace RowSearch
