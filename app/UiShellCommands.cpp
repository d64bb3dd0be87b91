#include "app/UiShellCommands.h"

#include "app/AboutBox.h"
#include "app/FormMain.h"
#include "app/Settings.h"
#include "app/UiHelp.h"
#include "app/frmParams.h"
#include "app/frmSetup.h"

void registerShellCommands(TFormMain &window, Settings &settings, Messenger &messenger, TfrmSetup &setup)
{
    const struct
    {
        const char *command;
        int page;
    } pages[] = {
        {"Alaprtelmezettrtkek1", TfrmSetup::PageDefaults},
        {"Nyomtats1", TfrmSetup::PagePrint},
        {"Szmtsok1", TfrmSetup::PageCalc},
        {"Dialgusbelltsok1", TfrmSetup::PageDialogs},
        {"Mkdsiparamterek1", TfrmSetup::PageOperation},
    };
    for (const auto &entry : pages) {
        const int page = entry.page;
        window.registerAction(QString::fromLatin1(entry.command), [&setup, page] { setup.execPage(page); });
    }

    window.registerScreen(QStringLiteral("Futsiparamterek1"),
        [&settings](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmParams(settings, parent)); });

    window.setHelpViewer(
        [&window, &settings, &messenger](const QString &page) { showHelp(&window, settings, messenger, page); });
    QObject::connect(&setup, &TfrmSetup::helpRequested, &setup,
        [&setup, &settings, &messenger](const QString &page) { showHelp(&setup, settings, messenger, page); });

    window.registerScreen(QStringLiteral("Nevjegy1"),
        [&settings](QWidget *parent) { return std::unique_ptr<QDialog>(new TAboutBox(settings, parent)); });
}
