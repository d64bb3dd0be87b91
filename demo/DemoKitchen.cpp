#include "demo/DemoKitchen.h"

#include "core/Rounding.h"
#include "core/ScriptedMessenger.h"
#include "demo/DemoData.h"
#include "master/CodeTableStore.h"
#include "master/Materials.h"
#include "master/Partners.h"
#include "master/RecipeHeader.h"
#include "master/RecipeLines.h"
#include "master/RecipeRecompute.h"
#include "menu/Headcount.h"
#include "menu/MenuGuards.h"
#include "menu/MenuRows.h"
#include "menu/RationBuilder.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "stock/ItemPrices.h"
#include "stock/StockAtDate.h"
#include "stock/StockLedger.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "stock/YearOpening.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace {

struct KindFacts
{
    const char *account;
    const char *group; // nutrient group (Anyagcsoport)
    const char *vatGroup;
    const char *lossCode;
    int supplier; // index into Suppliers
    bool perishable;
    int shelfDays;
};

const char *const Accounts[][2] = {
    {"211", "Hús, hal, tojás"},
    {"212", "Tej és tejtermékek"},
    {"213", "Zöldség, gyümölcs, burgonya"},
    {"214", "Szárazáru, fűszerek, zsiradékok"},
    {"215", "Pékáru"},
    {"216", "Mélyhűtött áru"},
};

struct Supplier
{
    const char *name;
    const char *postalCode;
    const char *settlement;
    const char *street;
    const char *phone;
};

const Supplier Suppliers[] = {
    {"Dél-alföldi Húsáru Kft.", "6728", "Szeged", "Kenyérgyári út 7.", "62/555-101"},
    {"Tiszamenti Tejüzem Kft.", "6800", "Hódmezővásárhely", "Tejüzem utca 3.", "62/555-102"},
    {"Kiskert Zöldség-Gyümölcs Bt.", "6771", "Szeged", "Kertész utca 21.", "62/555-103"},
    {"Aranykalász Pékség Kft.", "6724", "Szeged", "Pék utca 2.", "62/555-104"},
    {"Szárazáru Nagykereskedés Kft.", "6000", "Kecskemét", "Raktár utca 15.", "76/555-105"},
    {"Hűtőlánc Mélyhűtött Áru Kft.", "6500", "Baja", "Ipari park 4.", "79/555-106"},
    {"Tanyasi Tojás Bt.", "6750", "Algyő", "Tanya 112.", "62/555-107"},
};

KindFacts facts(DemoKind kind)
{
    switch (kind) {
    case DemoKind::Meat:
        return {"211", "07", "03", "04", 0, true, 5};
    case DemoKind::Fish:
        return {"211", "08", "01", "04", 5, true, 90};
    case DemoKind::Egg:
        return {"211", "09", "03", "00", 6, true, 21};
    case DemoKind::Dairy:
        return {"212", "06", "03", "00", 1, true, 10};
    case DemoKind::Vegetable:
        return {"213", "03", "01", "02", 2, true, 10};
    case DemoKind::Potato:
        return {"213", "02", "01", "01", 2, false, 60};
    case DemoKind::Fruit:
        return {"213", "05", "01", "03", 2, true, 14};
    case DemoKind::Bakery:
        return {"215", "01", "03", "00", 3, true, 2};
    case DemoKind::Dry:
        return {"214", "01", "01", "00", 4, false, 365};
    case DemoKind::Pulse:
        return {"214", "04", "01", "00", 4, false, 365};
    case DemoKind::Fat:
        return {"214", "10", "01", "00", 4, false, 270};
    case DemoKind::Sweet:
        return {"214", "11", "01", "00", 4, false, 270};
    case DemoKind::Spice:
        return {"214", "12", "01", "00", 4, false, 540};
    case DemoKind::Frozen:
        return {"216", "03", "01", "00", 5, false, 180};
    }
    return {"214", "12", "01", "00", 4, false, 30};
}

// Meals of the school day: code, name, norm per person, meal type, norm code, headcount, spread.
struct MealFacts
{
    const char *code;
    const char *name;
    const char *norm;
    const char *type;
    const char *normCode;
    int headcount;
    int spread;
};

