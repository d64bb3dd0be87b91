#pragma once

#include "core/Refusal.h"
#include "master/BrowseSpec.h"

#include <QSqlDatabase>
#include <QString>

// One partner as the edit screen holds it; masked fields with their literal characters.
struct PartnerEntry
{
    QString id;
    QString name;
    QString postalCode;
    QString settlement;
    QString street;
    QString phone;
    QString mobile;
    QString fax;
    QString email;
    QString taxNumber;
    QString bankAccount;

    bool operator==(const PartnerEntry &) const = default;
};

// The partners (suppliers and other parties of the vouchers). "00000", the catch-all partner,
// and "00001", the institution itself, are fixed: they are neither changed nor deleted here.
namespace Partners {

const BrowseSpec &browse();
QString reportTitle();

bool isFixed(const QString &id);
// The highest id read as a number plus one, with five digits ("00018"); beyond 99999 the bare
// number, which the id check then refuses.
QString nextId(QSqlDatabase db);

// The checks of name, postal code, settlement and street (and the field lengths), in order.
Refusal checkFields(const PartnerEntry &entry);
// New partner: the id's range and existence first, then the fields; the row is inserted in the
// same transaction that found the id free.
Refusal insert(QSqlDatabase db, const PartnerEntry &entry);
// The ten non-key fields of a partner that is not fixed.
Refusal update(QSqlDatabase db, const PartnerEntry &entry);
Refusal checkModify(const QString &id);
// A fixed partner or one that a movement row names stays.
Refusal checkDelete(QSqlDatabase db, const QString &id);
Refusal remove(QSqlDatabase db, const QString &id);
// The partner's fields; an empty entry when there is none.
PartnerEntry read(QSqlDatabase db, const QString &id);

} // namespace Partners
