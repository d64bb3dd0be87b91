#include "reports/ui/qrpLeltar.h"

#include "core/Dates.h"
#include "printing/ui/ListReport.h"
#include "stock/StockFormat.h"

TqrpLeltar::TqrpLeltar(const Settings &settings, Messenger &messenger, const QList<StockLine> &rows, const QDate &date,
    bool blankSheet, bool showAfa)
    : Printout(settings, messenger)
    , m_data({QStringLiteral("FokSzam"), QStringLiteral("NyilvSzam"), QStringLiteral("Megnevezes"),
          QStringLiteral("KeszletMenny"), QStringLiteral("Mertekegyseg"), QStringLiteral("NyilvAr"),
          QStringLiteral("KeszletErtek"), QStringLiteral("KeszletAFA"), QStringLiteral("KeszletBrutto")})
{
    for (const StockLine &line : rows) {
        // Each quantity with its material's decimals.
        m_data.addRow({line.fokSzam, line.nyilvSzam, line.megnevezes,
            StockFormat::quantity(line.keszletMenny, line.kerekites), line.mertekegyseg,
            line.nyilvAr.toDouble(), line.keszletErtek.toDouble(), line.keszletAfa.toDouble(),
            line.keszletBrutto.toDouble()});
    }
    const QString money = QStringLiteral("###,###,##0.00");
    const QString sum = QStringLiteral("###,###,##0.00 Ft");
    const bool values = !blankSheet;
    const double afaWidth = showAfa ? 22 : 0;
    QList<ListColumn> columns {
        {QStringLiteral("Fők sz"), QStringLiteral("FokSzam"), 12},
        {QStringLiteral("Azonosító"), QStringLiteral("NyilvSzam"), 16},
        {QStringLiteral("Anyag megnevezése"), QStringLiteral("Megnevezes"), 52},
        {QStringLiteral("Készlet"), QStringLiteral("KeszletMenny"), 20, Qt::AlignRight},
        {QStringLiteral("Mért.e."), QStringLiteral("Mertekegyseg"), 12},
        {QStringLiteral("Nyilvánt. ár"), QStringLiteral("NyilvAr"), 22, Qt::AlignRight, money},
        {QStringLiteral("Készlet érték"), QStringLiteral("KeszletErtek"), 26, Qt::AlignRight, money, {}, values, {},
            sum},
        {QStringLiteral("ÁFA"), QStringLiteral("KeszletAFA"), afaWidth, Qt::AlignRight, money, {}, values, {}, sum},
        {QStringLiteral("Bruttó"), QStringLiteral("KeszletBrutto"), afaWidth, Qt::AlignRight, money, {}, values, {},
            sum},
    };
    for (int i = 3; i < columns.size(); ++i) {
        if (i != 4)
            columns[i].printValue = values;
    }
    columns[6].sumCaption = QStringLiteral("Készlet érték:");
    columns[7].sumCaption = QStringLiteral("ÁFA:");
    columns[8].sumCaption = QStringLiteral("Bruttó:");
    ListReportOptions options;
    options.firstParameterBold = true;
    options.parameters = {blankSheet ? QStringLiteral("Üres ív") : Dates::shortText(date)};
    ListReport::build(*this, QStringLiteral("Anyagleltár"), columns, &m_data, options);
}