const MealFacts Meals[] = {
    {"01", "Tízórai", "190", "02", "IS", 205, 15},
    {"02", "Ebéd", "640", "03", "IS", 400, 20},
    {"03", "Uzsonna", "170", "04", "IS", 170, 15},
    {"04", "Felnőtt ebéd", "980", "03", "FE", 36, 5},
};

// Fruit and drinks served as they are bought, in the morning and afternoon.
const char *const Fruits[][2] = {{"Alma", "0.15"}, {"Banán", "0.15"}, {"Mandarin", "0.12"}, {"Körte", "0.15"}};
const char *const Drink = "Almalé 100%";

const char *preparation(DemoCourse course)
{
    switch (course) {
    case DemoCourse::Soup:
        return "A zöldségeket megtisztítjuk, felkockázzuk, a hagymát az olajon üvegesre pároljuk, felöntjük vízzel, "
               "és a hozzávalókat puhára főzzük. Sózzuk, ízesítjük, forrón tálaljuk.";
    case DemoCourse::Main:
        return "A húst előkészítjük, fűszerezzük, a receptnek megfelelően megsütjük vagy pároljuk. "
               "Körettel tálaljuk.";
    case DemoCourse::Stew:
        return "A zöldséget kevés vízben puhára pároljuk, világos rántással besűrítjük, ízesítjük. "
               "Feltéttel tálaljuk.";
    case DemoCourse::Side:
        return "Sós vízben puhára főzzük vagy pároljuk, tálalásig melegen tartjuk.";
    case DemoCourse::OneDish:
        return "A hozzávalókat előkészítjük, a tésztát sós vízben kifőzzük, összeforgatjuk, tálaljuk.";
    case DemoCourse::Morning:
    case DemoCourse::Afternoon:
        return "Adagonként készítjük el, tálcán, frissen tálaljuk.";
    case DemoCourse::Dessert:
        return "Az előírás szerint elkészítjük, kihűtjük, adagolva tálaljuk.";
    case DemoCourse::Salad:
        return "A zöldséget megtisztítjuk, felszeleteljük, az öntettel összeforgatjuk, hűtve tálaljuk.";
    }
    return "";
}

// A dish's lines, its course's base lines added unless it says otherwise; a material named twice
// is summed.
QList<QPair<QString, double>> dishLines(const DemoDish &dish)
{
    QString own = QString::fromUtf8(dish.lines);
    QString text = own;
    if (own.startsWith(QLatin1Char('!')))
        text = own.mid(1);
    else if (*DemoData::baseLines(dish.course))
        text = QString::fromUtf8(DemoData::baseLines(dish.course)) + QLatin1Char(';') + own;
    QList<QPair<QString, double>> lines;
    for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = part.section(QLatin1Char(':'), 0, 0);
        const double quantity = part.section(QLatin1Char(':'), 1).toDouble();
        auto same = std::find_if(lines.begin(), lines.end(), [&](const auto &line) { return line.first == name; });
        if (same != lines.end())
            same->second += quantity;
        else
            lines << qMakePair(name, quantity);
    }
    return lines;
}

const DemoMaterial *materialNamed(const QString &name)
{
    for (const DemoMaterial &material : DemoData::materials())
        if (QString::fromUtf8(material.name) == name)
            return &material;
    return nullptr;
}

