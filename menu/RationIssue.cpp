#include "menu/RationIssue.h"

#include "core/Messenger.h"
#include "core/Rounding.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
#include "menu/RationSql.h"
#include "stock/ItemChecks.h"
#include "stock/MovementTable.h"
#include "stock/StockMessages.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "store/PreparedStatement.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace {

const Money Marker = Money::fromUnits(qint64(MovementRow::InProgress) * Money::Scale);

bool isVoucherNumber(const QString &text)
{
    if (text.size() != 8)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

Refusal stockWarning(const QString &text)
{
    return Refusal {QStringLiteral("Figyelmeztetés!"), Symbol::Warning, text, QString()};
}

// The VAT code in force on the date for the material's VAT group: the last Afa row of the group
// dated on or before it; empty when there is none.
QString vatCode(StockSql::Statements &statements, const QString &account, const QString &number, const QDate &date)
{
    QSqlQuery &query = statements.run(
        QStringLiteral("SELECT f.\"Afakod\" FROM \"Afa\" f JOIN \"Anyag\" a ON a.\"AfaCsoport\" = f.\"AfaCsoport\" "
                       "WHERE a.\"FokonyviSzam\" = ? AND a.\"NyilvSzam\" = ? AND f.\"Datum\" <= ? "
                       "ORDER BY f.\"Datum\", f.\"Afakod\""),
        {account, number, Sql::date(date)});
    QString code;
    while (query.next())
        code = query.value(0).toString();
    return code;
}

void addNotices(RationIssueOutcome &outcome, const MaterialStock &material)
{
    if (material.keszletMin > 0 && material.keszletMennyiseg < material.keszletMin)
        outcome.notices << Refusal::information(StockMessages::belowMinimum(material.megnevezes));
    if (material.keszletMax > 0 && material.keszletMennyiseg > material.keszletMax)
        outcome.notices << Refusal::information(StockMessages::aboveMaximum(material.megnevezes));
}

} // namespace

RationIssue::RationIssue(QSqlDatabase db, StockOptions options)
    : m_db(db)
    , m_options(std::move(options))
{
}

Refusal RationIssue::shortage(const RationSheet &sheet)
{
    if (!sheet.hasShortage())
        return Refusal();
    return Refusal::warning(
        QStringLiteral("Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA kiadáshoz módosítania "
                       "kell a mennyiségeket vagy új kiszabatot készíteni."));
}

bool RationIssue::postsItems(const RationSheet &sheet)
{
    return std::any_of(
        sheet.totals().begin(), sheet.totals().end(), [](const RationTotal &total) { return total.quantity > 0; });
}

QString RationIssue::question()
{
    return QStringLiteral("A kiszabat utólag nem módosítható! Biztos benne hogy a kiszabatot kiadja a raktárból?");
}

Refusal RationIssue::failure()
{
    return Refusal {QStringLiteral("Hiba"), Symbol::Error,
        QStringLiteral("Hiba történt az automatikus kiadás során! Nem lett kivételezve semmi! Folytathatja a munkát."),
        QString()};
}

QString RationIssue::success()
{
    return QStringLiteral("A kiszabat sikeresen ki lett adva a raktárból.");
}

QString RationIssue::printQuestion()
{
    return QStringLiteral("Kívánja a kiadási bizonylatot kinyomtatni?");
}

QString RationIssue::proposeNumber() const
{
    try {
        return VoucherNumbers(m_db).propose();
    } catch (const StockSql::Failure &) {
        return QString();
    }
}

QString RationIssue::nextRunningNumber(int year) const
{
    try {
        return VoucherNumbers(m_db).nextRunningNumber(year);
    } catch (const StockSql::Failure &) {
        return QString();
    }
}

