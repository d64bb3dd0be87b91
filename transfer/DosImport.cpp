#include "transfer/DosImport.h"

#include "core/Rounding.h"
#include "master/OwnerPartner.h"
#include "master/RecipeRecompute.h"
#include "stock/MovementRow.h"
#include "stock/MovementTable.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "store/PreparedStatement.h"
#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"
#include "transfer/DosOpeningStock.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace DosImport {

namespace {

using DosSources::Part;

const QString OpeningNumber = QStringLiteral("00000000");
const QString CatchAllPartner = QStringLiteral("00000");
const QString OwnerPartnerCode = QStringLiteral("00001");

QString duplicateText(const QString &what, const QString &key)
{
    return QStringLiteral("Már létezik ilyen azonosítójú %1: %2").arg(what, key);
}

// The rows of `rows` whose key has not come before; each later one is named in `duplicates`.
template <typename T, typename Key>
QList<T> withoutDuplicates(const QList<T> &rows, Key key, const QString &what, QStringList &duplicates,
    QSet<QString> seen = {})
{
    QList<T> kept;
    for (const T &row : rows) {
        const QString k = key(row);
        if (seen.contains(k)) {
            duplicates << duplicateText(what, k);
            continue;
        }
        seen.insert(k);
        kept << row;
    }
    return kept;
}

void writeMaterials(QSqlDatabase db, const QList<DosSources::Material> &materials)
{
    StockSql::run(db, QStringLiteral("DELETE FROM \"Anyag\""));
    const QString sql = QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"AfaCsoport\", \"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", "
        "\"KeszletMennyiseg\", \"KeszletErtek\", \"LeltarMennyiseg\", \"Energia\", \"Feherje\", \"AllatiFeh\", "
        "\"Zsir\", \"ZsirTe\", \"Transz\", \"Szenhidrat\", \"Cukor\", \"Hamu\", \"Rost\", \"Koleszterin\", \"So\", "
        "\"Kalcium\", \"Hso\", \"Hcukor\", \"Vkod\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const DosSources::Material &m : materials) {
        // An animal protein stays in the total protein as well, so the total is whole.
        StockSql::run(db, sql,
            {m.fokSzla, m.nyilvSzam, m.megnevezes, m.csoport, m.mertekegyseg, m.menySzorzo, m.afaCsoport,
                Sql::money(m.nyilvAr), m.kerekites, m.keszletMin, m.keszletMax, m.keszletMenny,
                Sql::money(m.keszletErtek), m.leltarMenny, m.energia, m.feherje, m.allati ? m.feherje : 0.0, m.zsir,
                0.0, 0.0, m.szenhidrat, m.cukor, m.hamu, m.rost, m.koleszterin, 0.0, 0.0, Sql::flag(false),
                Sql::flag(false), m.vkod});
    }
}

void writeRecipes(QSqlDatabase db, const QList<DosSources::RecipeLine> &lines,
    const QList<DosSources::RecipeHead> &heads)
{
    StockSql::run(db, QStringLiteral("DELETE FROM \"Recept\""));
    StockSql::run(db, QStringLiteral("DELETE FROM \"ReceptFej\""));
    for (const DosSources::RecipeLine &line : lines) {
        StockSql::run(db,
            QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                           "VALUES (?, ?, ?, ?)"),
            {line.etelKod, line.fokSzla, line.nyilvSzam, line.mennyiseg});
    }
    for (const DosSources::RecipeHead &head : heads) {
        StockSql::run(db,
            QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\") VALUES (?, ?, ?)"),
            {head.etelKod, head.megnevezes, head.enorma});
    }
}