// The allergens a material contains, by its kind and name.
QStringList allergens(const DemoMaterial &material)
{
    const QString name = QString::fromUtf8(material.name);
    QStringList codes;
    const bool glutenFree = name.contains(QStringLiteral("izs"), Qt::CaseInsensitive)
        || name.contains(QStringLiteral("ukorica"), Qt::CaseInsensitive) || name.startsWith(QStringLiteral("Köles"))
        || name.startsWith(QStringLiteral("Hajdina")) || name.startsWith(QStringLiteral("Puffasztott rizs"));
    if (material.kind == DemoKind::Bakery || (material.kind == DemoKind::Dry && !glutenFree))
        codes << QStringLiteral("01");
    if (material.kind == DemoKind::Egg)
        codes << QStringLiteral("03");
    if (material.kind == DemoKind::Fish)
        codes << QStringLiteral("04");
    if (name.startsWith(QStringLiteral("Szója")))
        codes << QStringLiteral("06");
    if (material.kind == DemoKind::Dairy)
        codes << QStringLiteral("07");
    if (name.startsWith(QStringLiteral("Dió")) || name.contains(QStringLiteral("mogyoró")))
        codes << QStringLiteral("08");
    if (name.startsWith(QStringLiteral("Zeller")))
        codes << QStringLiteral("09");
    if (name.startsWith(QStringLiteral("Mustár")))
        codes << QStringLiteral("10");
    return codes;
}

bool failed(const Refusal &refusal, const QString &what, QString *error)
{
    if (refusal.isNull())
        return false;
    *error = what + QStringLiteral(": ") + QString(refusal.text).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return true;
}

} // namespace

QDate DemoKitchen::firstDay(const Size &size, const QDate &today)
{
    return size.days > 0 ? today.addDays(-size.days) : today.addMonths(-3);
}

DemoKitchen::DemoKitchen(QSqlDatabase warehouse, const Size &size, const QDate &today, quint32 seed)
    : m_db(warehouse)
    , m_size(size)
    , m_first(firstDay(size, today))
    , m_last(lastDay(today))
    , m_random(seed)
    , m_workYear(m_first.year())
    , m_buffet(warehouse, user())
{
}

double DemoKitchen::between(double low, double high)
{
    return low + (high - low) * m_random.generateDouble();
}

QList<const DemoDish *> DemoKitchen::chosenDishes() const
{
    // Round the courses so that a small kitchen still has every course.
    const int wanted = m_size.recipes > 0 ? m_size.recipes : 120;
    QMap<int, QList<const DemoDish *>> byCourse;
    for (const DemoDish &dish : DemoData::dishes())
        byCourse[int(dish.course)] << &dish;
    QList<const DemoDish *> chosen;
    for (int round = 0; chosen.size() < wanted; ++round) {
        bool any = false;
        for (auto it = byCourse.cbegin(); it != byCourse.cend() && chosen.size() < wanted; ++it) {
            if (round < it.value().size()) {
                chosen << it.value().at(round);
                any = true;
            }
        }
        if (!any)
            break;
    }
    return chosen;
}

QList<const DemoMaterial *> DemoKitchen::chosenMaterials(const QList<const DemoDish *> &dishes) const
{
    QSet<QString> needed;
    for (const DemoDish *dish : dishes)
        for (const auto &line : dishLines(*dish))
            needed.insert(line.first);
    for (const auto &fruit : Fruits)
        needed.insert(QString::fromUtf8(fruit[0]));
    needed.insert(QString::fromUtf8(Drink));
    const int wanted = m_size.materials > 0 ? m_size.materials : int(DemoData::materials().size());
    QList<const DemoMaterial *> chosen;
    for (const DemoMaterial &material : DemoData::materials())
        if (needed.contains(QString::fromUtf8(material.name)))
            chosen << &material;
    for (const DemoMaterial &material : DemoData::materials())
        if (chosen.size() < wanted && !needed.contains(QString::fromUtf8(material.name)))
            chosen << &material;
    return chosen;
}

