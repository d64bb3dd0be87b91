#include "shell/ui/UiShellCommands.h"

#include "shell/ui/AboutBox.h"
#include "shell/ui/FormMain.h"
#include "session/Settings.h"
#include "widgets/UiHelp.h"
#include "users/ui/frmJelszavak.h"
#include "shell/ui/frmParams.h"
#include "shell/ui/frmSetup.h"
#include "printing/ui/qrpOffline.h"
#include "exchange/ui/UiUpdateCheck.h"
#include "proceedings/ui/frmEditbox.h"

void registerShellCommands(TFormMain &window, Settings &settings, Messenger &messenger, FilePrompt &filePrompt,
                           TfrmSetup &setup)
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
        {"Jelszavakbelltsa1", TfrmSetup::PageUsers},
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

    // Page 4: users and passwords. Deleting one's own login ends the program without the exit question.
    auto *users = new TfrmJelszavak(settings, messenger);
    users->setEndProgram([&window, &setup] {
        setup.reject();
        window.endWithoutAsking();
    });
    QObject::connect(users, &TfrmJelszavak::closeRequested, &setup, &TfrmSetup::accept);
    QObject::connect(users, &TfrmJelszavak::helpRequested, &setup,
        [&setup, &settings, &messenger](const QString &page) { showHelp(&setup, settings, messenger, page); });
    setup.setUsersPage(users);

    window.registerAction(QStringLiteral("Frisstsellenrzseazinterneten1"), [&window, &settings, &messenger] {
        if (UiUpdateCheck::run(messenger, settings, true) == UpdateOutcome::NewerAccepted)
            window.endWithoutAsking();
    });

    window.registerScreen(QStringLiteral("Szvegszerkeszt1"), [&settings, &messenger, &filePrompt](QWidget *parent) {
        return std::unique_ptr<QDialog>(new TfrmEditbox(settings, messenger, filePrompt, parent));
    });
    window.registerAction(QStringLiteral("Nyomtatsfjlbl1"),
        [&window, &messenger, &filePrompt] { TqrpOffline(messenger, filePrompt).run(&window); });
}