void writePartners(QSqlDatabase db, const QList<DosSources::Partner> &partners, const Settings *settings)
{
    // The catch-all partner stays: movements name it whatever the predecessor held.
    StockSql::run(db, QStringLiteral("DELETE FROM \"Partner\" WHERE \"PartAzon\" <> ?"), {CatchAllPartner});
    const QString sql = QStringLiteral(
        "INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\", \"Telefon\", \"Mobil\", "
        "\"FAX\", \"E-mail\", \"Adoszam\", \"Szamlaszam\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int largest = 0;
    for (const DosSources::Partner &p : partners)
        largest = std::max(largest, p.partAzon.toInt());
    for (const DosSources::Partner &p : partners) {
        // The predecessor's "00001" moves behind the others: "00001" is the owner institution here.
        const QString code = p.partAzon == OwnerPartnerCode
            ? QStringLiteral("%1").arg(largest + 1, 5, 10, QLatin1Char('0'))
            : p.partAzon;
        StockSql::run(db, sql,
            {code, p.nev, p.irszam, p.telepules, p.utca, QStringLiteral("(  )   -"), QStringLiteral("(  )   -"),
                QStringLiteral("(  )   -"), QString(), QStringLiteral("        - -"),
                QStringLiteral("        -        -")});
    }
    QString error;
    if (!settings || !OwnerPartner::update(db, *settings, &error))
        throw DatabaseFailure {error};
}

void writeLedgerAccounts(QSqlDatabase db, const QList<DosSources::LedgerAccount> &accounts)
{
    StockSql::run(db, QStringLiteral("DELETE FROM \"Fokszam\""));
    for (const DosSources::LedgerAccount &account : accounts) {
        StockSql::run(db, QStringLiteral("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES (?, ?)"),
            {account.fokonyviSzam, account.megnevezes});
    }
}

// Refused while the warehouse holds anything but opening rows of the work year.
Refusal openingAllowed(QSqlDatabase db, int workYear)
{
    PreparedStatement &count = StockSql::run(db,
        QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE NOT (\"BizSzam\" = ? AND \"Mozgnem\" = '00' "
                       "AND \"Datum\" >= ? AND \"Datum\" <= ?)"),
        {OpeningNumber, Sql::date(QDate(workYear, 1, 1)), Sql::date(QDate(workYear, 12, 31))});
    const qint64 others = count.next() ? count.integer(0) : 0;
    count.finish();
    if (others == 0)
        return Refusal();
    return Refusal::error(QStringLiteral("A raktárban már %1 készletmozgás van, a nyitókészlet csak mozgás nélküli "
                                         "raktárba tölthető be. A nyitókészletet nem importáltam, semmi sem változott.")
                              .arg(others));
}

void writeOpeningStock(QSqlDatabase db, const QList<DosOpeningStock::Balance> &balances, const Request &request)
{
    StockSql::run(db,
        QStringLiteral("DELETE FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Mozgnem\" = '00' AND \"Datum\" >= ? "
                       "AND \"Datum\" <= ?"),
        {OpeningNumber, Sql::date(QDate(request.workYear, 1, 1)), Sql::date(QDate(request.workYear, 12, 31))});
    MovementTable table(db);
    for (const DosOpeningStock::Balance &balance : balances) {
        MovementRow row;
        row.bk = QStringLiteral("BE");
        row.mozgnem = QStringLiteral("00");
        row.bizSzam = OpeningNumber;
        row.datum = request.openingDate;
        row.sorszam = QString::number(request.workYear) + QStringLiteral("/00000");
        row.fokSzla = balance.fokSzla;
        row.nyilvSzam = balance.nyilvSzam;
        row.partAzon = OwnerPartnerCode;
        row.user = request.user;
        row.afaKod = QStringLiteral("01");
        row.tetelMenny = balance.quantity;
        row.tetelErtek = balance.value;
        row.kiAr = balance.value.dividedBy(balance.quantity, 2).value_or(Money());
        row.beAr = row.kiAr;
        row.brutto = balance.value;
        row.keszletMenny = balance.quantity;
        row.keszletErtek = balance.value;
        table.insert(row);
    }
}

// Every material's stock fields from its rows; the materials whose predecessor stock differed.
QStringList recalculateStock(QSqlDatabase db, const QList<DosSources::Material> &imported)
{
    QHash<QString, double> dosStock;
    for (const DosSources::Material &m : imported)
        dosStock.insert(m.fokSzla + QLatin1Char('-') + m.nyilvSzam, m.keszletMenny);
    const auto keys = readRows<std::pair<QString, QString>>(db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"NyilvSzam\" FROM \"Anyag\" ORDER BY \"FokonyviSzam\", \"NyilvSzam\""),
        {}, [](const QSqlQuery &q) { return std::pair(q.value(0).toString(), q.value(1).toString()); });
    if (!keys.ok())
        throw DatabaseFailure {keys.refusal.text};
    QStringList differs;
    StockRecalculator recalculator(db, false);
    for (const auto &[fokSzla, nyilvSzam] : keys.value) {
        const StockRecalculator::Result result = recalculator.run(fokSzla, nyilvSzam, QDate(), true);
        const QString name = fokSzla + QLatin1Char('-') + nyilvSzam;
        const auto dos = dosStock.constFind(name);
        if (dos != dosStock.constEnd()
            && Rounding::round(*dos, 3) != Rounding::round(result.material.keszletMennyiseg, 3)) {
            differs << QStringLiteral("%1: a DOS-os törzsben %2, a tételek szerint %3")
                           .arg(name, QString::number(*dos), QString::number(result.material.keszletMennyiseg));
        }
    }
    return differs;
}

} // namespace

