#include "widgets/UiHelp.h"

#include "session/HelpPages.h"
#include "session/Settings.h"
#include "widgets/frmHelp.h"

#include <QShortcut>
#include <QUrl>

void showHelp(QWidget *parent, const Settings &settings, Messenger &messenger, const QString &page)
{
    const QString folder = HelpPages::folder(settings.programPath());
    if (HelpPages::findPage(folder, QUrl(page).path()).isEmpty()) {
        HelpPages::warnMissing(messenger, page);
        return;
    }
    TfrmHelp help(folder, messenger, parent);
    help.openPage(page);
    help.exec();
}

void installHelpKey(QWidget *screen, std::function<void()> openHelp)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), screen);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, screen, std::move(openHelp));
}

void installHelpKey(QWidget *screen, const Settings &settings, Messenger &messenger, const QString &page)
{
    installHelpKey(screen, [screen, &settings, &messenger, page] { showHelp(screen, settings, messenger, page); });
}
