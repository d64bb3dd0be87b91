#pragma once

#include <QString>

struct Services;
class TFormMain;
class TfrmSetup;

// The names of the shell's own menu commands (the menu items' objectNames).
namespace ShellCommands {
inline const QString DefaultsPage = QStringLiteral("Alaprtelmezettrtkek1");
inline const QString PrintPage = QStringLiteral("Nyomtats1");
inline const QString CalcPage = QStringLiteral("Szmtsok1");
inline const QString DialogsPage = QStringLiteral("Dialgusbelltsok1");
inline const QString UsersPage = QStringLiteral("Jelszavakbelltsa1");
inline const QString OperationPage = QStringLiteral("Mkdsiparamterek1");
inline const QString RunParameters = QStringLiteral("Futsiparamterek1");
inline const QString About = QStringLiteral("Nevjegy1");
// Answered by the main window itself.
inline const QString WorkYearInfo = QStringLiteral("Aktvvlekrse1");
inline const QString VendorWebSite = QStringLiteral("Salviaazinterneten1");
inline const QString Exit = QStringLiteral("Kilepes");
} // namespace ShellCommands

// Registers the main-menu commands of the shell itself: the settings dialog's six pages (the dialog
// lives for the whole run; each command shows its page, page 4 holds the users page), the run
// parameters, the help viewer (help commands, F1 on the main window, the settings dialog's
// "&Súgó") and the about box.
void registerShellCommands(TFormMain &window, const Services &services, TfrmSetup &setup);
