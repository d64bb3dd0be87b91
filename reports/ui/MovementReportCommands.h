#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the voucher lists, the movement summary, the usage reports and the
// headcount and norm reports, by the names of their menu items.
namespace MovementReportCommands {

inline const QString ReceiptList = QStringLiteral("Bevtelibizonylatoklistja1");
inline const QString IssueList = QStringLiteral("Kiadsibizonylatoklistja1");
inline const QString MovementSummary = QStringLiteral("Mozgssszest1");
inline const QString Usage = QStringLiteral("nylegesanyagfelhasznls1");
inline const QString UsageDetail = QStringLiteral("Anyagfelhasznls1");
inline const QString MealMaterials = QStringLiteral("tkezsreanyaglista1");
inline const QString MealMaterialsDetailed = QStringLiteral("Bellslistatkezses1");
inline const QString MealDeviation = QStringLiteral("Napirtkeklistja1");
inline const QString MovementDeviation = QStringLiteral("Bellslista1");
inline const QString Headcounts = QStringLiteral("Ltszmsszest1");
inline const QString MonthlyHeadcounts = QStringLiteral("Haviltszm1");
inline const QString MonthlyUsage = QStringLiteral("Havianyagfelhasznls1");

} // namespace MovementReportCommands

// Registers the screens, each opened on the active warehouse. Their menu items lie under
// "&Lekérdezés", whose access the menu rights decide.
void registerMovementReportCommands(CommandRegistry &registry, const Services &services);