Refusal checkOpeningDate(const QDate &date, int workYear)
{
    if (date.isValid() && date.year() == workYear)
        return Refusal();
    return Refusal::error(
        QStringLiteral("A nyitótétel dátumának a munkaévbe (%1) kell esnie!").arg(workYear), QStringLiteral("dtpDatum"));
}

Checked<QString> recipeQuestion(QSqlDatabase warehouse)
{
    const auto counts = readRows<std::pair<qint64, qint64>>(warehouse,
        QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT \"EtelKod\") FROM \"Etlap\" WHERE \"FokSzam\" = '1000'"), {},
        [](const QSqlQuery &q) { return std::pair(q.value(0).toLongLong(), q.value(1).toLongLong()); });
    if (!counts.ok())
        return Checked<QString>::refused(counts.refusal);
    const auto [rows, recipes] = counts.value.value(0);
    if (rows == 0)
        return Checked<QString>::accepted(QString());
    return Checked<QString>::accepted(
        QStringLiteral("Az étlapokon %1 sor %2 receptre hivatkozik. Az importálás a recepteket a DOS-os receptekre "
                       "cseréli, ezek a sorok azután az azonos kódú új receptet jelentik.\rFolytatja?")
            .arg(rows)
            .arg(recipes));
}

Checked<Report> run(QSqlDatabase warehouse, const Request &request)
{
    const QSet<Part> parts(request.parts.cbegin(), request.parts.cend());
    if (parts.isEmpty())
        return Checked<Report>::refused(Refusal::error(QStringLiteral("Nincs kiválasztva importálandó adat!")));
    if (parts.contains(Part::OpeningStock)) {
        if (const Refusal refusal = checkOpeningDate(request.openingDate, request.workYear))
            return Checked<Report>::refused(refusal);
    }
    QList<Part> ordered;
    for (Part part : DosSources::allParts()) {
        if (parts.contains(part))
            ordered << part;
    }
    const Checked<DosSources::Data> read = DosSources::read(request.folder, ordered);
    if (!read.ok())
        return Checked<Report>::refused(read.refusal);
    const DosSources::Data &data = read.value;

    Report report;
    report.notEncodable = data.notEncodable;
    const auto materials = withoutDuplicates(
        data.materials, [](const DosSources::Material &m) { return m.fokSzla + QLatin1Char('-') + m.nyilvSzam; },
        QStringLiteral("anyag"), report.duplicates);
    const auto heads = withoutDuplicates(
        data.recipeHeads, [](const DosSources::RecipeHead &h) { return h.etelKod; }, QStringLiteral("recept"),
        report.duplicates);
    const auto partners = withoutDuplicates(
        data.partners, [](const DosSources::Partner &p) { return p.partAzon; }, QStringLiteral("partner"),
        report.duplicates, {CatchAllPartner});
    const auto accounts = withoutDuplicates(
        data.ledgerAccounts, [](const DosSources::LedgerAccount &a) { return a.fokonyviSzam; },
        QStringLiteral("FK szám"), report.duplicates);
    const DosOpeningStock::Result opening = DosOpeningStock::balances(data.movements, request.workYear);
    for (const DosSources::Material &m : materials)
        report.unknownUnits = report.unknownUnits || m.mertekegyseg == QLatin1String("ISM!");

    const WriteResult written = WriteTransaction::run(
        warehouse,
        [&]() -> Refusal {
            if (parts.contains(Part::OpeningStock)) {
                if (const Refusal refusal = openingAllowed(warehouse, request.workYear))
                    return refusal;
            }
            if (parts.contains(Part::Materials))
                writeMaterials(warehouse, materials);
            if (parts.contains(Part::Recipes))
                writeRecipes(warehouse, data.recipeLines, heads);
            if (parts.contains(Part::Partners))
                writePartners(warehouse, partners, request.settings);
            if (parts.contains(Part::LedgerAccounts))
                writeLedgerAccounts(warehouse, accounts);
            if (parts.contains(Part::OpeningStock))
                writeOpeningStock(warehouse, opening.balances, request);
            report.stockDiffers = recalculateStock(warehouse, materials);
            if (parts.contains(Part::Recipes) && !RecipeRecompute::all(warehouse, request.today))
                throw DatabaseFailure {QStringLiteral("a receptek tápanyagértékét nem sikerült kiszámítani")};
            return Refusal();
        },
        request.lockKey);
    if (!written.ok())
        return Checked<Report>::refused(written.refusal);

    report.materials = parts.contains(Part::Materials) ? int(materials.size()) : 0;
    report.recipeHeads = parts.contains(Part::Recipes) ? int(heads.size()) : 0;
    report.recipeLines = parts.contains(Part::Recipes) ? int(data.recipeLines.size()) : 0;
    report.partners = parts.contains(Part::Partners) ? int(partners.size()) + 1 : 0;
    report.ledgerAccounts = parts.contains(Part::LedgerAccounts) ? int(accounts.size()) : 0;
    if (parts.contains(Part::OpeningStock)) {
        report.openingRows = int(opening.balances.size());
        report.openingSkipped = opening.skipped;
    }
    return Checked<Report>::accepted(report);
}

