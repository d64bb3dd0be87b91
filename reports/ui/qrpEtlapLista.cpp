#include "reports/ui/qrpEtlapLista.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "printing/ReportContext.h"
#include "printing/ReportGroup.h"
#include "reports/MenuAllergenPictures.h"
#include "session/Settings.h"

namespace {

const QString Header = QStringLiteral("37/2014 (IV.30) EMMI rendelet alapján a tápanyagértékek 1 adagra értendőek!");
const QString Grams = QStringLiteral("0.##g");
constexpr double ValuePoints = 7;

QStringList columns()
{
    QStringList names {QStringLiteral("Datum"), QStringLiteral("EtkTip"), QStringLiteral("Megnevezes"),
        QStringLiteral("Kaloria"), QStringLiteral("Cukor"), QStringLiteral("So"), QStringLiteral("Szenhidrat"),
        QStringLiteral("Feherje"), QStringLiteral("Zsir"), QStringLiteral("ZsirTe")};
    for (int i = 1; i <= MenuAllergenPictures::Places; ++i)
        names << QStringLiteral("Kep%1").arg(i);
    return names;
}

} // namespace

TqrpEtlapLista::TqrpEtlapLista(const Settings &settings, Messenger &messenger, const QList<MenuDish> &dishes,
    bool dietary, const QString &picturesFolder)
    : Printout(settings, messenger)
    , m_data(columns())
{
    for (const MenuDish &dish : dishes) {
        const DishValues &v = dish.values;
        QVariantList row {Dates::isoText(dish.date), dish.groupName, dish.name, v.kaloria, v.cukor, v.so,
            v.szenhidrat, v.feherje, v.zsir, v.zsirTe};
        for (const QString &picture : MenuAllergenPictures::places(dish.allergens))
            row << picture;
        m_data.addRow(row);
    }
    report().setData(&m_data);
    report().setJobTitle(QString());

    double y = addStandardHeader(dietary ? QStringLiteral("Étlap - DIÉTÁS") : QStringLiteral("Étlap"));
    ReportBand &header = report().pageHeader();
    header.label(QRectF(0, y, report().contentWidth(), 5), Header);
    y += 6;
    // Name, six values in a smaller font (seven-digit values stay whole), then the eight pictures.
    const QList<double> widths {38, 19, 15, 15, 17, 15, 28};
    const QStringList captions {QStringLiteral("Étel neve"), QStringLiteral("Energia"), QStringLiteral("Cukor"),
        QStringLiteral("Só"), QStringLiteral("Szénhidrát"), QStringLiteral("Fehérje"), QStringLiteral("Zsír/telitett")};
    double x = 0;
    for (int i = 0; i < captions.size(); ++i) {
        header.label(QRectF(x, y, widths.at(i), 5), captions.at(i)).setBold().setFontSize(ValuePoints + 1);
        x += widths.at(i);
    }
    const double pictures = x;
    header.label(QRectF(pictures, y, 60, 5), QStringLiteral("Allergének")).setBold();
    header.setHeight(y + 7);

    ReportGroup &day = report().addGroup(QStringLiteral("Datum"));
    day.header().setHeight(6);
    day.header().field(QRectF(0, 0, 30, 5), QStringLiteral("Datum")).setDateFormat(QStringLiteral("yyyy.MM.dd")).setBold();
    day.header().field(QRectF(32, 0, 80, 5), QStringLiteral("EtkTip")).setBold();

    constexpr double Line = 8;
    ReportBand &detail = report().detail();
    detail.setHeight(Line);
    const QStringList fields {QStringLiteral("Kaloria"), QStringLiteral("Cukor"), QStringLiteral("So"),
        QStringLiteral("Szenhidrat"), QStringLiteral("Feherje")};
    detail.field(QRectF(0, 0, widths.at(0) - 1, Line), QStringLiteral("Megnevezes")).setBold().setWordWrap();
    x = widths.at(0);
    for (int i = 0; i < fields.size(); ++i) {
        detail.field(QRectF(x, 0, widths.at(i + 1) - 1, 5), fields.at(i), i == 0 ? QStringLiteral("0.##Kcal") : Grams)
            .setFontSize(ValuePoints);
        x += widths.at(i + 1);
    }
    detail
        .expression(QRectF(x, 0, widths.last() - 1, 5),
            [](const ReportContext &row) {
                return NumberFormat::format(row.value(QStringLiteral("Zsir")).toDouble(), Grams) + QLatin1Char('/')
                    + NumberFormat::format(row.value(QStringLiteral("ZsirTe")).toDouble(), Grams);
            })
        .setFontSize(ValuePoints);
    for (int i = 0; i < MenuAllergenPictures::Places; ++i) {
        detail.pictureField(QRectF(pictures + i * 6, 0.5, 5.7, 5.7), QStringLiteral("Kep%1").arg(i + 1), picturesFolder)
            .setRequired();
    }

    ReportBand &footer = day.footer();
    footer.setHeight(7);
    footer.label(QRectF(0, 1, widths.at(0), 5), QStringLiteral("Étkezés összesen:")).setBold();
    x = widths.at(0);
    for (int i = 0; i < fields.size(); ++i) {
        footer.sum(QRectF(x, 1, widths.at(i + 1) - 1, 5), fields.at(i), i == 0 ? QStringLiteral("0.##Kcal") : Grams)
            .setBold()
            .setFontSize(ValuePoints);
        x += widths.at(i + 1);
    }
    const double half = widths.last() / 2;
    footer.sum(QRectF(x, 1, half - 1, 5), QStringLiteral("Zsir"), Grams)
        .setBold()
        .setFontSize(ValuePoints)
        .setAlignment(Qt::AlignRight);
    footer.label(QRectF(x + half - 1, 1, 2, 5), QStringLiteral("/")).setBold().setFontSize(ValuePoints);
    footer.sum(QRectF(x + half + 1, 1, half - 1, 5), QStringLiteral("ZsirTe"), Grams).setBold().setFontSize(ValuePoints);

    ReportBand &summary = report().summary();
    summary.label(QRectF(0, 2, 40, 5), QStringLiteral("Összesítés:")).setBold();
    summary.label(QRectF(0, 7, 30, 5), QStringLiteral("Sorok száma:"));
    summary.count(QRectF(30, 7, 30, 5));
    summary.label(QRectF(0, 13, report().contentWidth(), 5), settings.footerWeekly()).setWordWrap();
    summary.setHeight(20);
}