bool DemoKitchen::writeCodeTables(QString *error)
{
    CodeTableStore accounts(m_db, CodeTables::member(CodeTableId::LedgerAccounts));
    for (const auto &account : Accounts)
        if (failed(accounts.insert({{QStringLiteral("FokonyviSzam"), QString::fromUtf8(account[0])},
                       {QStringLiteral("Megnevezes"), QString::fromUtf8(account[1])}}),
                QStringLiteral("Főkönyvi szám"), error))
            return false;

    CodeTableStore norms(m_db, CodeTables::member(CodeTableId::MealNorms));
    if (failed(norms.insert({{QStringLiteral("Enorma"), QStringLiteral("IS")},
                   {QStringLiteral("Megnevezes"), QStringLiteral("Általános iskolás (7-14 év)")}}),
            QStringLiteral("Étkezési norma"), error)
        || failed(norms.insert({{QStringLiteral("Enorma"), QStringLiteral("FE")},
                      {QStringLiteral("Megnevezes"), QStringLiteral("Felnőtt (dolgozói étkeztetés)")}}),
            QStringLiteral("Étkezési norma"), error))
        return false;

    CodeTableStore meals(m_db, CodeTables::member(CodeTableId::Meals));
    for (const MealFacts &meal : Meals) {
        if (failed(meals.insert({{QStringLiteral("EtkTip"), QString::fromUtf8(meal.code)},
                       {QStringLiteral("Megnevezes"), QString::fromUtf8(meal.name)},
                       {QStringLiteral("Norma"), QString::fromUtf8(meal.norm)},
                       {QStringLiteral("Tip"), QString::fromUtf8(meal.type)},
                       {QStringLiteral("Enorma"), QString::fromUtf8(meal.normCode)}}),
                QStringLiteral("Étkezés"), error))
            return false;
        m_meals << Meal {QString::fromUtf8(meal.code), meal.headcount, meal.spread};
    }

    // Loss in percent per month: potatoes lose more towards spring.
    const struct
    {
        const char *code;
        const char *name;
        int months[12];
    } losses[] = {
        {"00", "Veszteség nélkül", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"01", "Burgonya", {25, 25, 28, 30, 30, 15, 12, 12, 15, 18, 20, 22}},
        {"02", "Zöldségfélék", {20, 20, 20, 18, 15, 12, 12, 12, 15, 18, 20, 20}},
        {"03", "Gyümölcsök", {10, 10, 10, 10, 10, 8, 8, 8, 8, 10, 10, 10}},
        {"04", "Hús, hal", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
    };
    CodeTableStore lossCodes(m_db, CodeTables::member(CodeTableId::LossCodes));
    for (const auto &loss : losses) {
        CodeEntry entry {{QStringLiteral("Vkod"), QString::fromUtf8(loss.code)},
            {QStringLiteral("ElelmiAnyag"), QString::fromUtf8(loss.name)}};
        for (int month = 0; month < 12; ++month)
            entry.insert(
                QStringLiteral("V%1").arg(month + 1, 2, 10, QLatin1Char('0')), QString::number(loss.months[month]));
        if (failed(lossCodes.insert(entry), QStringLiteral("Veszteségi kód"), error))
            return false;
    }
    return true;
}

bool DemoKitchen::writePartners(QString *error)
{
    for (const Supplier &supplier : Suppliers) {
        PartnerEntry entry;
        entry.id = Partners::nextId(m_db);
        entry.name = QString::fromUtf8(supplier.name);
        entry.postalCode = QString::fromUtf8(supplier.postalCode);
        entry.settlement = QString::fromUtf8(supplier.settlement);
        entry.street = QString::fromUtf8(supplier.street);
        entry.phone = QString::fromUtf8(supplier.phone);
        if (failed(Partners::insert(m_db, entry), QStringLiteral("Partner"), error))
            return false;
    }
    return true;
}

bool DemoKitchen::writeMaterials(QString *error)
{
    // The VAT code and percent in force for each VAT group.
    QHash<QString, QPair<QString, double>> vat;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT \"AfaCsoport\", \"Afakod\", \"AfaErtek\" FROM \"Afa\" WHERE \"Datum\" <= ? "
                                 "ORDER BY \"Datum\", \"Afakod\""));
    query.addBindValue(Sql::date(m_first));
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next())
        vat.insert(query.value(0).toString(), qMakePair(query.value(1).toString(), query.value(2).toDouble()));

    const QList<const DemoMaterial *> chosen = chosenMaterials(chosenDishes());
    int number = 0;
    for (const DemoMaterial *source : chosen) {
        const KindFacts kind = facts(source->kind);
        const QString unit = QString::fromUtf8(source->unit);
        const bool piece = unit != QLatin1String("KG") && unit != QLatin1String("LIT");
        const QString name = QString::fromUtf8(source->name);
        MaterialEntry entry;
        entry.ledger = QString::fromUtf8(kind.account);
        entry.registerNumber = QStringLiteral("%1").arg(++number, 4, 10, QLatin1Char('0'));
        entry.name = name;
        entry.group = QString::fromUtf8(kind.group);
        entry.unit = unit;
        entry.multiplier = source->multiplier > 0 ? source->multiplier : 10;
        entry.vatGroup = QString::fromUtf8(kind.vatGroup);
        entry.price = Money::fromDouble(source->price);
        entry.rounding = piece ? 0 : source->kind == DemoKind::Spice ? 3 : 2;
        entry.lossCode = QString::fromUtf8(kind.lossCode);
        entry.addedSalt = name.endsWith(QStringLiteral(" só"));
        entry.addedSugar = source->kind == DemoKind::Sweet
            && (name.contains(QStringLiteral("cukor")) || name.startsWith(QStringLiteral("Méz")));
        const bool animal = source->kind == DemoKind::Meat || source->kind == DemoKind::Fish
            || source->kind == DemoKind::Egg || source->kind == DemoKind::Dairy;
        entry.nutrients = {
            {QStringLiteral("Energia"), source->kj},
            {QStringLiteral("Feherje"), source->protein},
            {QStringLiteral("AllatiFeh"), animal ? source->protein : 0},
            {QStringLiteral("Zsir"), source->fat},
            {QStringLiteral("ZsirTe"), Rounding::round(source->fat * (animal ? 0.4 : 0.15), 2)},
            {QStringLiteral("Transz"), animal ? Rounding::round(source->fat * 0.02, 2) : 0},
            {QStringLiteral("Szenhidrat"), source->carbohydrate},
            {QStringLiteral("Cukor"), source->sugar},
            {QStringLiteral("Hamu"), Rounding::round(0.5 + source->salt, 2)},
            {QStringLiteral("Rost"), source->fibre},
            {QStringLiteral("Koleszterin"),
                source->kind == DemoKind::Egg ? 0.37
                    : animal                  ? 0.07
                                              : 0},
            {QStringLiteral("So"), source->salt},
            {QStringLiteral("Kalcium"), source->kind == DemoKind::Dairy ? 0.12 : 0.02},
        };
        entry.contains = allergens(*source);
        if (failed(Materials::insert(m_db, entry), QStringLiteral("Nyersanyag ") + name, error))
            return false;
        const auto vatRow = vat.value(entry.vatGroup);
        Material material {
            source, entry.ledger, entry.registerNumber, entry.rounding, QString(), vatRow.first, vatRow.second};
        material.partner = QStringLiteral("%1").arg(kind.supplier + 2, 5, 10, QLatin1Char('0'));
        m_materials.insert(name, material);
        m_materialNames.insert(MaterialKey {material.account, material.number}, name);
    }
    return true;
}