QString successText(const Report &report)
{
    return QStringLiteral("A konverzió sikeresen befejeződött.\rAnyag: %1, recept: %2 (%3 sor), partner: %4, "
                          "főkönyvi szám: %5, nyitótétel: %6.")
        .arg(report.materials)
        .arg(report.recipeHeads)
        .arg(report.recipeLines)
        .arg(report.partners)
        .arg(report.ledgerAccounts)
        .arg(report.openingRows);
}

QString unknownUnitText()
{
    return QStringLiteral("Ismeretlen mértékegység kód van az anyagtörzsben. ISM! jelöléssel lett ellátva. Kérem "
                          "ezeket módosítsa a megfelelőre! Ez nem hiba.");
}

QList<Refusal> notices(const Report &report)
{
    QList<Refusal> list;
    const auto add = [&list](const QString &title, const QStringList &lines) {
        if (!lines.isEmpty())
            list << Refusal::warning(title + QLatin1Char('\r') + lines.join(QLatin1Char('\r')));
    };
    add(QStringLiteral("A duplázásokat kihagytam:"), report.duplicates);
    if (report.unknownUnits)
        list << Refusal::information(unknownUnitText());
    add(QStringLiteral("Ezek a nevek Windows-1250 kódlapon nem írható karaktert tartalmaznak:"), report.notEncodable);
    add(QStringLiteral("Ezek az anyagok nem kaptak nyitótételt:"), report.openingSkipped);
    add(QStringLiteral("Ezeknek az anyagoknak a DOS-os törzsben tárolt készlete eltért a tételeikből számolttól "
                       "(a tételek szerinti készlet érvényes):"),
        report.stockDiffers);
    return list;
}

} // namespace DosImport
