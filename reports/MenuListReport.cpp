#include "reports/MenuListReport.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "reports/TextRows.h"

namespace {

const QStringList Captions {QStringLiteral("Dátum"), QStringLiteral("Étkezés"), QStringLiteral("Étel neve"),
    QStringLiteral("Mennyiség"), QStringLiteral("Me."), QStringLiteral("Energia [kJ]"), QStringLiteral("Kalória"),
    QStringLiteral("Fehérje"), QStringLiteral("Zsír"), QStringLiteral("Telített zsír"), QStringLiteral("Szénhidrát"),
    QStringLiteral("Cukor"), QStringLiteral("Só"), QStringLiteral("H. adott cukor"), QStringLiteral("H. adott só"),
    QStringLiteral("Allergén"), QStringLiteral("Tartalmazhat")};

QString value(double v)
{
    return NumberFormat::fixed(v, 2);
}

} // namespace

QString markText(const QStringList &marks)
{
    QStringList texts;
    for (const QString &mark : marks) {
        const bool quoted = mark.contains(QLatin1Char(' ')) || mark.contains(QLatin1Char(','))
            || mark.contains(QLatin1Char('"'));
        texts << (quoted ? QLatin1Char('"') + QString(mark).replace(QLatin1String("\""), QLatin1String("\"\""))
                        + QLatin1Char('"')
                         : mark);
    }
    return texts.join(QLatin1Char(','));
}

MenuListReport::MenuListReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal MenuListReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_dishes.clear();
    DailyMenuSource source;
    auto built = MenuDishRows::build(
        m_db, source, parameters.from, parameters.to, parameters.filters.value(Meals).toStringList());
    if (!built.ok())
        return built.refusal;
    m_dishes = built.value;
    MenuDishRows::sortByDate(m_dishes);
    for (const MenuDish &dish : std::as_const(m_dishes)) {
        const DishValues &v = dish.values;
        TextRows::append(m_model,
            {Dates::shortText(dish.date), dish.groupName, dish.name, NumberFormat::plain(dish.quantity), dish.unit,
                value(v.energia), value(v.kaloria), value(v.feherje), value(v.zsir), value(v.zsirTe),
                value(v.szenhidrat), value(v.cukor), value(v.so), value(v.hCukor), value(v.hSo),
                markText(dish.allergens), markText(dish.mayContain)},
            {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    }
    return {};
}

QString MenuListReport::totals() const
{
    return QStringLiteral("Sorok száma: %1").arg(m_dishes.size());
}
