#include "reports/ui/qrpTapReszl.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "printing/ReportContext.h"
#include "printing/ui/ListReport.h"

namespace {

struct NutrientColumn
{
    const char *caption;
    Nutrient nutrient;
};

// The printed nutrient columns in their order.
const QList<NutrientColumn> PrintedNutrients {{"Fehérje [g]", Nutrient::Feherje},
    {"Állati feh. [g]", Nutrient::AllatiFeh}, {"Zsír [g]", Nutrient::Zsir}, {"Szénhidrát [g]", Nutrient::Szenhidrat},
    {"Cukor [g]", Nutrient::Cukor}, {"Hamu [g]", Nutrient::Hamu}, {"Rost [g]", Nutrient::Rost},
    {"Koleszt. [g]", Nutrient::Koleszterin}, {"Tel. zsír [g]", Nutrient::ZsirTe}, {"Trn. zsír [g]", Nutrient::Transz},
    {"Kálcium [g]", Nutrient::Kalcium}, {"Só [g]", Nutrient::So}};

QStringList columnNames()
{
    QStringList names {QStringLiteral("FokSzam"), QStringLiteral("NyilvSzam"), QStringLiteral("Megnevezes"),
        QStringLiteral("Csoport"), QStringLiteral("Mennyiseg"), QStringLiteral("Mertegys"), QStringLiteral("Netto"),
        QStringLiteral("Energia"), QStringLiteral("Kaloria")};
    for (const NutrientColumn &column : PrintedNutrients)
        names << NutrientKinds::field(column.nutrient);
    return names;
}

} // namespace

TqrpTapReszl::TqrpTapReszl(const Settings &settings, Messenger &messenger, const QList<NutrientDetailRow> &rows,
    const NutrientPeriod &period, const NutrientDivisor &divisor, bool sheet)
    : Printout(settings, messenger)
    , m_data(columnNames())
{
    for (const NutrientDetailRow &row : rows) {
        if (row.kind == NutrientDetailRow::Kind::Closing)
            continue;
        QVariantList values {row.account, row.number, row.name, row.group,
            row.kind == NutrientDetailRow::Kind::Material ? QVariant(row.quantity) : QVariant(), row.unit,
            row.value.toDouble(), row.amount(Nutrient::Energia), row.calories};
        for (const NutrientColumn &column : PrintedNutrients)
            values << row.amount(column.nutrient);
        m_data.addRow(values);
    }
    const QString mask = QStringLiteral("###,###,##0.0");
    QList<ListColumn> columns {
        {QStringLiteral("Fők.sz."), QStringLiteral("FokSzam"), 10},
        {QStringLiteral("Azon."), QStringLiteral("NyilvSzam"), 10},
        {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 50},
        {QStringLiteral("Csop."), QStringLiteral("Csoport"), 8},
        {QStringLiteral("Mennyiség"), QStringLiteral("Mennyiseg"), 18, Qt::AlignRight, mask},
        {QStringLiteral("ME."), QStringLiteral("Mertegys"), 8},
        {QStringLiteral("Ár [Ft]"), QStringLiteral("Netto"), 20, Qt::AlignRight, QStringLiteral("###,###,##0.00")},
        {QStringLiteral("Energia [KJ]"), QStringLiteral("Energia"), 18, Qt::AlignRight, mask},
        {QStringLiteral("Kalória[Kcal]"), QStringLiteral("Kaloria"), 18, Qt::AlignRight, mask},
    };
    for (const NutrientColumn &column : PrintedNutrients)
        columns << ListColumn {QString::fromUtf8(column.caption), NutrientKinds::field(column.nutrient), 15,
            Qt::AlignRight, mask};
    QString meals = QStringLiteral("Étkezés:");
    for (const QString &code : period.meals)
        meals += QLatin1Char(' ') + code;
    ListReportOptions options;
    options.landscape = true;
    options.rowCount = false;
    options.parameters = {QStringLiteral("Paraméterek:"),
        QStringLiteral("Dátum: %1 - %2").arg(Dates::shortText(period.from), Dates::shortText(period.to)),
        QStringLiteral("Napok: ") + NumberFormat::format(double(sheet ? 1 : divisor.days), QStringLiteral("###,###,##0")),
        meals,
        QStringLiteral("Mozgásnem: ")
            + (sheet ? QString() : period.movementFrom + QStringLiteral(" - ") + period.movementTo),
        QStringLiteral("Átlag adag: ") + NumberFormat::format(double(divisor.headcount), QStringLiteral("###,###,##0"))};
    ListReport::build(*this, QStringLiteral("Tápanyagszámítás részletes"), columns, &m_data, options);
    // The total and the per-person-per-day lines in bold.
    report().detail().setFontFunction([](ReportFont &font, const ReportContext &row) {
        if (row.value(QStringLiteral("FokSzam")).toString() == QLatin1String("-"))
            font.bold = true;
    });
}
