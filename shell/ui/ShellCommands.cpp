#include "shell/ui/ShellCommands.h"

#include "shell/ui/AboutBox.h"
#include "shell/ui/FormMain.h"
#include "shell/ui/frmParams.h"
#include "shell/ui/frmSetup.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "users/ui/frmJelszavak.h"
#include "widgets/UiHelp.h"

void registerShellCommands(TFormMain &window, const Services &services, TfrmSetup &setup)
{
    const std::pair<const QString &, int> pages[] = {
        {ShellCommands::DefaultsPage, TfrmSetup::PageDefaults},
        {ShellCommands::PrintPage, TfrmSetup::PagePrint},
        {ShellCommands::CalcPage, TfrmSetup::PageCalc},
        {ShellCommands::DialogsPage, TfrmSetup::PageDialogs},
        {ShellCommands::UsersPage, TfrmSetup::PageUsers},
        {ShellCommands::OperationPage, TfrmSetup::PageOperation},
    };
    for (const auto &[command, page] : pages)
        window.registerAction(command, [&setup, page = page] { setup.execPage(page); });

    Settings &settings = services.settings;
    Messenger &messenger = services.messenger;
    window.registerScreen(ShellCommands::RunParameters,
        [&settings](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmParams(settings, parent)); });

    window.setHelpViewer(
        [&window, &settings, &messenger](const QString &page) { showHelp(&window, settings, messenger, page); });
    QObject::connect(&setup, &TfrmSetup::helpRequested, &setup,
        [&setup, &settings, &messenger](const QString &page) { showHelp(&setup, settings, messenger, page); });

    window.registerScreen(ShellCommands::About,
        [&settings](QWidget *parent) { return std::unique_ptr<QDialog>(new TAboutBox(settings, parent)); });

    // Page 4: users and passwords. Deleting one's own login ends the program without the exit question.
    auto *users = new TfrmJelszavak(services);
    users->setEndProgram([&window, &setup] {
        setup.reject();
        window.endWithoutAsking();
    });
    QObject::connect(users, &TfrmJelszavak::closeRequested, &setup, &TfrmSetup::accept);
    QObject::connect(users, &TfrmJelszavak::helpRequested, &setup,
        [&setup, &settings, &messenger](const QString &page) { showHelp(&setup, settings, messenger, page); });
    setup.setUsersPage(users);
}
