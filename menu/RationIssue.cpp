#include "menu/RationIssue.h"

#include "core/Messenger.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
#include "menu/RationSql.h"
#include "menu/RationVoucherHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSet>
#include <algorithm>

StockVoucher RationIssue::voucherOf(const RationSheet &sheet, const RationIssueHeader &header)
{
    StockVoucher voucher;
    voucher.bk = QStringLiteral("KI");
    voucher.mozgnem = header.mozgnem;
    voucher.bizSzam = header.bizSzam;
    voucher.numberProposed = header.numberProposed;
    voucher.datum = sheet.date();
    voucher.partAzon = header.partAzon;
    voucher.stat = true;
    voucher.vatInForce = true;
    for (const RationTotal &total : sheet.totals()) {
        if (!(total.quantity > 0))
            continue;
        StockItem item;
        item.fokSzla = total.account;
        item.nyilvSzam = total.number;
        item.quantity = total.quantity;
        voucher.items << item;
    }
    return voucher;
}

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

// Copies the sheet's lines into Kiszabat, many rows per statement: runs of 64, 32, ... 1 rows, so
// a sheet takes a few statements and the connection keeps at most seven texts of the insert.
static void copyLines(QSqlDatabase db, const QList<RationLine> &lines, const QString &bizSzam)
{
    static const QString head = QStringLiteral(
        "INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", \"Mertekegyseg\", "
        "\"Datum\", \"EtkKod\", \"EtkTip\", \"Letszam\", \"Norma_fo\", \"Norma_etk\", \"NyilvAr\", \"Anyagar\", "
        "\"BizSzam\") VALUES ");
    static const QString row = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    constexpr qsizetype LongestRun = 64;
    for (qsizetype done = 0; done < lines.size();) {
        qsizetype run = LongestRun;
        while (run > lines.size() - done)
            run /= 2;
        QVariantList values;
        for (qsizetype i = done; i < done + run; ++i)
            values << RationSql::lineValues(lines.at(i)) << bizSzam;
        StockSql::run(db, head + QStringList(run, row).join(QStringLiteral(", ")), values);
        done += run;
    }
}

// Marks the meals issued, copies the lines and stamps the recipes used.
static void completeSheet(QSqlDatabase db, const RationSheet &sheet, const RationIssueHeader &header,
    const QString &bizSzam, const QDate &today)
{
    // A sheet of zeros posts no row: its lines are kept with an empty (not a null) voucher number.
    const QString number = bizSzam.isEmpty() ? QStringLiteral("") : bizSzam;
    const QStringList codes = sheet.mealCodes();
    QVariantList values {header.mozgnem, Sql::date(sheet.date())};
    for (const QString &code : codes)
        values << code;
    StockSql::run(db,
        QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = TRUE, \"Mozgnem\" = ? WHERE \"Datum\" = ? AND ")
            + RationSql::anyOf(QStringLiteral("\"Etkezesek\""), int(codes.size())),
        values);
    copyLines(db, sheet.lines(), number);
    // Each dish of the sheet once, however many of its lines there are.
    QSet<QString> dishes;
    for (const RationLine &line : sheet.lines())
        dishes.insert(line.dishName);
    for (const QString &dish : std::as_const(dishes))
        StockSql::run(db, QStringLiteral("UPDATE \"ReceptFej\" SET \"UseDat\" = ? WHERE \"Megnevezes\" = ?"),
            {Sql::date(today), dish});
}

StockOutcome RationIssue::issue(
    const RationSheet &sheet, const RationIssueHeader &header, const QString &owner, const QDate &today)
{
    StockOutcome outcome;
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        if (header.mozgnem == RationVoucherHeader::aLaCarteType())
            return Refusal::error(QStringLiteral("Hibás értékadás!\rEz a mozgásnem az A la Carte kiadásé!"));
        // Read inside the transaction: a meal issued meanwhile, here or on another computer,
        // stops the whole issue.
        const QStringList codes = sheet.mealCodes();
        const auto meals = RationInput::meals(m_db, sheet.date(), codes);
        if (!meals.ok())
            return meals.refusal;
        if (codes.isEmpty() || meals.value.size() != codes.size())
            return failure();
        outcome = StockLedger(m_db, m_options).post(voucherOf(sheet, header));
        if (!outcome.ok())
            return outcome.refusal;
        completeSheet(m_db, sheet, header, outcome.bizSzam, today);
        return RationDraft::removeRows(m_db, owner);
    });
    if (written.ok())
        return outcome;
    StockOutcome refused;
    refused.refusal = written.refusal;
    refused.failed = outcome.failed || written.failed();
    return refused;
}
