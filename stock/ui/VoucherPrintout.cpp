#include "stock/ui/VoucherPrintout.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/Refusal.h"
#include "printing/ReportContext.h"
#include "stock/ui/qrpBevbiz.h"
#include "stock/ui/qrpKibiz.h"
#include "store/WriteFailure.h"

#include <memory>

namespace {

const QString MoneyMask = QStringLiteral("###,###,##0.00");
const QString QuantityMask = QStringLiteral("###,###,##0.###");
const QString PercentMask = QStringLiteral("##0.# %");

QString amount(const Money &value)
{
    return NumberFormat::format(value, MoneyMask + QStringLiteral(" Ft"));
}

// Horizontal places of the columns, in millimetres from the left margin.
struct Column
{
    double left;
    double width;
};
constexpr Column FokSzla {0, 8};
constexpr Column NyilvSzam {8, 10};
constexpr Column Anyag {19, 41};
constexpr Column KiAr {60, 19};
constexpr Column Netto {79, 21};
constexpr Column Afa {100, 18};
constexpr Column Szazalek {118, 11};
constexpr Column Brutto {129, 21};
constexpr Column TetelMenny {150, 14};
constexpr Column KeszletMenny {166, 16};
constexpr Column Mertekegyseg {183, 7};

constexpr double SmallFont = 8;
constexpr double LineHeight = 4.5;

QRectF place(const Column &column, double top = 0, double height = LineHeight)
{
    return QRectF(column.left, top, column.width, height);
}

QRectF span(const Column &from, const Column &to, double top = 0)
{
    return QRectF(from.left, top, to.left + to.width - from.left, LineHeight);
}

} // namespace

VoucherPrintout::VoucherPrintout(const Settings &settings, Messenger &messenger, Kind kind, VoucherPrintRows rows,
    const QDate &from, const QDate &to)
    : Printout(settings, messenger)
    , m_rows(std::move(rows))
{
    fillData();
    report().setData(&m_data);
    layOut(kind, dateRange(from, to));
}

QString VoucherPrintout::dateRange(const QDate &from, const QDate &to)
{
    QString text = QStringLiteral("Dátumtartomány: ") + Dates::shortText(from);
    if (to.isValid() && to != from)
        text += QLatin1Char('-') + Dates::shortText(to);
    return text;
}

QString VoucherPrintout::receivedLine()
{
    return QStringLiteral("Az anyagokat bevételezte: .......................................................");
}

bool VoucherPrintout::printVoucher(const Settings &settings, Messenger &messenger, QSqlDatabase warehouse,
    const QString &direction, const QString &bizSzam, const QDate &datum, QWidget *parent, FilePrompt *prompt,
    const Previewer &previewer)
{
    VoucherPrintRows rows = VoucherPrintRows::ofVoucher(warehouse, direction, bizSzam, datum);
    if (!rows.error().isEmpty()) {
        WriteFailure::readFailed(rows.error()).show(messenger);
        return false;
    }
    std::unique_ptr<VoucherPrintout> printout;
    if (direction == QLatin1String("BE"))
        printout = std::make_unique<TqrpBevbiz>(settings, messenger, std::move(rows), datum);
    else
        printout = std::make_unique<TqrpKibiz>(settings, messenger, std::move(rows), datum);
    if (previewer)
        printout->setPreviewer(previewer);
    return printout->preview(parent, prompt);
}

void VoucherPrintout::fillData()
{
    // Amounts go to the page as the exact text of the stored value; "Csoport" is the voucher's
    // place in the printout, which the group bands read their totals by.
    m_data.setColumns({QStringLiteral("Csoport"), QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"),
        QStringLiteral("Anyag"), QStringLiteral("KiAr"), QStringLiteral("TetelErtek"), QStringLiteral("AfaErtek"),
        QStringLiteral("AFA"), QStringLiteral("Brutto"), QStringLiteral("TetelMenny"), QStringLiteral("KeszletMenny"),
        QStringLiteral("Mertekegyseg")});
    const QList<VoucherPrintRows::Voucher> &vouchers = m_rows.vouchers();
    for (int i = 0; i < vouchers.size(); ++i) {
        for (const VoucherPrintRows::Row &row : vouchers.at(i).rows) {
            m_data.addRow({i, row.fokSzla, row.nyilvSzam, row.anyagNev, NumberFormat::format(row.kiAr, MoneyMask),
                NumberFormat::format(row.tetelErtek, MoneyMask), NumberFormat::format(row.afaErtek, MoneyMask),
                NumberFormat::format(row.afaSzazalek, PercentMask), NumberFormat::format(row.brutto, MoneyMask),
                NumberFormat::format(row.tetelMenny, QuantityMask), NumberFormat::format(row.keszletMenny, QuantityMask),
                row.mertekegyseg});
        }
    }
}

const VoucherPrintRows::Voucher &VoucherPrintout::voucherOf(const ReportContext &context) const
{
    return m_rows.vouchers().at(context.value(QStringLiteral("Csoport")).toInt());
}

