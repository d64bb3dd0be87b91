#include "reports/ui/qrpLeltarKul.h"

#include "core/Dates.h"
#include "printing/ReportContext.h"
#include "printing/ui/ListReport.h"

TqrpLeltarKul::TqrpLeltarKul(
    const Settings &settings, Messenger &messenger, const QList<InventoryDifference::Row> &rows, const QDate &date)
    : Printout(settings, messenger)
    , m_data({QStringLiteral("FokSzam"), QStringLiteral("NyilvSzam"), QStringLiteral("Megnevezes"),
          QStringLiteral("KeszletMenny"), QStringLiteral("Mertekegyseg"), QStringLiteral("NyilvAr"),
          QStringLiteral("KeszletErtek"), QStringLiteral("ValosKeszlet"), QStringLiteral("Elteres"),
          QStringLiteral("ElteresAr")})
{
    for (const InventoryDifference::Row &row : rows) {
        m_data.addRow(
            {row.fokSzam, row.nyilvSzam, row.megnevezes, row.keszletMenny, row.mertekegyseg, row.nyilvAr.toDouble(),
                row.keszletErtek.toDouble(), row.valosKeszlet, row.elteres, row.elteresAr.toDouble()});
    }
    const QString money = QStringLiteral("###,###,##0.00");
    const QString sum = QStringLiteral("###,###,##0.00 Ft");
    const QString quantity = QStringLiteral("0.000");
    const QList<ListColumn> columns {
        {QStringLiteral("Fők sz"), QStringLiteral("FokSzam"), 11},
        {QStringLiteral("Azon."), QStringLiteral("NyilvSzam"), 11},
        {QStringLiteral("Anyag megnevezése"), QStringLiteral("Megnevezes"), 45},
        {QStringLiteral("Készlet"), QStringLiteral("KeszletMenny"), 18, Qt::AlignRight, quantity},
        {QStringLiteral("Mért.e."), QStringLiteral("Mertekegyseg"), 11},
        {QStringLiteral("Nyilvánt. ár"), QStringLiteral("NyilvAr"), 19, Qt::AlignRight, money},
        {QStringLiteral("Készlet érték"), QStringLiteral("KeszletErtek"), 22, Qt::AlignRight, money, {}, true, {}, sum,
            true, QStringLiteral("Készlet érték:")},
        {QStringLiteral("Valós készlet"), QStringLiteral("ValosKeszlet"), 18, Qt::AlignRight, quantity},
        {QStringLiteral("Eltérés"), QStringLiteral("Elteres"), 16, Qt::AlignRight, quantity},
        {QStringLiteral("Eltérés érték"), QStringLiteral("ElteresAr"), 22, Qt::AlignRight, money, {}, true, {}, sum,
            true, QStringLiteral("Eltérés:")},
    };
    ListReportOptions options;
    options.parameters = {::Dates::shortText(date)};
    options.firstParameterBold = true;
    ListReport::build(*this, QStringLiteral("Anyagleltár külömbözet"), columns, &m_data, options);
    report().setJobTitle(QString());
    // The rows with a difference, highlighted on the screen, print on silver.
    const int difference = m_data.columnIndex(QStringLiteral("Elteres"));
    report().detail().setBackground([difference](const ReportContext &row) {
        return row.value(difference).toDouble() != 0 ? QColor(192, 192, 192) : QColor();
    });
}
