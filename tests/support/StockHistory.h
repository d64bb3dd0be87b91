#pragma once

#include <QDate>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QString>

class StockLedger;
struct StockItem;

// Random operations through the stock engine, as the voucher screens call it: receipts (some
// back-dated, some openings, some negative), issues (some beyond the stock), item changes (quantity,
// price, another material or date), item deletions (some of a material's latest row, or its move
// to another material) and whole issue-voucher deletions, over three
// dozen materials of different decimals, across two years after the last closing. Some operations
// are whole days of use: the day's receipts, then its ration sheet computed from a menu of the
// history's recipes and issued by menu; now and then an issued day is deleted instead. Others are
// a-la-carte days: buffet dishes added to the day's a-la-carte menu, their materials received, and
// the open rows' sheet issued as one "08" voucher. Several copies may run on one warehouse at once.
class StockHistory
{
public:
    StockHistory(QSqlDatabase warehouse, quint32 seed, bool kiadAr);

    // The ledger account of the history's materials and how many there are.
    static QString ledgerAccount() { return QStringLiteral("900"); }
    static constexpr int MaterialCount = 36;

    struct Result
    {
        int operations = 0;
        int done = 0;
        int refused = 0;
        bool failed = false; // the engine reported a database error
        QString error;
        double seconds = 0;
        QString line() const;
    };

    // Creates the materials when they are missing (one transaction), then runs the operations.
    Result run(int operations);

    // The command line: DBDIR WAREHOUSE OPERATIONS SEED [--kiadar]; prints Result::line().
    static int main(const QStringList &arguments);

private:
    bool createMaterials(QString *error);
    QDate randomDate();
    QString material();
    StockItem receipt();
    StockItem receiptOf(const QString &nyilvSzam, const QDate &date, double quantity);
    StockItem priced(StockItem item);
    StockItem issue();
    bool change(StockLedger &ledger, bool *refused);
    bool removeItem(StockLedger &ledger, bool *refused);
    // Deletes the latest row of a material in calculation order, or moves it to another material.
    bool removeLatest(StockLedger &ledger, bool *refused);
    bool removeVoucher(StockLedger &ledger, bool *refused);
    bool createKitchen(QString *error);
    bool dayOfUse(StockLedger &ledger, bool *refused, QString *error);
    bool aLaCarteDay(StockLedger &ledger, bool *refused, QString *error);
    bool receiveRecipes(StockLedger &ledger, const QString &menuTable, const QDate &date, QString *error);
    bool planDay(const QDate &date, QString *error);
    qint64 randomRow();
    QString voucherNumber(bool *proposed);

    QSqlDatabase m_db;
    QRandomGenerator m_random;
    bool m_kiadAr;
    int m_firstYear = 0;
};
