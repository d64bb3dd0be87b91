#include "stock/StockLedger.h"

#include "core/MaterialKey.h"
#include "core/Messenger.h"
#include "core/Rounding.h"
#include "stock/ItemChecks.h"
#include "stock/MovementTable.h"
#include "stock/StockMessages.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "store/WriteTransaction.h"

#include <QSet>
#include <QSqlError>

namespace {

const QString FocusDate = QStringLiteral("dtpBizDatum");
const QString FocusMaterial = QStringLiteral("dbcAnyag");
const QString FocusNumber = QStringLiteral("edtBizSorsz");
const QString FocusPartner = QStringLiteral("dbcPartner");
const QString FocusMovementType = QStringLiteral("dbcMozgnem");
const QString FocusQuantity = QStringLiteral("edtMennyiseg");

const Money Marker = Money::fromUnits(qint64(MovementRow::InProgress) * Money::Scale);

bool isVoucherNumber(const QString &text)
{
    if (text.size() != 8)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Only a movement type of Mozgnem, with a direction of "BE" or "KI", is recorded.
bool isDirection(const QString &bk)
{
    return bk == QLatin1String("BE") || bk == QLatin1String("KI");
}

QString unknownMovementType()
{
    return QStringLiteral("Hibás értékadás!\rNem létező mozgásnemet adott meg!");
}

// The movement type's direction is not the voucher's.
QString wrongDirection(const QString &bk)
{
    return bk == QLatin1String("KI") ? QStringLiteral("Hibás értékadás!\rNem kiadási mozgásnemet adott meg!")
                                     : QStringLiteral("Hibás értékadás!\rNem bevételezési mozgásnemet adott meg!");
}

// One write transaction around `body`: a refusal or a database error rolls everything back, and
// the outcome then carries nothing written.
template <typename Body> StockOutcome inTransaction(QSqlDatabase db, Body body)
{
    StockOutcome outcome;
    const WriteResult written = WriteTransaction::run(db, [&] {
        body(outcome);
        return outcome.refusal;
    });
    if (written.failed()) {
        outcome = StockOutcome();
        outcome.failed = true;
    }
    outcome.refusal = written.refusal;
    return outcome;
}

} // namespace

StockLedger::StockLedger(QSqlDatabase warehouse, StockOptions options)
    : m_db(warehouse)
    , m_options(std::move(options))
{
}

Refusal StockLedger::warningRefusal(const QString &text, const QString &focus)
{
    return Refusal {QStringLiteral("Figyelmeztetés!"), Symbol::Warning, text, focus};
}

Refusal StockLedger::workYearWarning(const QDate &datum, int workYear)
{
    if (datum.year() == workYear)
        return Refusal();
    return warningRefusal(StockMessages::outsideWorkYear());
}

Refusal StockLedger::precheck(const StockItem &item) const
{
    try {
        const MovementTable::ItemFacts facts = MovementTable(m_db).itemFacts(rowFor(item, QString()), 0);
        if (facts.closed.isValid() && item.datum <= facts.closed)
            return warningRefusal(StockMessages::closedMonth(), FocusDate);
        if (!facts.decimals)
            return Refusal::error(StockMessages::noMaterial(), FocusMaterial);
    } catch (const DatabaseFailure &failure) {
        return WriteFailure::readFailed(failure.detail);
    }
    if (!isVoucherNumber(item.bizSzam))
        return Refusal::error(StockMessages::badVoucherNumber(), FocusNumber);
    return Refusal();
}

MovementRow StockLedger::rowFor(const StockItem &item, const QString &bk) const
{
    MovementRow row;
    row.bk = bk;
    row.mozgnem = item.mozgnem;
    row.bizSzam = item.bizSzam;
    row.datum = item.datum;
    row.fokSzla = item.fokSzla;
    row.nyilvSzam = item.nyilvSzam;
    row.partAzon = item.partAzon;
    row.user = m_options.user;
    row.afaKod = item.afaKod;
    row.tetelMenny = item.quantity;
    row.stat = item.stat;
    row.keszletMenny = MovementRow::InProgress;
    row.keszletErtek = Marker;
    row.kiAr = Marker;
    if (row.isReceipt()) {
        row.beAr = item.netUnit;
        row.tetelErtek = item.netTotal;
        row.afaErtek = item.vatTotal;
        row.brutto = item.grossTotal;
        row.lejarat = item.lejarat;
    } else {
        row.beAr = Marker;
        row.afaErtek = Marker;
        row.brutto = Marker;
        row.tetelErtek = m_options.kiadAr ? item.netTotal : Marker;
    }
    return row;
}

Refusal StockLedger::checkItem(
    const MovementTable::ItemFacts &facts, MovementRow &row, bool newMode, QString *partner) const
{
    // The facts are read inside the transaction: a month closed on another computer a minute ago
    // is closed here.
    if (facts.closed.isValid() && row.datum <= facts.closed)
        return warningRefusal(StockMessages::closedMonth(), FocusDate);
    if (const Refusal refusal = checkMaterial(facts.decimals, row))
        return refusal;
    if (!isVoucherNumber(row.bizSzam))
        return Refusal::error(StockMessages::badVoucherNumber(), FocusNumber);
    return checkRow(facts, row, facts.pass, newMode, partner);
}

Refusal StockLedger::checkMaterial(const std::optional<int> &decimals, MovementRow &row) const
{
    if (!decimals)
        return Refusal::error(StockMessages::noMaterial(), FocusMaterial);
    // Quantities are kept to the material's decimals, so that the rows add up to the balance.
    row.tetelMenny = Rounding::round(row.tetelMenny, *decimals);
    return Refusal();
}

Refusal StockLedger::checkRow(const MovementTable::ItemFacts &facts, const MovementRow &row,
    const MovementTable::Pass &pass, bool newMode, QString *partner) const
{
    if (pass.sameMaterial)
        return Refusal::error(StockMessages::sameMaterialTwice(), FocusMaterial);
    if (!pass.otherPartner.isEmpty()) {
        if (partner)
            *partner = pass.otherPartner;
        return Refusal::error(StockMessages::otherPartner(), FocusPartner);
    }
    if (pass.openingDate.isValid() && pass.openingDate > row.datum)
        return warningRefusal(StockMessages::beforeOpening(), FocusDate);
    if (row.isReceipt()) {
        if (pass.openingDate.isValid() && row.mozgnem == QLatin1String("00")
            && pass.openingDate.year() == row.datum.year())
            return warningRefusal(StockMessages::openingExists(), FocusMovementType);
        if (newMode && (row.tetelMenny == 0 || row.beAr < Money()))
            return Refusal::error(StockMessages::zeroQuantity(), FocusQuantity);
    }
    return ItemChecks::check(row, facts);
}

StockOutcome StockLedger::post(const StockVoucher &voucher)
{
    return inTransaction(m_db, [&](StockOutcome &outcome) {
        outcome.refusal = postRows(voucher, outcome);
        if (!outcome.ok()) {
            // The items' fields are not on the screen that posts a whole voucher.
            const QString focus = outcome.refusal.focus;
            if (focus != FocusNumber && focus != FocusMovementType)
                outcome.refusal.focus.clear();
        }
    });
}

Refusal StockLedger::postRows(const StockVoucher &voucher, StockOutcome &outcome) const
{
    MovementTable table(m_db);
    VoucherNumbers numbers(m_db);
    auto rowOf = [&](StockItem item, const QString &bizSzam) {
        item.mozgnem = voucher.mozgnem;
        item.bizSzam = bizSzam;
        item.datum = voucher.datum;
        item.partAzon = voucher.partAzon;
        item.stat = voucher.stat;
        MovementRow row = rowFor(item, voucher.bk);
        if (!row.isReceipt() && !voucher.typedValues)
            row.tetelErtek = Marker;
        return row;
    };
    // The voucher's own facts come with its first item's (an empty voucher's row names no material).
    QString bizSzam = voucher.bizSzam;
    MovementTable::ItemFacts facts = table.itemFacts(rowOf(voucher.items.value(0), bizSzam), 0);
    if (facts.closed.isValid() && voucher.datum <= facts.closed)
        return warningRefusal(StockMessages::closedMonth());
    if (facts.direction != voucher.bk)
        return Refusal::error(wrongDirection(voucher.bk), FocusMovementType);
    if (voucher.items.isEmpty())
        return Refusal();
    if (voucher.numberProposed && isVoucherNumber(bizSzam) && facts.numberTaken) {
        bizSzam = numbers.proposeAbove(facts.highestNumber);
        // No row holds the new number, so the first item's facts need only their opening date.
        facts.pass = MovementTable::Pass {false, facts.pass.openingDate, QString()};
        facts.sorszam.clear();
    }
    if (!isVoucherNumber(bizSzam))
        return Refusal::error(StockMessages::badVoucherNumber(), FocusNumber);
    const QString storedSorszam = facts.sorszam;
    const QString counter = facts.counter;

    // Every check first, against the rows stored before this voucher: the rows it adds share its
    // partner and never repeat a material (checked here), so checking each against the rows before
    // it would answer the same while re-reading a growing voucher.
    QList<MovementRow> rows;
    QSet<MaterialKey> materials;
    for (qsizetype i = 0; i < voucher.items.size(); ++i) {
        MovementRow row = rowOf(voucher.items.at(i), bizSzam);
        if (i > 0)
            facts = table.itemFacts(row, 0);
        if (voucher.vatInForce) {
            row.afaKod = facts.vatInForce;
            facts.vatExists = !row.afaKod.isEmpty();
        }
        if (const Refusal refusal = checkMaterial(facts.decimals, row))
            return refusal;
        MovementTable::Pass pass = facts.pass;
        pass.sameMaterial = pass.sameMaterial || materials.contains(MaterialKey {row.fokSzla, row.nyilvSzam});
        if (const Refusal refusal = checkRow(facts, row, pass, true, &outcome.partAzon))
            return refusal;
        materials.insert(MaterialKey {row.fokSzla, row.nyilvSzam});
        rows << row;
    }

    // The voucher's running number: that of its rows stored already, or the next one.
    const QString sorszam
        = storedSorszam.isEmpty() ? numbers.takeRunningNumber(voucher.datum.year(), counter) : storedSorszam;
    StockRecalculator recalculator(m_db, m_options.kiadAr);
    for (MovementRow &row : rows) {
        row.sorszam = sorszam;
        row.raktAzon = table.insert(row);
        const StockRecalculator::Result result = recalculator.run(row.fokSzla, row.nyilvSzam, row.datum, true);
        if (result.negative)
            return warningRefusal(StockMessages::negativeOnRecord());
        outcome.notices.add(result.material);
        outcome.raktAzon = row.raktAzon;
        ++outcome.rows;
    }
    outcome.bizSzam = bizSzam;
    outcome.sorszam = sorszam;
    return Refusal();
}

StockOutcome StockLedger::record(const StockItem &item)
{
    return inTransaction(m_db, [&](StockOutcome &outcome) {
        MovementTable table(m_db);
        VoucherNumbers numbers(m_db);
        // Read with the movement type's direction, which the row takes.
        MovementTable::ItemFacts facts = table.itemFacts(rowFor(item, QString()), 0);
        if (!isDirection(facts.direction)) {
            outcome.refusal = Refusal::error(unknownMovementType(), FocusMovementType);
            return;
        }
        MovementRow row = rowFor(item, facts.direction);
        // A proposal that another computer has taken meanwhile is proposed afresh; a typed
        // number joins its voucher.
        if (item.numberProposed && isVoucherNumber(row.bizSzam) && facts.numberTaken) {
            row.bizSzam = numbers.proposeAbove(facts.highestNumber);
            // No row holds the new number: only the opening date of the pass stands.
            facts.pass = MovementTable::Pass {false, facts.pass.openingDate, QString()};
            facts.sorszam.clear();
        }
        outcome.refusal = checkItem(facts, row, true, &outcome.partAzon);
        if (!outcome.ok())
            return;

        row.sorszam = facts.sorszam.isEmpty() ? numbers.takeRunningNumber(row.datum.year(), facts.counter)
                                              : facts.sorszam;
        row.raktAzon = table.insert(row);

        StockRecalculator recalculator(m_db, m_options.kiadAr);
        const StockRecalculator::Result result = recalculator.run(row.fokSzla, row.nyilvSzam, row.datum, true);
        if (result.negative) {
            outcome.refusal = warningRefusal(StockMessages::negativeOnRecord(), FocusQuantity);
            return;
        }
        outcome.raktAzon = row.raktAzon;
        outcome.bizSzam = row.bizSzam;
        outcome.sorszam = row.sorszam;
        outcome.notices.add(result.material);
    });
}

StockOutcome StockLedger::change(qint64 raktAzon, const StockItem &item)
{
    return inTransaction(m_db, [&](StockOutcome &outcome) {
        MovementTable table(m_db);
        const std::optional<MovementRow> old = table.row(raktAzon);
        if (!old) {
            outcome.refusal = Refusal::error(StockMessages::rowMissing());
            return;
        }
        MovementRow row = rowFor(item, old->bk);
        row.stat = old->stat;
        const MovementTable::ItemFacts facts = table.itemFacts(row, raktAzon);
        if (facts.closed.isValid() && old->datum <= facts.closed) {
            outcome.refusal = warningRefusal(StockMessages::closedMonth(), FocusDate);
            return;
        }
        if (!isDirection(facts.direction)) {
            outcome.refusal = Refusal::error(unknownMovementType(), FocusMovementType);
            return;
        }
        outcome.refusal = checkItem(facts, row, false, &outcome.partAzon);
        if (!outcome.ok())
            return;

        row.sorszam = facts.sorszam.isEmpty() ? old->sorszam : facts.sorszam;
        const bool sameMaterial = row.fokSzla == old->fokSzla && row.nyilvSzam == old->nyilvSzam;
        const bool inPlace = sameMaterial && row.datum == old->datum;
        if (inPlace) {
            row.raktAzon = raktAzon;
            table.update(row);
        } else {
            row.raktAzon = table.insert(row);
            table.remove(raktAzon);
        }

        StockRecalculator recalculator(m_db, m_options.kiadAr);
        StockRecalculator::Result result;
        if (sameMaterial) {
            result = recalculator.run(row.fokSzla, row.nyilvSzam, qMin(row.datum, old->datum), true);
        } else {
            const StockRecalculator::Result left = recalculator.run(old->fokSzla, old->nyilvSzam, old->datum, true);
            if (left.negative) {
                outcome.refusal = warningRefusal(StockMessages::negativeOnChange(), FocusQuantity);
                return;
            }
            result = recalculator.run(row.fokSzla, row.nyilvSzam, row.datum, true);
        }
        if (result.negative) {
            outcome.refusal = warningRefusal(StockMessages::negativeOnChange(), FocusQuantity);
            return;
        }
        outcome.raktAzon = row.raktAzon;
        outcome.bizSzam = row.bizSzam;
        outcome.sorszam = row.sorszam;
        outcome.notices.add(result.material);
    });
}

StockOutcome StockLedger::remove(qint64 raktAzon)
{
    return inTransaction(m_db, [&](StockOutcome &outcome) {
        MovementTable table(m_db);
        const std::optional<MovementRow> old = table.row(raktAzon);
        if (!old) {
            outcome.refusal = Refusal::error(StockMessages::rowMissing());
            return;
        }
        const QDate closed = table.closingDate();
        if (closed.isValid() && old->datum <= closed) {
            outcome.refusal = warningRefusal(StockMessages::closedMonth());
            return;
        }
        table.remove(raktAzon);
        StockRecalculator recalculator(m_db, m_options.kiadAr);
        const StockRecalculator::Result result = recalculator.run(old->fokSzla, old->nyilvSzam, old->datum, true);
        if (result.negative) {
            outcome.refusal = warningRefusal(StockMessages::negativeOnDelete());
            return;
        }
        outcome.raktAzon = raktAzon;
        outcome.rows = 1;
        outcome.notices.add(result.material);
    });
}

StockOutcome StockLedger::removeIssueVoucher(const QDate &datum, const QString &bizSzam)
{
    return inTransaction(m_db, [&](StockOutcome &outcome) {
        MovementTable table(m_db);
        const QList<MovementRow> rows = table.manualIssueRows(datum, bizSzam);
        if (rows.isEmpty()) {
            outcome.refusal = Refusal::warning(StockMessages::noIssueVoucher());
            return;
        }
        const QDate closed = table.closingDate();
        if (closed.isValid() && datum <= closed) {
            outcome.refusal = warningRefusal(StockMessages::closedMonth());
            return;
        }
        QList<MaterialKey> materials;
        for (const MovementRow &row : rows) {
            table.remove(row.raktAzon);
            const MaterialKey key {row.fokSzla, row.nyilvSzam};
            if (!materials.contains(key))
                materials << key;
        }
        StockRecalculator recalculator(m_db, m_options.kiadAr);
        for (const auto &key : materials) {
            if (recalculator.run(key.account, key.number, datum, true).negative) {
                outcome.refusal = warningRefusal(StockMessages::negativeOnDelete());
                return;
            }
        }
        outcome.bizSzam = bizSzam;
        outcome.rows = int(rows.size());
    });
}
