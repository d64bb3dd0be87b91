#include "maintenance/MonthClosing.h"

#include "core/Dates.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

namespace MonthClosing {

QString successText()
{
    return QStringLiteral("A havi zárás sikeresen végre lett hajtva");
}

QString alreadyClosedText()
{
    return QStringLiteral("A megadott hóban már zárt egyszer!\rEgy hóban csak egyszer lehet zárni! Nincs zárás.");
}

QString explanationText()
{
    return QStringLiteral("A havi zárás lezárja a munkaévben a kiválasztott, és az az előtti hónapokat. A lezárt "
                          "hónapokon anyagmozgás nem lehetséges!");
}

QStringList monthEntries()
{
    QStringList entries;
    for (int month = 1; month <= 12; ++month)
        entries << QString::number(month) + (month < 10 ? QStringLiteral("   - ") : QStringLiteral(" - "))
                + Dates::monthName(month);
    return entries;
}

int proposedMonth(const QDate &today)
{
    return today.month() == 1 ? 1 : today.month() - 1;
}

Checked<QDate> close(QSqlDatabase warehouse, int year, int month, const QString &user)
{
    const QDate closing = Dates::lastDayOfMonth(QDate(year, month, 1));
    const WriteResult written = WriteTransaction::run(warehouse, [&] {
        QSqlQuery query(warehouse);
        StockSql::run(query, QStringLiteral("SELECT \"Datum\" FROM \"Napizaras\" ORDER BY \"Datum\" DESC LIMIT 1"));
        const QDate last = query.next() ? Sql::toDate(query.value(0)) : QDate();
        query.finish();
        // A month at or before the last closing is closed already, in whatever year that lies.
        if (last.isValid() && last.year() * 12 + last.month() >= year * 12 + month)
            return Refusal {QStringLiteral("Figyelmeztetés!"), 1, alreadyClosedText(), QString()};
        StockSql::run(query,
            QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES (?, ?, ?)"),
            {Sql::date(closing), QStringLiteral("Havi zárás"), user});
        return Refusal();
    });
    if (!written.ok())
        return Checked<QDate>::refused(written.refusal);
    return Checked<QDate>::accepted(closing);
}

} // namespace MonthClosing
