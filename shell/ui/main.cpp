#include "shell/ui/FormMain.h"
#include "session/Settings.h"
#include "shell/SingleInstance.h"
#include "widgets/UiFilePrompt.h"
#include "widgets/UiLogo.h"
#include "widgets/UiQtTranslation.h"
#include "shell/ui/AllCommands.h"
#include "shell/CommandCheck.h"
#include "shell/CommandLine.h"
#include "shell/ProgramHome.h"
#include "session/ProgramFiles.h"
#include "Version.h"
#include "session/Services.h"
#include "widgets/UiDatePrompt.h"
#include "shell/ui/UiStartup.h"
#include "widgets/frmDialog.h"
#include "shell/ui/frmSetup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is read before any window: help, version and a wrong option end here.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
        QTextStream(stdout) << CommandLine::usageText();
        return 0;
    case CommandLine::Action::Version:
        QTextStream(stdout) << CommandLine::versionText(QStringLiteral(SALVIA_VERSION));
        return 0;
    case CommandLine::Action::Refused:
        QTextStream(stderr) << line.error << '\n' << CommandLine::usageText();
        return 2;
    default:
        break;
    }
    if (line.isWindowless()) {
        // Windowless: create, import, export, repair, back up, restore, check, dump or close, then end.
        QCoreApplication app(argc, argv);
        QFile in;
        in.open(stdin, QIODevice::ReadOnly);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return line.runWindowless(in, out, err, ProgramHome::location());
    }

    QApplication app(argc, argv);

    // The run works in the user's program directory, made on the first start.
    const Refusal homeRefused = ProgramHome::enter(ProgramHome::location());
    if (homeRefused) {
        QString text = homeRefused.text;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QTextStream(stderr) << text << Qt::endl;
        QMessageBox::critical(nullptr, homeRefused.caption, text);
        return 1;
    }
    UiQtTranslation::install(app, QDir::currentPath());

    // One copy per computer and user: a second start says so, brings the running copy forward and ends.
    SingleInstance instance;
    if (!instance.tryStart()) {
        QString text = SingleInstance::alreadyRunningText();
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox::information(nullptr, QStringLiteral("Salvia"), text);
        instance.activateRunningCopy();
        return 0;
    }

    QApplication::setApplicationName(QStringLiteral("Salvia"));
    QApplication::setWindowIcon(QIcon(salviaIcon()));

    Settings settings;
    settings.setProgramPath(QDir::currentPath());
    settings.setIsPrinter(int(QPrinterInfo::availablePrinterNames().size()));
    UiFilePrompt filePrompt;

    // The three objects of the whole run, in this order: main window, message dialog, settings.
    TFormMain window(settings);
    TfrmDialog dialog(&window);
    window.setMessenger(dialog);
    UiDatePrompt datePrompt(&window);
    const Services services{settings, dialog, filePrompt, datePrompt};
    TfrmSetup setup(services, &window);
    QObject::connect(&setup, &TfrmSetup::symbolOffsetChanged, &dialog, &TfrmDialog::setSymbolOffset);
    registerAllCommands(window, services, setup);
    // A menu command that no room registered, or a registration the menu does not know, is a fault
    // of the build: say so and do not start with a half-wired menu.
    const QStringList problems = CommandCheck::problems(window.registeredCommands(), window.unknownRegistrations());
    if (!problems.isEmpty()) {
        QTextStream(stderr) << problems.join(QLatin1Char('\n')) << Qt::endl;
        return 3;
    }

    // The start-up sequence (login, warehouse, work year, menu rights) runs once the window is
    // painted; the work year is read again after a monthly closing or a restore.
    UiStartup::install(window, dialog, settings);

    // Help pages and pictures missing from every place they may lie: say which, then go on.
    Refusal::warning(ProgramFiles::missingText(settings.programPath(), QCoreApplication::applicationDirPath()))
        .show(dialog);

    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &TFormMain::bringToFront);

    window.show();
    const int result = app.exec();
    // Settings writes go to salvia.ini at once, so nothing is left to flush here.
    return result;
}
