#include "master/Materials.h"

namespace {

OrderTerm plain(const char *field)
{
    return OrderTerm{QString::fromLatin1(field), false};
}

QString per100(const QString &field)
{
    // A damaged row with a zero multiplier prints empty instead of failing the whole list.
    return QStringLiteral("\"%1\" / NULLIF(\"MenySzorzo\", 0) AS \"%1_100\"").arg(field);
}

} // namespace

namespace Materials {

const QStringList &nutrientFields()
{
    static const QStringList fields = {QStringLiteral("Energia"), QStringLiteral("Feherje"), QStringLiteral("AllatiFeh"),
        QStringLiteral("Zsir"), QStringLiteral("ZsirTe"), QStringLiteral("Transz"), QStringLiteral("Szenhidrat"),
        QStringLiteral("Cukor"), QStringLiteral("Hamu"), QStringLiteral("Rost"), QStringLiteral("Koleszterin"),
        QStringLiteral("So"), QStringLiteral("Kalcium")};
    return fields;
}

const BrowseSpec &browse()
{
    static const BrowseSpec spec = [] {
        BrowseSpec s{QStringLiteral("TfrmTallozasAnyag"), QStringLiteral("Nyersanyagok karbantartása"),
            QStringLiteral("Anyag")};
        s.key = {QStringLiteral("FokonyviSzam"), QStringLiteral("NyilvSzam")};
        const char *grid[][2] = {{"Fők. szám", "FokonyviSzam"}, {"Azonosító", "NyilvSzam"}, {"Megnevezés", "Megnevezes"},
            {"Csoport", "Csoport"}, {"Mért. egys.", "Mertekegyseg"}, {"Menny. szorzó", "MenySzorzo"},
            {"ÁFA csop.", "AfaCsoport"}, {"Nyilv. ár", "NyilvAr"}, {"Készletmennyiség [m.e.]", "KeszletMennyiseg"},
            {"Készletérték", "KeszletErtek"}, {"Kerekítés", "Kerekites"}, {"Készlet Min.", "KeszletMin"},
            {"Készlet Max.", "KeszletMax"}, {"Leltár", "LeltarMennyiseg"}, {"Energia [KJ/m.e.]", "Energia"},
            {"Fehérje [g/m.e.]", "Feherje"}, {"Állati [g/m.e.]", "AllatiFeh"}, {"Zsír [g/m.e.]", "Zsir"},
            {"Telített zsír [g/m.e.]", "ZsirTe"}, {"Transz zsír [g/m.e.]", "Transz"},
            {"Szénhidrát [g/m.e.]", "Szenhidrat"}, {"Cukor [g/m.e.]", "Cukor"}, {"Hamu [g/m.e.]", "Hamu"},
            {"Rost [g/m.e.]", "Rost"}, {"Koleszterin [g/m.e.]", "Koleszterin"}, {"Só [g/m.e.]", "So"},
            {"Kalcium [g/m.e.]", "Kalcium"}, {"Veszt.", "Vkod"}, {"Hozzáadott só", "Hso"},
            {"Hozzáadott cukor", "Hcukor"}};
        for (const auto &column : grid)
            s.grid << GridColumn{QString::fromUtf8(column[0]), QString::fromLatin1(column[1])};
        s.orders = {{QStringLiteral("Főkönyvi szám+Azonosító szerint"), {plain("FokonyviSzam"), plain("NyilvSzam")}},
            {QStringLiteral("Főkönyvi szám+Megnevezés szerint"),
                {plain("FokonyviSzam"), OrderTerm{QStringLiteral("Megnevezes"), true}}},
            {QStringLiteral("Megnevezés szerint rendez"), {OrderTerm{QStringLiteral("Megnevezes"), true}}},
            {QStringLiteral("Csoport szerint rendez"), {plain("Csoport")}},
            {QStringLiteral("Készlet mennyiség szerint rendez"), {plain("KeszletMennyiseg")}}};
        s.searches = {
            {QStringLiteral("Főkönyvi számra"), QStringLiteral("FokonyviSzam"), Match::CodeExact, 3, 999,
                QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak 0..999 közötti számot tartalmazhat!")},
            {QStringLiteral("Azonosítóra"), QStringLiteral("NyilvSzam"), Match::CodeExact, 4, 9999,
                QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak 0..9999 közötti számot tartalmazhat!")},
            {QStringLiteral("Megnevezésre"), QStringLiteral("Megnevezes")},
            {QStringLiteral("Csoportra"), QStringLiteral("Csoport"), Match::CodeExact, 2, 99,
                QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak 0..99 közötti számot tartalmazhat!")}};
        s.reportTitle = QStringLiteral("Nyersanyagok listája");
        s.reportSelect = {QStringLiteral("*")};
        for (const QString &field : nutrientFields())
            s.reportSelect << per100(field);
        s.report = {{QStringLiteral("Főkönyvi szám"), QStringLiteral("FokonyviSzam"), 9},
            {QStringLiteral("Nyilv. szám"), QStringLiteral("NyilvSzam"), 9},
            {QStringLiteral("Anyag megnevezése"), QStringLiteral("Megnevezes"), 40},
            {QStringLiteral("Mérték egys."), QStringLiteral("Mertekegyseg"), 9},
            {QStringLiteral("Nyilv. ár [Ft]"), QStringLiteral("NyilvAr"), 15, true, QStringLiteral("0.00")},
            {QStringLiteral("ÁFA kód"), QStringLiteral("AfaCsoport"), 7},
            {QStringLiteral("Kere- kítés"), QStringLiteral("Kerekites"), 7, true},
            {QStringLiteral("Minimum készlet"), QStringLiteral("KeszletMin"), 11, true, QStringLiteral("0.00")},
            {QStringLiteral("Maximum készlet"), QStringLiteral("KeszletMax"), 11, true, QStringLiteral("0.00")},
            {QStringLiteral("Tápany. csoport"), QStringLiteral("Csoport"), 8},
            {QStringLiteral("Osztó"), QStringLiteral("MenySzorzo"), 9, true, QStringLiteral("0.0##")}};
        const char *nutrients[][3] = {{"Energia [KJ]", "Energia", "0.00"}, {"Fehérje", "Feherje", "0.0"},
            {"Feh. állati", "AllatiFeh", "0.0"}, {"Zsír", "Zsir", "0.0"}, {"Szénhidrát", "Szenhidrat", "0.0"},
            {"Cukor", "Cukor", "0.0"}, {"Rost", "Rost", "0.0"}, {"Hamu", "Hamu", "0.0"},
            {"Koleszterin", "Koleszterin", "0.000"}, {"Só", "So", "0.00"}, {"Tel. zsír", "ZsirTe", "0.00"},
            {"Transzzsír", "Transz", "0.00"}, {"Kálcium", "Kalcium", "0.00"}};
        for (const auto &n : nutrients)
            s.report << PrintColumn{QString::fromUtf8(n[0]), QString::fromLatin1(n[1]) + QStringLiteral("_100"), 10,
                true, QString::fromLatin1(n[2])};
        s.reportLandscape = true;
        s.csvName = QStringLiteral("Anyag.csv");
        s.helpPage = QStringLiteral("tallozasanyag.htm");
        return s;
    }();
    return spec;
}

} // namespace Materials
