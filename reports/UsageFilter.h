#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"

#include <QVariantList>

// The filter panel of the usage reports (by movement type and per material): period, ledger
// account, register-number, movement-type and partner ranges, and the optional material group and
// VAT code. Every value is bound; an empty one drops its condition.
struct UsageFilter
{
    static inline const QString LedgerAccount = QStringLiteral("fokSzla");
    static inline const QString MaterialFrom = QStringLiteral("anyagtol");
    static inline const QString MaterialTo = QStringLiteral("anyagig");
    static inline const QString MovementFrom = QStringLiteral("mozgnemtol");
    static inline const QString MovementTo = QStringLiteral("mozgnemig");
    static inline const QString PartnerFrom = QStringLiteral("partnertol");
    static inline const QString PartnerTo = QStringLiteral("partnerig");
    static inline const QString Group = QStringLiteral("csoport"); // empty: "Anyag csop." not ticked
    static inline const QString Vat = QStringLiteral("afaKod"); // empty: "ÁFA" not ticked

    // The conditions on the movement rows `r` and their materials `a` (joined outer, so a row
    // whose material is gone counts unless a material group is chosen), starting with " WHERE".
    static QString where(const ReportParameters &parameters, QVariantList &values);
    // The status panel shared by both screens: "Összesítés: BE: ...  KI: ...  Egyenleg: ...".
    static QString totalsText(const Money &received, const Money &issued);
};