// The body of the issue inside its transaction; a refusal leaves the caller to roll back.
static void issueRows(QSqlDatabase db, const StockOptions &options, const RationSheet &sheet,
    const RationIssueHeader &header, RationIssueOutcome &outcome)
{
    MovementTable table(db);
    VoucherNumbers numbers(db);
    const QDate closed = table.closingDate();
    if (closed.isValid() && sheet.date() <= closed) {
        outcome.refusal = stockWarning(StockMessages::closedMonth());
        return;
    }
    const QString bk = table.direction(header.mozgnem);
    if (bk != QLatin1String("KI")) {
        outcome.refusal = Refusal::error(
            QStringLiteral("Hibás értékadás!\rNem kiadási mozgásnemet adott meg!"), QStringLiteral("dbcMozgnem"));
        return;
    }
    if (!RationIssue::postsItems(sheet))
        return;
    QString bizSzam = header.bizSzam;
    if (header.numberProposed && isVoucherNumber(bizSzam) && table.numberTaken(bizSzam))
        bizSzam = numbers.propose();
    if (!isVoucherNumber(bizSzam)) {
        outcome.refusal = Refusal::error(StockMessages::badVoucherNumber(), QStringLiteral("edtBizSorsz"));
        return;
    }
    // Every check first, against the rows stored before this issue: the rows it adds share its
    // partner and never repeat a material (checked here), so checking each against the rows before
    // it would answer the same while re-reading a growing voucher.
    StockSql::Statements lookups(db);
    const bool voucherStored = table.voucherStored(bizSzam, sheet.date());
    QList<MovementRow> rows;
    QSet<MaterialKey> materials;
    for (const RationTotal &total : sheet.totals()) {
        if (!(total.quantity > 0))
            continue;
        const std::optional<int> decimals = table.materialDecimals(total.account, total.number);
        if (!decimals) {
            outcome.refusal = Refusal::error(StockMessages::noMaterial());
            return;
        }
        MovementRow row;
        row.bk = bk;
        row.mozgnem = header.mozgnem;
        row.bizSzam = bizSzam;
        row.datum = sheet.date();
        row.fokSzla = total.account;
        row.nyilvSzam = total.number;
        row.partAzon = header.partAzon;
        row.user = options.user;
        row.afaKod = vatCode(lookups, total.account, total.number, sheet.date());
        row.tetelMenny = Rounding::round(total.quantity, *decimals);
        row.stat = true;
        row.keszletMenny = MovementRow::InProgress;
        row.keszletErtek = row.kiAr = row.beAr = row.afaErtek = row.brutto = row.tetelErtek = Marker;
        if (const Refusal refusal = ItemChecks::check(table, row)) {
            outcome.refusal = refusal;
            return;
        }
        MovementTable::Pass pass;
        if (voucherStored)
            pass = table.pass(row, 0);
        else
            pass.openingDate = table.openingDate(row.fokSzla, row.nyilvSzam, 0);
        if (pass.sameMaterial || materials.contains({row.fokSzla, row.nyilvSzam})) {
            outcome.refusal = Refusal::error(StockMessages::sameMaterialTwice());
            return;
        }
        if (!pass.otherPartner.isEmpty()) {
            outcome.refusal = Refusal::error(StockMessages::otherPartner());
            return;
        }
        if (pass.openingDate.isValid() && pass.openingDate > row.datum) {
            outcome.refusal = stockWarning(StockMessages::beforeOpening());
            return;
        }
        materials.insert({row.fokSzla, row.nyilvSzam});
        rows << row;
    }

    // The voucher's running number: that of its rows stored already, or the next one.
    QString sorszam = voucherStored ? table.voucherSorszam(bizSzam, sheet.date(), bk, 0) : QString();
    if (sorszam.isEmpty())
        sorszam = numbers.takeRunningNumber(sheet.date().year());
    StockRecalculator recalculator(db, options.kiadAr);
    for (MovementRow &row : rows) {
        row.sorszam = sorszam;
        table.insert(row);
        const StockRecalculator::Result result = recalculator.run(row.fokSzla, row.nyilvSzam, row.datum, true);
        if (result.negative) {
            outcome.refusal = stockWarning(StockMessages::negativeOnRecord());
            return;
        }
        addNotices(outcome, result.material);
        ++outcome.rows;
    }
    outcome.bizSzam = bizSzam;
    outcome.sorszam = sorszam;
}

