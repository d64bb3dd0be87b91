#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the code tables, partners and raw materials: each name is the menu
// item's name in the main menu table.
namespace MasterCommands {

inline const QString LedgerAccounts = QStringLiteral("Fknyviszmok1");
inline const QString MovementTypes = QStringLiteral("Mozgsnemek1");
inline const QString VatRates = QStringLiteral("FAkdtr1");
inline const QString Units = QStringLiteral("Mrtkegysgkdtr1");
inline const QString Allergens = QStringLiteral("Allergnanyagok1");
inline const QString LossCodes = QStringLiteral("Vesztesgikdok1");
inline const QString MealNorms = QStringLiteral("tkezsinormk1");
inline const QString MealTypes = QStringLiteral("tkezstipusok1");
inline const QString Meals = QStringLiteral("tkezsek1");
inline const QString Materials = QStringLiteral("salvia1");
inline const QString Partners = QStringLiteral("Partnerek1");
inline const QString Warehouses = QStringLiteral("zemekkarbantartsa1");

} // namespace MasterCommands

// Registers every screen of the code tables, the partners and the raw materials. The services
// must outlive the registry's commands (they live for the whole run).
void registerMasterCommands(CommandRegistry &registry, const Services &services);