bool DemoKitchen::writeRecipes(QString *error)
{
    const QList<const DemoDish *> dishes = chosenDishes();
    int code = 0;
    for (const DemoDish *dish : dishes) {
        RecipeHeader header;
        header.code = QString::number(++code);
        header.name = QString::fromUtf8(dish->name);
        header.norm = QStringLiteral("IS");
        header.variety = QString::fromUtf8(dish->variety);
        header.text = QString::fromUtf8(preparation(dish->course));
        const Checked<QString> added = RecipeHeaders::add(m_db, header, m_first);
        if (failed(added.refusal, QStringLiteral("Recept ") + header.name, error))
            return false;
        for (const auto &line : dishLines(*dish)) {
            const auto material = m_materials.constFind(line.first);
            if (material == m_materials.cend()) {
                if (!materialNamed(line.first)) {
                    *error
                        = QStringLiteral("A(z) %1 recept ismeretlen anyagot használ: %2").arg(header.name, line.first);
                    return false;
                }
                continue;
            }
            const RecipeLines::Line row {added.value, material->account, material->number, line.second};
            const Checked<qint64> written = RecipeLines::add(m_db, row, 100, m_first);
            if (failed(written.refusal, QStringLiteral("Recept ") + header.name, error))
                return false;
        }
        m_courses[int(dish->course)] << added.value;
    }
    // The serving order of each course: its recipes shuffled once.
    for (auto it = m_courses.begin(); it != m_courses.end(); ++it)
        for (qsizetype i = it->size() - 1; i > 0; --i)
            it->swapItemsAt(i, qsizetype(m_random.bounded(quint32(i + 1))));
    if (!RecipeRecompute::all(m_db, m_first)) {
        *error = QStringLiteral("A receptek tápanyag- és értékszámítása nem sikerült.");
        return false;
    }
    return true;
}