// Marks the meals issued, copies the lines and stamps the recipes used.
static void completeSheet(QSqlDatabase db, const RationSheet &sheet, const RationIssueHeader &header,
    const QString &bizSzam, const QDate &today)
{
    QSqlQuery query(db);
    // A sheet of zeros posts no row: its lines are kept with an empty (not a null) voucher number.
    const QString number = bizSzam.isEmpty() ? QStringLiteral("") : bizSzam;
    const QStringList codes = sheet.mealCodes();
    QVariantList values {header.mozgnem, Sql::date(sheet.date())};
    for (const QString &code : codes)
        values << code;
    StockSql::run(query,
        QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = TRUE, \"Mozgnem\" = ? WHERE \"Datum\" = ? AND ")
            + RationSql::anyOf(QStringLiteral("\"Etkezesek\""), int(codes.size())),
        values);
    // Each dish of the sheet once, however many of its lines there are.
    QSet<QString> dishes;
    PreparedStatement insert(db,
        QStringLiteral("INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", "
                       "\"Mertekegyseg\", \"Datum\", \"EtkKod\", \"EtkTip\", \"Letszam\", \"Norma_fo\", \"Norma_etk\", "
                       "\"NyilvAr\", \"Anyagar\", \"BizSzam\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (!insert.isValid())
        throw StockSql::Failure {insert.error()};
    for (const RationLine &line : sheet.lines()) {
        insert.bindText(0, line.account);
        insert.bindText(1, line.number);
        insert.bindText(2, line.dishName);
        insert.bindReal(3, line.quantity);
        insert.bindText(4, line.unit);
        insert.bindDate(5, line.date);
        insert.bindText(6, line.mealCode);
        insert.bindText(7, line.mealName);
        insert.bindInteger(8, line.headcount);
        insert.bindMoney(9, line.normPerPerson);
        insert.bindMoney(10, line.normMeal);
        insert.bindMoney(11, line.price);
        insert.bindMoney(12, line.value);
        insert.bindText(13, number);
        if (!insert.exec())
            throw StockSql::Failure {insert.error()};
        dishes.insert(line.dishName);
    }
    for (const QString &dish : std::as_const(dishes))
        StockSql::run(query, QStringLiteral("UPDATE \"ReceptFej\" SET \"UseDat\" = ? WHERE \"Megnevezes\" = ?"),
            {Sql::date(today), dish});
}

RationIssueOutcome RationIssue::issue(
    const RationSheet &sheet, const RationIssueHeader &header, const QString &owner, const QDate &today)
{
    RationIssueOutcome outcome;
    TransactionGuard guard(m_db);
    if (!guard.isActive()) {
        outcome.refusal = Refusal::error(StockMessages::databaseError(guard.errorText()));
        return outcome;
    }
    try {
        // Read inside the transaction: a meal issued meanwhile, here or on another computer,
        // stops the whole issue.
        const QStringList codes = sheet.mealCodes();
        const auto meals = RationInput::meals(m_db, sheet.date(), codes);
        if (!meals.ok()) {
            outcome.refusal = meals.refusal;
            return outcome;
        }
        if (codes.isEmpty() || meals.value.size() != codes.size()) {
            outcome.refusal = failure();
            return outcome;
        }
        issueRows(m_db, m_options, sheet, header, outcome);
        if (!outcome.ok())
            return RationIssueOutcome {outcome.refusal};
        completeSheet(m_db, sheet, header, outcome.bizSzam, today);
        if (const Refusal refusal = RationDraft::removeRows(m_db, owner)) {
            return RationIssueOutcome {refusal};
        }
    } catch (const StockSql::Failure &failure) {
        return RationIssueOutcome {Refusal::error(StockMessages::databaseError(failure.detail))};
    }
    if (!guard.commit())
        return RationIssueOutcome {Refusal::error(StockMessages::databaseError(guard.errorText()))};
    return outcome;
}
