#include "transfer/DosSources.h"

#include "core/Rounding.h"
#include "core/TextCodec.h"
#include "exchange/DbaseTable.h"

#include <QHash>

#include <unordered_map>
#include <QElapsedTimer>
#include <cstdio>

namespace DosSources {

namespace {

// One source file opened and checked, with its field indexes by name.
class Source
{
public:
    Source() = default;
    Source(std::shared_ptr<DbaseTable> table, QString name)
        : m_table(std::move(table))
        , m_name(std::move(name))
    {
    }

    DbaseTable &table() { return *m_table; }
    // The field's index, looked up once per field name of the code.
    int operator[](const char *field)
    {
        const auto known = m_indexes.find(field);
        if (known != m_indexes.end())
            return known->second;
        const int index = m_table->fieldIndex(QString::fromLatin1(field));
        m_indexes.emplace(field, index);
        return index;
    }
    // The record's name field; a name Windows-1250 cannot hold is noted for the list.
    QString name(const char *field, int width, Data &data)
    {
        const QString text = m_table->text((*this)[field]).left(width);
        if (!TextCodec::outsideWindows1250(text).isEmpty())
            data.notEncodable << QStringLiteral("%1 %2. rekord: %3").arg(m_name).arg(m_table->position() + 1).arg(text);
        return text;
    }
    Refusal endRefusal() const
    {
        if (!m_table->readFailed())
            return Refusal();
        return Refusal::error(QStringLiteral("A(z) %1 fájl olvasása megszakadt: a fájl közben megváltozott.").arg(m_name));
    }

private:
    std::shared_ptr<DbaseTable> m_table;
    QString m_name;
    std::unordered_map<const char *, int> m_indexes;
};

QStringList requiredFields(const QString &file)
{
    static const QHash<QString, QStringList> fields {
        {QStringLiteral("SALT002.DBF"),
            {"FOKSZLA", "NYSZAM", "MEGNEV", "TCS", "ME", "MESZOR", "AFAKOD", "NYAR", "KMENNY", "KERTEK", "KEREK", "KMIN",
                "KMAX", "LELTMENNY", "ENERGIA", "FEHERJE", "ALLATI", "ZSIR", "CHIDRAT", "CUKOR", "HAMU", "ROST",
                "KOLESZT", "VKOD"}},
        {QStringLiteral("SALT004.DBF"), {"ETKOD", "FOKSZLA", "NYSZAM", "MENNY"}},
        {QStringLiteral("SALT003.DBF"), {"ETKOD", "MEGNEV"}},
        {QStringLiteral("SALT005.DBF"), {"FSZLA", "NEV", "IRSZAM", "VAROS", "UTCA"}},
        {QStringLiteral("SALK002.DBF"), {"FOKSZLA", "MEGNEV"}},
        {QStringLiteral("SALR001.DBF"), {"FOKSZLA", "NYSZAM", "BK", "MENNY", "ERTEK", "DATUM"}},
    };
    return fields.value(file);
}

Checked<Source> openSource(const QString &folder, const QString &file)
{
    const QString path = DbaseTable::findFile(folder, file);
    if (path.isEmpty()) {
        return Checked<Source>::refused(
            Refusal::error(QStringLiteral("Nem található a(z) %1 fájl a megadott mappában:\r%2").arg(file, folder)));
    }
    auto opened = DbaseTable::open(path, requiredFields(file));
    if (!opened.ok())
        return Checked<Source>::refused(opened.refusal);
    return Checked<Source>::accepted(Source(opened.value, file));
}

void readMaterial(Source &s, Data &data)
{
    DbaseTable &t = s.table();
    Material m;
    m.fokSzla = t.code(s["FOKSZLA"], 3);
    m.nyilvSzam = t.code(s["NYSZAM"], 4);
    m.megnevezes = s.name("MEGNEV", 50, data);
    m.csoport = t.code(s["TCS"], 2);
    m.sourceUnit = t.text(s["ME"]);
    m.mertekegyseg = mappedUnit(m.sourceUnit);
    m.menySzorzo = t.number(s["MESZOR"]);
    m.afaCsoport = t.code(s["AFAKOD"], 2);
    m.nyilvAr = t.money(s["NYAR"]);
    m.keszletMenny = t.number(s["KMENNY"]);
    m.keszletErtek = t.money(s["KERTEK"]);
    m.kerekites = int(t.number(s["KEREK"]));
    m.keszletMin = t.number(s["KMIN"]);
    m.keszletMax = t.number(s["KMAX"]);
    m.leltarMenny = t.number(s["LELTMENNY"]);
    m.energia = t.number(s["ENERGIA"]);
    m.feherje = t.number(s["FEHERJE"]);
    m.allati = t.logical(s["ALLATI"]);
    m.zsir = t.number(s["ZSIR"]);
    m.szenhidrat = t.number(s["CHIDRAT"]);
    m.cukor = t.number(s["CUKOR"]);
    m.hamu = t.number(s["HAMU"]);
    m.rost = t.number(s["ROST"]);
    m.koleszterin = t.number(s["KOLESZT"]);
    const QString vkod = t.code(s["VKOD"], 2);
    m.vkod = vkod.size() == 2 ? vkod : QStringLiteral("00");
    data.materials << m;
}

// Reads every record of the part's files into `data`.
Refusal readPart(Part part, QList<Source> &sources, Data &data)
{
    for (Source &s : sources) {
        DbaseTable &t = s.table();
        while (t.next()) {
            switch (part) {
            case Part::Materials:
                readMaterial(s, data);
                break;
            case Part::Recipes:
                if (s.table().hasField(QStringLiteral("NYSZAM"))) {
                    data.recipeLines << RecipeLine {t.code(s["ETKOD"], 4), t.code(s["FOKSZLA"], 3),
                        t.code(s["NYSZAM"], 4), Rounding::round(t.number(s["MENNY"]) * 100.0, 3)};
                } else {
                    RecipeHead head {t.code(s["ETKOD"], 4), s.name("MEGNEV", 50, data), QString()};
                    head.enorma = mealNorm(head.megnevezes);
                    data.recipeHeads << head;
                }
                break;
            case Part::Partners:
                data.partners << Partner {t.code(s["FSZLA"], 5), s.name("NEV", 50, data), t.text(s["IRSZAM"]).left(8),
                    s.name("VAROS", 20, data), s.name("UTCA", 30, data)};
                break;
            case Part::LedgerAccounts:
                data.ledgerAccounts << LedgerAccount {t.code(s["FOKSZLA"], 3), s.name("MEGNEV", 50, data)};
                break;
            case Part::OpeningStock:
                data.movements << Movement {t.code(s["FOKSZLA"], 3), t.code(s["NYSZAM"], 4),
                    t.text(s["BK"]).toUpper(), t.number(s["MENNY"]), t.money(s["ERTEK"]), t.date(s["DATUM"])};
                break;
            }
        }
        if (const Refusal refusal = s.endRefusal())
            return refusal;
    }
    return Refusal();
}

} // namespace

QList<Part> allParts()
{
    return {Part::Materials, Part::Recipes, Part::Partners, Part::LedgerAccounts, Part::OpeningStock};
}

QString caption(Part part)
{
    switch (part) {
    case Part::Materials:
        return QStringLiteral("Anyag törzs");
    case Part::Recipes:
        return QStringLiteral("Recept törzs");
    case Part::Partners:
        return QStringLiteral("Partner törzs");
    case Part::LedgerAccounts:
        return QStringLiteral("Főkönyvi számok");
    case Part::OpeningStock:
        return QStringLiteral("Raktár nyitókészlet");
    }
    return QString();
}

QString commandName(Part part)
{
    switch (part) {
    case Part::Materials:
        return QStringLiteral("anyag");
    case Part::Recipes:
        return QStringLiteral("recept");
    case Part::Partners:
        return QStringLiteral("partner");
    case Part::LedgerAccounts:
        return QStringLiteral("fokszam");
    case Part::OpeningStock:
        return QStringLiteral("nyito");
    }
    return QString();
}

QStringList fileNames(Part part)
{
    switch (part) {
    case Part::Materials:
        return {QStringLiteral("SALT002.DBF")};
    case Part::Recipes:
        return {QStringLiteral("SALT004.DBF"), QStringLiteral("SALT003.DBF")};
    case Part::Partners:
        return {QStringLiteral("SALT005.DBF")};
    case Part::LedgerAccounts:
        return {QStringLiteral("SALK002.DBF")};
    case Part::OpeningStock:
        return {QStringLiteral("SALR001.DBF")};
    }
    return {};
}

QString mappedUnit(const QString &unit)
{
    static const QHash<QString, QString> units {
        {"G", "GRM"}, {"GR", "GRM"}, {"GRM", "GRM"}, {"L", "LIT"}, {"LI", "LIT"}, {"LIT", "LIT"}, {"D", "DB"},
        {"DB", "DB"}, {"DAR", "DB"}, {"K", "KG"}, {"KG", "KG"}, {"KILO", "KG"}, {"CS", "CSOM"}, {"CSOM", "CSOM"},
        {"DOB", "DOB"}, {"DBZ", "DOB"}};
    return units.value(unit.trimmed().toUpper(), QStringLiteral("ISM!"));
}

QString mealNorm(const QString &name)
{
    const QChar norm = name.size() >= 2 ? name.at(name.size() - 2) : QChar();
    return norm >= QLatin1Char('1') && norm <= QLatin1Char('4') ? QString(norm) : QStringLiteral("A");
}

Checked<Data> read(const QString &folder, const QList<Part> &parts)
{
    // Every file is opened and checked before any is read.
    QList<QList<Source>> opened;
    for (Part part : parts) {
        QList<Source> sources;
        for (const QString &file : fileNames(part)) {
            Checked<Source> source = openSource(folder, file);
            if (!source.ok())
                return Checked<Data>::refused(source.refusal);
            sources << source.value;
        }
        opened << sources;
    }
    Data data;
    for (int i = 0; i < parts.size(); ++i) {
        if (const Refusal refusal = readPart(parts.at(i), opened[i], data))
            return Checked<Data>::refused(refusal);
    }
    return Checked<Data>::accepted(data);
}

} // namespace DosSources