// One write transaction around a step of the filling: false with the step's error, or with the
// database's reason when the write itself failed.
static bool inWrite(QSqlDatabase db, QString *error, const std::function<bool()> &step)
{
    const WriteResult written = WriteTransaction::run(db, [&] {
        if (step())
            return Refusal();
        return Refusal::error(error->isEmpty() ? QStringLiteral("ismeretlen hiba") : *error);
    });
    if (written.failed())
        *error = written.cause;
    return written.ok();
}

bool DemoKitchen::writeMasterData(QString *error)
{
    return inWrite(m_db, error,
        [&] {
            return writeCodeTables(error) && writePartners(error) && writeMaterials(error) && writeRecipes(error)
                && m_buffet.writePrices(m_courses.value(int(DemoCourse::Soup)), m_courses.value(int(DemoCourse::Main)),
                    m_first, error);
        });
}

QString DemoKitchen::nextDish(int course)
{
    const QStringList codes = m_courses.value(course);
    if (codes.isEmpty())
        return QString();
    int &next = m_courseNext[course];
    return codes.at(next++ % codes.size());
}

bool DemoKitchen::writeMenu(const QDate &day, QString *error)
{
    const QDate closed = MenuGuards::closedThrough(m_db);
    const QString recipe = MenuRows::recipeAccount();
    const auto add = [&](const QString &meal, const QString &account, const QString &dish, double perPerson) {
        if (dish.isEmpty())
            return true;
        const Checked<qint64> row = MenuRows::add(m_db, MenuRow {day, meal, account, dish, perPerson}, closed);
        return !failed(row.refusal, QStringLiteral("Étlap"), error);
    };
    const auto addMaterial = [&](const QString &meal, const QString &name, double perPerson) {
        const Material material = m_materials.value(name);
        return material.source == nullptr || add(meal, material.account, material.number, perPerson);
    };

    // A week of lunches: meat with a side, a vegetable stew with a topping, meat again, a pasta
    // or one-dish meal, and meat with a dessert on Friday.
    const int weekday = day.dayOfWeek();
    const int dayIndex = int(m_first.daysTo(day));
    const QString soup = nextDish(int(DemoCourse::Soup));
    QList<QPair<QString, double>> lunch; // recipe code, portions of a child; adults get more
    if (weekday == 2) {
        lunch << qMakePair(nextDish(int(DemoCourse::Stew)), 1.0) << qMakePair(nextDish(int(DemoCourse::Main)), 0.5);
    } else if (weekday == 4) {
        lunch << qMakePair(nextDish(int(DemoCourse::OneDish)), 1.0);
    } else {
        lunch << qMakePair(nextDish(int(DemoCourse::Main)), 1.0) << qMakePair(nextDish(int(DemoCourse::Side)), 1.0);
        lunch << qMakePair(nextDish(int(weekday == 5 ? DemoCourse::Dessert : DemoCourse::Salad)), 1.0);
    }

    const QString morning = nextDish(int(DemoCourse::Morning));
    const QString afternoon = nextDish(int(DemoCourse::Afternoon));
    const auto &fruit = Fruits[(dayIndex / 2) % 4];
    if (!add(QStringLiteral("01"), recipe, morning, 1)
        || (dayIndex % 2 == 0
            && !addMaterial(QStringLiteral("01"), QString::fromUtf8(fruit[0]), QString::fromUtf8(fruit[1]).toDouble()))
        || !add(QStringLiteral("02"), recipe, soup, 1) || !add(QStringLiteral("04"), recipe, soup, 1)
        || !add(QStringLiteral("03"), recipe, afternoon, 1)
        || (dayIndex % 3 == 0 && !addMaterial(QStringLiteral("03"), QString::fromUtf8(Drink), 0.2)))
        return false;
    for (const auto &dish : lunch)
        if (!add(QStringLiteral("02"), recipe, dish.first, dish.second)
            || !add(QStringLiteral("04"), recipe, dish.first, dish.second * 1.3))
            return false;

    // Fewer children stay for the afternoon on Fridays.
    for (const Meal &meal : m_meals) {
        int count = meal.headcount - meal.spread + int(m_random.bounded(quint32(2 * meal.spread + 1)));
        if (weekday == 5 && meal.code == QLatin1String("03"))
            count = count * 3 / 4;
        if (failed(Headcount::save(m_db, day, meal.code, count, closed), QStringLiteral("Létszám"), error))
            return false;
    }
    return true;
}

