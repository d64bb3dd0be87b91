#pragma once

#include <QList>

// The fixed tables a demo kitchen is made from: raw materials and dishes of a school kitchen.

// The kind of a material decides its ledger account, nutrient group, VAT group and rounding.
enum class DemoKind {
    Meat, // hús, húskészítmény
    Fish,
    Egg,
    Dairy,
    Vegetable,
    Potato,
    Fruit,
    Bakery,
    Dry, // gabona, tészta, szárazáru
    Pulse, // hüvelyes
    Fat,
    Sweet, // cukor, édesség
    Spice, // fűszer, ízesítő, egyéb
    Frozen, // mélyhűtött zöldség
};

struct DemoMaterial
{
    const char *name;
    const char *unit; // a unit code of Mertegys
    DemoKind kind;
    double price; // net price per unit of measure
    double multiplier; // 100 g per unit of measure; 0: by the unit (10 for KG and LIT)
    // Per 100 g: energy (kJ), protein, fat, carbohydrate, sugar, fibre, salt (g).
    double kj, protein, fat, carbohydrate, sugar, fibre, salt;
};

// How a dish is served.
enum class DemoCourse {
    Soup,
    Main, // a meat dish, served with a side
    Stew, // főzelék, served with a topping
    Side,
    OneDish, // pasta and other dishes eaten alone
    Morning, // tízórai
    Afternoon, // uzsonna
    Dessert,
    Salad,
};

struct DemoDish
{
    const char *name;
    DemoCourse course;
    const char *variety; // ValtAzon of Etelfeleseg
    // "material name:quantity;..." for 100 portions in the material's unit; the course's base
    // lines (onion, oil, salt ...) are added unless the text starts with "!".
    const char *lines;
};

namespace DemoData {

const QList<DemoMaterial> &materials();
const QList<DemoDish> &dishes();
// The lines every dish of a course gets besides its own, in the same form.
const char *baseLines(DemoCourse course);

} // namespace DemoData
