#include "reports/MenuVariety.h"

#include "core/HungarianOrder.h"
#include "store/RowReader.h"
#include "store/Sql.h"

#include <algorithm>

int MenuVariety::totalOccurrences() const
{
    int total = 0;
    for (int e : occurrences)
        total += e;
    return total;
}

double MenuVariety::index() const
{
    const int served = totalOccurrences();
    if (served < 1)
        return 0;
    int defined = 0;
    for (int f : kinds)
        defined += f;
    return double(defined) / double(served) * 100;
}

double MenuVariety::categoryIndex(int category) const
{
    const int served = occurrences.at(size_t(category));
    return served < 1 ? 0 : double(kinds.at(size_t(category))) / double(served) * 100;
}

Checked<MenuVariety> MenuVariety::count(QSqlDatabase db, const QDate &from, const QDate &to, const QString &meal)
{
    MenuVariety variety;
    const auto kinds = readRows<QString>(db, QStringLiteral("SELECT \"ValtAzon\" FROM \"Etelfeleseg\""), {},
        [](const QSqlQuery &q) { return q.value(0).toString(); });
    if (!kinds.ok())
        return Checked<MenuVariety>::refused(kinds.refusal);
    for (const QString &kind : kinds.value) {
        const int category = kind.isEmpty() ? 0 : kind.at(0).digitValue();
        if (category >= 1 && category <= Categories)
            ++variety.kinds[size_t(category - 1)];
    }
    if (meal.isEmpty())
        return Checked<MenuVariety>::accepted(variety);

    struct Served
    {
        QDate date;
        QString code;
        QString name;
        QString kind;
    };
    const auto served = readRows<Served>(db,
        QStringLiteral("SELECT e.\"Datum\", e.\"EtelKod\", r.\"Megnevezes\", r.\"ValtAzon\" FROM \"Etlap\" e "
                       "LEFT JOIN \"ReceptFej\" r ON r.\"EtelKod\" = e.\"EtelKod\" "
                       "WHERE e.\"FokSzam\" = '1000' AND e.\"Datum\" BETWEEN ? AND ? AND e.\"EtkTip\" = ?"),
        {Sql::date(from), Sql::date(to), meal}, [](const QSqlQuery &q) {
            return Served {Sql::toDate(q.value(0)), q.value(1).toString(), q.value(2).toString(),
                q.value(3).toString()};
        });
    if (!served.ok())
        return Checked<MenuVariety>::refused(served.refusal);

    QList<QDate> days;
    QList<Repeat> byCode;
    for (const Served &row : served.value) {
        if (!days.contains(row.date))
            days << row.date;
        if (row.name.isEmpty() && row.kind.isEmpty())
            continue; // a code without recipe header is no recipe dish
        const int category = row.kind.isEmpty() ? 0 : row.kind.at(0).digitValue();
        if (category >= 1 && category <= Categories)
            ++variety.occurrences[size_t(category - 1)];
        const auto found =
            std::find_if(byCode.begin(), byCode.end(), [&](const Repeat &r) { return r.code == row.code; });
        if (found == byCode.end())
            byCode << Repeat {1, row.code, row.name};
        else
            ++found->count;
    }
    variety.days = int(days.size());
    for (const Repeat &repeat : byCode)
        if (repeat.count > 1)
            variety.repeats << repeat;
    std::stable_sort(variety.repeats.begin(), variety.repeats.end(),
        [](const Repeat &a, const Repeat &b) { return HungarianOrder::less(a.name, b.name); });
    return Checked<MenuVariety>::accepted(variety);
}
