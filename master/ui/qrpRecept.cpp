#include "master/ui/qrpRecept.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "master/RecipeValues.h"
#include "store/HungarianCollation.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Reads every row of a query into the report's rows, with the query's column names.
void load(TableReportData &data, QSqlQuery &query)
{
    QStringList columns;
    for (int i = 0; i < query.record().count(); ++i)
        columns << query.record().fieldName(i);
    data.setColumns(columns);
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < columns.size(); ++i)
            values << query.value(i);
        data.addRow(values);
    }
}

} // namespace

TqrpRecept::TqrpRecept(const Settings &settings, Messenger &messenger, QSqlDatabase db, const QString &code)
    : Printout(settings, messenger)
{
    QStringList nutrientColumns;
    for (const QString &field : RecipeValues::headerFields())
        nutrientColumns << QLatin1Char('"') + field + QLatin1Char('"');
    QSqlQuery header(db);
    header.prepare(QStringLiteral("SELECT \"Megnevezes\", \"LetrDat\", \"ModDat\", \"EndDat\", \"Leiras\", \"HCukor\", "
                                  "\"HSo\", ")
        + nutrientColumns.join(QStringLiteral(", ")) + QStringLiteral(" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
    header.addBindValue(code);
    const bool found = header.exec() && header.next();
    auto value = [&](const QString &name) { return found ? header.value(name) : QVariant(); };

    QSqlQuery lines(db);
    lines.prepare(QStringLiteral("SELECT a.\"Megnevezes\" AS \"Megnevezes\", r.\"Mennyiseg\" AS \"Mennyiseg\", "
                                 "a.\"Mertekegyseg\" AS \"Mertekegyseg\" FROM \"Recept\" r LEFT JOIN \"Anyag\" a "
                                 "ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                                 "WHERE r.\"EtelKod\" = ? ORDER BY ")
        + HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\"")) + QStringLiteral(", r.\"ReceptAzon\""));
    lines.addBindValue(code);
    if (lines.exec())
        load(m_lines, lines);
    report().setData(&m_lines);

    const double width = report().contentWidth();
    double y = addStandardHeader(QStringLiteral("Élelmiszer recept"));
    ReportBand &top = report().pageHeader();
    top.label(QRectF(0, y, width, 6), value(QStringLiteral("Megnevezes")).toString()).setBold().setFontSize(12);
    y += 7;
    top.label(QRectF(0, y, width, 5), QStringLiteral("Ételkód: ") + code);
    y += 5;
    const QList<QPair<QString, QString>> dates {{QStringLiteral("Létrehozás: "), QStringLiteral("LetrDat")},
        {QStringLiteral("Módosítás: "), QStringLiteral("ModDat")},
        {QStringLiteral("Megszűnés: "), QStringLiteral("EndDat")}};
    for (const auto &[caption, field] : dates) {
        const QDate date = value(field).toDate();
        if (!date.isValid())
            continue;
        top.label(QRectF(0, y, width, 5), caption + Dates::shortText(date));
        y += 5;
    }
    top.label(QRectF(0, y + 2, width, 5), QStringLiteral("Hozzávalók 100 főre:")).setBold();
    y += 8;
    top.label(QRectF(0, y, 100, 5), QStringLiteral("Megnevezés")).setBold();
    top.label(QRectF(100, y, 35, 5), QStringLiteral("Mennyiség")).setBold().setAlignment(Qt::AlignRight);
    top.label(QRectF(140, y, 40, 5), QStringLiteral("Mértékegység")).setBold();
    top.setHeight(y + 6);

    ReportBand &detail = report().detail();
    detail.setHeight(5);
    detail.field(QRectF(0, 0, 100, 5), QStringLiteral("Megnevezes"));
    detail.field(QRectF(100, 0, 35, 5), QStringLiteral("Mennyiseg"), QStringLiteral("0.000"))
        .setAlignment(Qt::AlignRight);
    detail.field(QRectF(140, 0, 40, 5), QStringLiteral("Mertekegyseg"));

    ReportBand &summary = report().summary();
    double s = 3;
    summary.label(QRectF(0, s, width, 5), QStringLiteral("Leírás:")).setBold();
    s += 5;
    summary.label(QRectF(0, s, width, 30), value(QStringLiteral("Leiras")).toString()).setWordWrap();
    s += 32;
    summary.label(QRectF(0, s, width, 5), QStringLiteral("Összes energia- és tápanyagtartalom 1 adagra [g]:"))
        .setBold();
    s += 6;
    // Each value of the recipe is for 100 portions.
    auto perPortion = [&](const QString &field) { return value(field).toDouble() / 100.0; };
    const QList<QPair<QString, QString>> nutrients {{QStringLiteral("Fehérje:"), QStringLiteral("Feherje")},
        {QStringLiteral("Állati fehérje:"), QStringLiteral("Allati")},
        {QStringLiteral("Szénhidrát:"), QStringLiteral("Szenhidrat")},
        {QStringLiteral("Zsír:"), QStringLiteral("Zsir")}, {QStringLiteral("Cukor:"), QStringLiteral("Cukor")},
        {QStringLiteral("Hamu:"), QStringLiteral("Hamu")},
        {QStringLiteral("Koleszterin:"), QStringLiteral("Koleszterin")},
        {QStringLiteral("Rost:"), QStringLiteral("Rost")}, {QStringLiteral("Só:"), QStringLiteral("So")},
        {QStringLiteral("Hozzáadott só:"), QStringLiteral("HSo")},
        {QStringLiteral("H. adott cukor:"), QStringLiteral("HCukor")},
        {QStringLiteral("Telített zsírsav:"), QStringLiteral("ZsirTe")},
        {QStringLiteral("Transz zsírsav:"), QStringLiteral("Transz")},
        {QStringLiteral("Kálcium:"), QStringLiteral("Kalcium")}};
    summary.label(QRectF(0, s, 45, 5), QStringLiteral("Energia:"));
    summary
        .label(QRectF(45, s, 40, 5),
            NumberFormat::format(perPortion(QStringLiteral("Energia")), QStringLiteral("0.000 KJ")))
        .setAlignment(Qt::AlignRight);
    s += 5;
    for (const auto &[caption, field] : nutrients) {
        summary.label(QRectF(0, s, 45, 5), caption);
        summary.label(QRectF(45, s, 40, 5), NumberFormat::format(perPortion(field), QStringLiteral("0.000 g")))
            .setAlignment(Qt::AlignRight);
        s += 5;
    }
    summary.setHeight(s + 2);
    addSignatureFooter();
}

