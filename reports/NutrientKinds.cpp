#include "reports/NutrientKinds.h"

namespace NutrientKinds {

QString field(Nutrient nutrient)
{
    static const std::array<const char *, NutrientCount> names = {"Energia", "Feherje", "AllatiFeh", "Zsir", "ZsirTe",
        "Transz", "Szenhidrat", "Cukor", "Hamu", "Rost", "Koleszterin", "So", "Kalcium"};
    return QString::fromLatin1(names.at(size_t(nutrient)));
}

const QList<Row> &rows()
{
    static const QList<Row> list = {
        {QStringLiteral("Energia KJ:"), QStringLiteral("[KJ]"), QStringLiteral("Energia"), Nutrient::Energia},
        {QStringLiteral("Energia Kcal:"), QStringLiteral("[Kcal]"), QStringLiteral("Kaloria"), Nutrient::Energia,
            1 / JoulesPerCalorie},
        {QStringLiteral("Fehérje:"), QStringLiteral("[g]"), QStringLiteral("Feherje"), Nutrient::Feherje},
        {QStringLiteral("Áll. Fehérje:"), QStringLiteral("[g]"), QStringLiteral("AFeherje"), Nutrient::AllatiFeh},
        {QStringLiteral("Zsír:"), QStringLiteral("[g]"), QStringLiteral("Zsir"), Nutrient::Zsir},
        {QStringLiteral("Telített zsír:"), QStringLiteral("[g]"), QStringLiteral("ZsirTe"), Nutrient::ZsirTe},
        {QStringLiteral("Szénhidrát:"), QStringLiteral("[g]"), QStringLiteral("Chidrat"), Nutrient::Szenhidrat},
        {QStringLiteral("Cukor:"), QStringLiteral("[g]"), QStringLiteral("Cukor"), Nutrient::Cukor},
        {QStringLiteral("Só:"), QStringLiteral("[g]"), QStringLiteral("So"), Nutrient::So},
        {QStringLiteral("Hamu:"), QStringLiteral("[g]"), QStringLiteral("Hamu"), Nutrient::Hamu},
        {QStringLiteral("Rost:"), QStringLiteral("[g]"), QStringLiteral("Rost"), Nutrient::Rost},
        {QStringLiteral("Transz szírsav:"), QStringLiteral("[g]"), QStringLiteral("Transz"), Nutrient::Transz},
        {QStringLiteral("Koleszterin:"), QStringLiteral("[mg]"), QStringLiteral("Koleszterin"), Nutrient::Koleszterin,
            1000, 2},
        {QStringLiteral("Kálcium:"), QStringLiteral("[g]"), QStringLiteral("Kalcium"), Nutrient::Kalcium},
    };
    return list;
}

} // namespace NutrientKinds