bool DemoKitchen::receive(const QDate &day, const QList<RationTotal> &totals, QString *error)
{
    // One voucher per supplier: what the day lacks plus a few days' supply of what keeps.
    QMap<QString, QList<StockItem>> vouchers;
    for (const RationTotal &total : totals) {
        if (!(total.quantity > total.stock))
            continue;
        const auto found = m_materials.constFind(m_materialNames.value(total.key()));
        if (found == m_materials.cend()) {
            *error = QStringLiteral("Ismeretlen anyag a kiszabaton: ") + total.key().text();
            return false;
        }
        const Material &material = *found;
        const KindFacts kind = facts(material.source->kind);
        const double days = kind.perishable ? double(m_random.bounded(2)) : double(m_random.bounded(1, 5));
        const double amount
            = Rounding::roundUp(total.quantity - total.stock + total.quantity * days, qMin(material.decimals, 1));
        StockItem item;
        item.mozgnem = QStringLiteral("01");
        item.datum = day;
        item.fokSzla = material.account;
        item.nyilvSzam = material.number;
        item.partAzon = material.partner;
        item.afaKod = material.vatCode;
        item.quantity = amount;
        ItemPrices typed;
        typed.netUnit = Money::fromDouble(Rounding::round(material.source->price * between(0.96, 1.06), 2));
        const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed::NetUnit, typed, amount, material.vatPercent);
        item.netUnit = prices.netUnit;
        item.netTotal = prices.netTotal;
        item.vatTotal = prices.vatTotal;
        item.grossTotal = prices.grossTotal;
        item.lejarat = day.addDays(kind.shelfDays);
        vouchers[material.partner] << item;
    }
    StockLedger ledger(m_db, StockOptions {user(), false});
    for (auto it = vouchers.begin(); it != vouchers.end(); ++it) {
        QString number = VoucherNumbers(m_db).propose();
        bool proposed = true;
        for (StockItem &item : *it) {
            item.bizSzam = number;
            item.numberProposed = proposed;
            const StockOutcome outcome = ledger.record(item);
            if (failed(outcome.refusal, QStringLiteral("Bevételezés"), error))
                return false;
            number = outcome.bizSzam;
            proposed = false;
        }
    }
    return true;
}

bool DemoKitchen::turnYear(int year, QString *error)
{
    // What the year closing and the next start do: the stock list at 31 December, the closed
    // year, then the new year opened with that stock.
    const bool done = inWrite(m_db, error, [&] {
        const QDate lastOfYear(year - 1, 12, 31);
        if (!StockAtDate(m_db).fillLeltar(lastOfYear, m_workYear, error))
            return false;
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES (?, ?, ?)"));
        query.addBindValue(Sql::date(lastOfYear));
        query.addBindValue(QStringLiteral("Éves zárás"));
        query.addBindValue(user());
        if (!query.exec()) {
            *error = query.lastError().text();
            return false;
        }
        query.prepare(QStringLiteral("UPDATE \"Munkaev\" SET \"AktivEv\" = ? WHERE \"AktivEv\" = ?"));
        query.addBindValue(Sql::flag(false));
        query.addBindValue(Sql::flag(true));
        if (!query.exec()) {
            *error = query.lastError().text();
            return false;
        }
        ScriptedMessenger quiet;
        const Checked<int> opened = YearOpening(m_db).open(year, user(), quiet);
        if (failed(opened.refusal, QStringLiteral("Évnyitás"), error))
            return false;
        return true;
    });
    if (!done)
        return false;
    m_workYear = year;
    return true;
}