void VoucherPrintout::layOut(Kind kind, const QString &period)
{
    const double width = report().contentWidth();
    const bool receipt = kind == Kind::Receipt;

    const double y = addStandardHeader(receipt ? QStringLiteral("Bevételi bizonylat") : QStringLiteral("Kiadási bizonylat"));
    ReportBand &header = report().pageHeader();
    header.label(QRectF(32, y, width - 32, 5), period);
    header.setHeight(y + 6);

    ReportBand &captions = report().columnHeader();
    captions.setHeight(LineHeight + 1.5);
    auto caption = [&](const QRectF &rect, const QString &text, bool right) {
        captions.label(rect, text).setBold().setFontSize(SmallFont).setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
    };
    caption(span(FokSzla, NyilvSzam), QStringLiteral("Fksz. Nysz."), false);
    caption(place(Anyag), QStringLiteral("Anyag neve"), false);
    caption(place(KiAr), QStringLiteral("Nyilv. ár"), true);
    caption(place(Netto), QStringLiteral("Nettó ár"), true);
    caption(span(Afa, Szazalek), receipt ? QStringLiteral("ÁFA érték    %") : QStringLiteral("ÁFA érték   %"), true);
    caption(place(Brutto), QStringLiteral("Bruttó ár"), true);
    caption(place(TetelMenny), QStringLiteral("Tétel me."), true);
    caption(place(KeszletMenny), QStringLiteral("Készlet me."), true);
    caption(place(Mertekegyseg), QStringLiteral("Mért."), false);
    captions.line(QPointF(0, LineHeight + 0.5), QPointF(width, LineHeight + 0.5));

    ReportGroup &group = report().addGroup(QStringLiteral("Csoport"));
    ReportBand &head = group.header();
    head.setHeight(7);
    auto headText = [&](double left, double w, ReportElement::TextFunction text) -> ReportElement & {
        return head.expression(QRectF(left, 1.5, w, 5), std::move(text)).setBold().setFontSize(9);
    };
    auto headLabel = [&](double left, double w, const QString &text) -> ReportElement & {
        return head.label(QRectF(left, 1.5, w, 5), text).setFontSize(9);
    };
    headText(0, 8, [](const ReportContext &c) { return QString::number(c.groupNumber()) + QLatin1Char('.'); });
    headLabel(8, 17, QStringLiteral("Biz. szám:"));
    headText(25, 18, [this](const ReportContext &c) { return voucherOf(c).first().bizSzam; });
    headLabel(44, 12, QStringLiteral("Dátum:"));
    headText(56, 21, [this](const ReportContext &c) { return Dates::shortText(voucherOf(c).first().datum); });
    headLabel(78, 20, QStringLiteral("Mozgásnem:"));
    headText(98, 42, [this](const ReportContext &c) {
        const VoucherPrintRows::Row &first = voucherOf(c).first();
        return first.mozgnem + QLatin1Char(' ') + first.mozgnemNev;
    });
    // A long partner or material name wraps within its box instead of running over the numbers.
    headText(141, 30, [this](const ReportContext &c) { return voucherOf(c).first().partnerNev; }).setWordWrap();
    headText(171, width - 171, [this](const ReportContext &c) { return voucherOf(c).first().sorszam; })
        .setAlignment(Qt::AlignRight);

    ReportBand &detail = report().detail();
    detail.setHeight(LineHeight);
    auto cell = [&](const Column &column, const char *field, bool right) -> ReportElement & {
        return detail.field(place(column), QString::fromLatin1(field))
            .setFontSize(SmallFont)
            .setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
    };
    cell(FokSzla, "FokSzla", false);
    cell(NyilvSzam, "NyilvSzam", false);
    cell(Anyag, "Anyag", false).setWordWrap();
    cell(KiAr, "KiAr", true);
    cell(Netto, "TetelErtek", true);
    cell(Afa, "AfaErtek", true);
    cell(Szazalek, "AFA", true);
    cell(Brutto, "Brutto", true);
    cell(TetelMenny, "TetelMenny", true);
    cell(KeszletMenny, "KeszletMenny", true);
    cell(Mertekegyseg, "Mertekegyseg", false);

    ReportBand &foot = group.footer();
    foot.setHeight(8);
    foot.line(QPointF(0, 0.5), QPointF(width, 0.5));
    auto footText = [&](double left, double w, ReportElement::TextFunction text) -> ReportElement & {
        return foot.expression(QRectF(left, 1.5, w, 5), std::move(text)).setFontSize(SmallFont);
    };
    foot.label(QRectF(0, 1.5, 22, 5), QStringLiteral("Összesítés:")).setBold().setFontSize(SmallFont);
    footText(22, 48, [this](const ReportContext &c) { return QStringLiteral("Nettó: ") + amount(voucherOf(c).totals.netto); });
    footText(70, 45, [this](const ReportContext &c) { return QStringLiteral("ÁFA: ") + amount(voucherOf(c).totals.afa); });
    footText(115, 50, [this](const ReportContext &c) {
        return QStringLiteral("Bruttó: ") + amount(voucherOf(c).totals.brutto);
    });
    footText(165, width - 165, [this](const ReportContext &c) {
        return QStringLiteral("Tételek száma: ") + QString::number(voucherOf(c).totals.count);
    }).setAlignment(Qt::AlignRight);

    ReportBand &summary = report().summary();
    const VoucherPrintRows::Totals &totals = m_rows.totals();
    summary.line(QPointF(0, 1), QPointF(width, 1), 0.4);
    summary.label(QRectF(0, 2.5, 25, 5), QStringLiteral("Összesen:")).setBold();
    summary.label(QRectF(25, 2.5, 55, 5), QStringLiteral("Nettó összes: ") + amount(totals.netto));
    summary.label(QRectF(80, 2.5, 55, 5), QStringLiteral("ÁFA összes: ") + amount(totals.afa));
    summary.label(QRectF(135, 2.5, width - 135, 5), QStringLiteral("Bruttó összes: ") + amount(totals.brutto));
    summary.label(QRectF(25, 8, 30, 5), QStringLiteral("Tételek száma:"));
    summary.label(QRectF(55, 8, 25, 5), QString::number(totals.count));
    if (receipt) {
        summary.label(QRectF(0, 18, width, 5), receivedLine());
        summary.setHeight(24);
    } else {
        summary.setHeight(14);
        addSignatureFooter();
    }
}