TqrpReceptLista::TqrpReceptLista(const Settings &settings, Messenger &messenger, QSqlDatabase db)
    : Printout(settings, messenger)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral(
            "SELECT f.\"EtelKod\" AS \"EtelKod\", f.\"Megnevezes\" AS \"Nev\", f.\"Enorma\" AS \"Enorma\", "
            "f.\"Netto\" AS \"Netto\", f.\"Afa\" AS \"Afa\", a.\"Megnevezes\" AS \"Anyag\", r.\"Mennyiseg\" AS "
            "\"Mennyiseg\", "
            "a.\"Mertekegyseg\" AS \"Mertekegyseg\" FROM \"ReceptFej\" f JOIN \"Recept\" r ON r.\"EtelKod\" = "
            "f.\"EtelKod\" "
            "JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
            "ORDER BY f.\"Enorma\", ")
            + HungarianCollation::orderTerm(QStringLiteral("f.\"Megnevezes\"")) + QStringLiteral(", f.\"EtelKod\", ")
            + HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\"")) + QStringLiteral(", r.\"ReceptAzon\"")))
        load(m_rows, query);
    report().setData(&m_rows);

    const double y = addStandardHeader(QStringLiteral("Receptek"));
    report().pageHeader().setHeight(y + 2);
    ReportGroup &group = report().addGroup(QStringLiteral("EtelKod"));
    ReportBand &head = group.header();
    head.setHeight(11);
    const QStringList captions {QStringLiteral("Receptkód"), QStringLiteral("Megnevezés"), QStringLiteral("Norma"),
        QStringLiteral("Nettó ár"), QStringLiteral("ÁFA")};
    const double lefts[] = {0, 22, 110, 130, 160};
    const double widths[] = {20, 86, 18, 28, 28};
    for (int i = 0; i < captions.size(); ++i)
        head.label(QRectF(lefts[i], 0, widths[i], 5), captions.at(i)).setBold();
    head.field(QRectF(0, 5, 20, 5), QStringLiteral("EtelKod"));
    head.field(QRectF(22, 5, 86, 5), QStringLiteral("Nev"));
    head.field(QRectF(110, 5, 18, 5), QStringLiteral("Enorma"));
    head.field(QRectF(130, 5, 28, 5), QStringLiteral("Netto"), QStringLiteral("###,###,##0.00"))
        .setAlignment(Qt::AlignRight);
    head.field(QRectF(160, 5, 28, 5), QStringLiteral("Afa"), QStringLiteral("###,###,##0.00"))
        .setAlignment(Qt::AlignRight);

    ReportBand &detail = report().detail();
    detail.setHeight(5);
    detail.field(QRectF(30, 0, 90, 5), QStringLiteral("Anyag"));
    detail.field(QRectF(120, 0, 30, 5), QStringLiteral("Mennyiseg"), QStringLiteral("0.000"))
        .setAlignment(Qt::AlignRight);
    detail.field(QRectF(155, 0, 30, 5), QStringLiteral("Mertekegyseg"));

    ReportBand &summary = report().summary();
    summary.setHeight(16);
    summary.label(QRectF(0, 2, 40, 5), QStringLiteral("Összesítés:")).setBold();
    summary.label(QRectF(0, 7, 40, 5), QStringLiteral("Sorok száma:"));
    summary.count(QRectF(40, 7, 30, 5));
    summary.label(QRectF(80, 7, 100, 5), QStringLiteral("Az értékek 100 adagra értendőek!"));
    addSignatureFooter();
}
