#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>

// What the header of the issue voucher of a ration sheet shows: the issue movement types and the
// partner's name and address.
namespace RationVoucherHeader {

// The movement types with direction "KI", by name: code and name.
QList<QPair<QString, QString>> issueTypes(QSqlDatabase db);

struct Partner
{
    QString name;
    QString address; // Irszam + " " + Telepules + ", " + Utca
};
Partner partner(QSqlDatabase db, const QString &partAzon);

// Leaving the voucher number field: digits between 1 and 99999999 padded to eight digits,
// anything else replaced by the proposed number.
QString normalizedNumber(const QString &typed, const QString &proposed);

} // namespace RationVoucherHeader
