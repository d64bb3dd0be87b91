#include "reports/ui/qrpAnyagKarton.h"

#include "core/NumberFormat.h"
#include "printing/TextMeasure.h"
#include "printing/ui/ListReport.h"

TqrpAnyagKarton::TqrpAnyagKarton(const Settings &settings, Messenger &messenger, const MaterialCard &card,
    const QString &nyilvSzam, const QDate &from, const QDate &to)
    : Printout(settings, messenger)
    , m_data({QStringLiteral("BizSzam"), QStringLiteral("Datum"), QStringLiteral("FokSzla"), QStringLiteral("Mozgnem"),
          QStringLiteral("BK"), QStringLiteral("KiAr"), QStringLiteral("BeAr"), QStringLiteral("TetelErtek"),
          QStringLiteral("TetelMenny"), QStringLiteral("KeszletMenny"), QStringLiteral("Nev")})
{
    for (const MaterialCard::Row &row : card.rows()) {
        m_data.addRow(
            {row.bizSzam, row.datum.toString(Qt::ISODate), row.fokSzla, row.mozgnemNev, row.bk, row.kiAr.toDouble(),
                row.beAr.toDouble(), row.tetelErtek.toDouble(), row.tetelMenny, row.keszletMenny, row.partnerNev});
    }
    const MaterialCard::Material &material = card.material();
    const QString unit = QStringLiteral(" [") + material.mertekegyseg + QStringLiteral("]");
    const QString money = QStringLiteral("###,###,##0.00");
    const QList<ListColumn> columns {
        {QStringLiteral("Biz. szám"), QStringLiteral("BizSzam"), 18},
        {QStringLiteral("Dátum"), QStringLiteral("Datum"), 20, Qt::AlignLeft, {}, QStringLiteral("yyyy.MM.dd")},
        {QStringLiteral("Fksz."), QStringLiteral("FokSzla"), 10},
        {QStringLiteral("Mozgásnem"), QStringLiteral("Mozgnem"), 26},
        {QStringLiteral("Irány"), QStringLiteral("BK"), 10},
        {QStringLiteral("Nyilvántatási ár"), QStringLiteral("KiAr"), 20, Qt::AlignRight, money},
        {QStringLiteral("Be/ki ár"), QStringLiteral("BeAr"), 18, Qt::AlignRight, money},
        {QStringLiteral("Tétel érték"), QStringLiteral("TetelErtek"), 20, Qt::AlignRight, money},
        {QStringLiteral("Tétel menny.") + unit, QStringLiteral("TetelMenny"), 20, Qt::AlignRight,
            QStringLiteral("0.###")},
        {QStringLiteral("Raktárkészlet") + unit, QStringLiteral("KeszletMenny"), 22, Qt::AlignRight,
            QStringLiteral("0.###")},
        {QStringLiteral("Cégnév"), QStringLiteral("Nev"), 30},
    };
    ListReportOptions options;
    options.warehouseName = false;
    options.parameters = {material.megnevezes, QStringLiteral("Azonosító: ") + nyilvSzam,
        QStringLiteral("Érték: ") + NumberFormat::format(material.keszletErtek, QStringLiteral("0.00 "))
            + QStringLiteral("Ft") + QStringLiteral("   Készlet: ")
            + NumberFormat::format(material.keszletMennyiseg, QStringLiteral("0.###")) + QStringLiteral(" ")
            + material.mertekegyseg,
        QStringLiteral("Dátumtartomány: ") + from.toString(QStringLiteral("yyyy.MM.dd")) + QStringLiteral(" - ")
            + to.toString(QStringLiteral("yyyy.MM.dd"))};
    options.firstParameterBold = true;
    options.rowCount = false;
    ListReport::build(*this, QStringLiteral("Anyagkarton"), columns, &m_data, options);
    addStatusLines(card.statusLines());
}

void TqrpAnyagKarton::addStatusLines(const QStringList &lines)
{
    // Each line holds four "caption: amount" texts; they share the page width in four cells, the
    // amount right-aligned after its caption.
    ReportBand &summary = report().summary();
    const double cell = report().contentWidth() / 4;
    constexpr double LineHeight = 5.5;
    constexpr double Top = 8;
    TextMeasure measure;
    ReportFont font = report().baseFont();
    font.pointSize = SummaryPointSize;
    for (int line = 0; line < lines.size(); ++line) {
        const QStringList texts = lines[line].split(QStringLiteral("   "), Qt::SkipEmptyParts);
        for (int i = 0; i < texts.size() && i < 4; ++i) {
            const qsizetype colon = texts[i].indexOf(QStringLiteral(": "));
            const QString caption = texts[i].left(colon + 1);
            const QString amount = texts[i].mid(colon + 2);
            const double y = Top + line * LineHeight;
            const double captionWidth = measure.width(font, caption) + 1;
            summary.label(QRectF(i * cell, y, captionWidth, 5), caption).setFontSize(SummaryPointSize);
            summary.label(QRectF(i * cell + captionWidth, y, cell - captionWidth - 1, 5), amount)
                .setFontSize(SummaryPointSize)
                .setAlignment(Qt::AlignRight | Qt::AlignTop);
        }
    }
    summary.setHeight(std::max(summary.height(), Top + lines.size() * LineHeight + 2));
}
