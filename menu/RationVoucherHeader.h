#pragma once

#include "core/LookupEntry.h"
#include "core/Refusal.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// What the header of the issue voucher of a ration sheet shows: the issue movement types and the
// partner's name and address.
namespace RationVoucherHeader {

// The movement type of the a-la-carte issue ("08"): the day deletion and the voucher corrections
// tell a-la-carte issue rows by it, so no other issue may post it and the a-la-carte issue posts
// nothing else.
QString aLaCarteType();

// The movement types with direction "KI", by name: code and name. Without `only`, every one but
// the a-la-carte type; with it, that one type. A refused read says so with its cause.
Checked<LookupList> issueTypes(QSqlDatabase db, const QString &only = QString());

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