bool DemoKitchen::runDay(const QDate &day, bool issued, QString *error)
{
    return inWrite(m_db, error, [&] {
        if (!writeMenu(day, error))
            return false;
        QStringList codes;
        for (const Meal &meal : m_meals)
            codes << meal.code;

        // The sheet at the day's stock shows what is missing; it is received, then (for a day that
        // is issued) the sheet is computed again at the new stock and issued.
        RationStockAtDate stock(m_db, m_workYear);
        Checked<RationBuilder::Result> computed = RationBuilder::compute(m_db, day, codes, stock);
        if (failed(computed.refusal, QStringLiteral("Kiszabat"), error))
            return false;
        computed.value.sheet.buildTotals();
        if (!receive(day, computed.value.sheet.totals(), error))
            return false;
        if (issued && !issue(day, codes, stock, error))
            return false;
        return m_buffet.runDay(day, issued, m_workYear,
            [this, &day](const QList<RationTotal> &totals, QString *failure) { return receive(day, totals, failure); },
            error);
    });
}

bool DemoKitchen::issue(const QDate &day, const QStringList &codes, RationStockAtDate &stock, QString *error)
{
    Checked<RationBuilder::Result> computed = RationBuilder::compute(m_db, day, codes, stock);
    if (failed(computed.refusal, QStringLiteral("Kiszabat"), error))
        return false;
    RationSheet &sheet = computed.value.sheet;
    sheet.buildTotals();
    if (failed(RationIssue::shortage(sheet), QStringLiteral("Kiszabat"), error))
        return false;

    RationIssue issue(m_db, StockOptions {user(), false});
    RationIssueHeader header;
    header.bizSzam = issue.proposeNumber();
    const StockOutcome outcome = issue.issue(sheet, header, user(), day);
    return !failed(outcome.refusal, QStringLiteral("Kiadás"), error);
}

// School days: Monday to Friday, outside the winter break.
static bool isSchoolDay(const QDate &day)
{
    const bool winterBreak = (day.month() == 12 && day.day() >= 22) || (day.month() == 1 && day.day() <= 2);
    return day.dayOfWeek() <= 5 && !winterBreak;
}

bool DemoKitchen::fill(const Progress &progress, QString *error)
{
    if (progress)
        progress(QDate(), 0, 0);
    if (!writeMasterData(error))
        return false;
    QList<QDate> days;
    for (QDate day = m_first; day <= m_last; day = day.addDays(1))
        if (isSchoolDay(day))
            days << day;
    // The next school day is planned but left for the user: its menu, headcounts and morning
    // receipts are there, so its ration sheet can be opened and issued at once. A day of the
    // next year is left out, as its year is not opened yet.
    QDate planned = m_last.addDays(1);
    while (!isSchoolDay(planned))
        planned = planned.addDays(1);
    const int total = int(days.size());
    if (planned.year() == m_last.year())
        days << planned;
    for (int i = 0; i < days.size(); ++i) {
        const QDate day = days.at(i);
        if (progress && i < total)
            progress(day, i, total);
        bool ok = true;
        try {
            ok = (day.year() <= m_workYear || turnYear(day.year(), error)) && runDay(day, i < total, error);
        } catch (const StockSql::Failure &failure) {
            // Voucher numbers report a database error by throwing; the day's guard rolls back.
            *error = failure.detail;
            ok = false;
        }
        if (!ok) {
            *error = day.toString(QStringLiteral("yyyy.MM.dd.")) + QLatin1Char(' ') + *error;
            return false;
        }
    }
    if (progress && total > 0)
        progress(days.at(total - 1), total, total);
    return true;
}
