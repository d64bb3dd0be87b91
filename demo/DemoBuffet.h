#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

struct RationTotal;

// The staff buffet of the demo kitchen: two dish groups, a few recipes priced a la carte, and on
// every day a small a-la-carte menu whose sheet is issued as an "08" voucher, all through the
// calls the a-la-carte screens use. Its choices are fixed by the day, so the kitchen's own
// random sequence is not touched.
class DemoBuffet
{
public:
    // Receives what a sheet's totals lack on the day (the kitchen's morning delivery).
    using Receive = std::function<bool(const QList<RationTotal> &totals, QString *error)>;

    DemoBuffet(QSqlDatabase db, const QString &user);

    // The groups and the prices of the soups and mains, inside the master data's write.
    bool writePrices(const QStringList &soups, const QStringList &mains, const QDate &day, QString *error);
    // The day's buffet menu and, for an issued day, its sheet received and issued, inside the
    // day's write.
    bool runDay(const QDate &day, bool issued, int workYear, const Receive &receive, QString *error);

private:
    QSqlDatabase m_db;
    QString m_user;
    QStringList m_soups;
    QStringList m_mains;
};
