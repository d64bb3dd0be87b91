#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "shell/ui/frmSetup.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The OK / Mégse / Súgó buttons of every settings page stand apart by the usual gap, whatever
// spacing the page uses for its own rows.
class TestShellSetupButtons : public QObject
{
    Q_OBJECT
private slots:
    void buttonGaps_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("Alapértékek") << int(TfrmSetup::PageDefaults) << QStringList {"btnOK0", "btnMegse0", "btnSugo0"};
        QTest::newRow("Nyomtatás") << int(TfrmSetup::PagePrint) << QStringList {"btnOK1", "btnMegse1", "btnSugo1"};
        QTest::newRow("Számítások") << int(TfrmSetup::PageCalc) << QStringList {"btnOK2", "btnSugo2"};
        QTest::newRow("Dialógusok") << int(TfrmSetup::PageDialogs) << QStringList {"btnOK3", "btnMegse3", "btnSugo3"};
    }
    void buttonGaps()
    {
        QFETCH(int, page);
        QFETCH(QStringList, buttons);
        QTemporaryDir dir;
        Settings settings;
        settings.setProgramPath(dir.path());
        ScriptedMessenger messenger;
        ScriptedFilePrompt files;
        ScriptedDatePrompt dates;
        TfrmSetup dialog(Services {settings, messenger, files, dates});
        dialog.openPage(page);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (qsizetype i = 0; i + 1 < buttons.size(); ++i) {
            auto *left = dialog.findChild<QPushButton *>(buttons.at(i));
            auto *right = dialog.findChild<QPushButton *>(buttons.at(i + 1));
            QVERIFY(left && right);
            const int gap = right->geometry().left() - left->geometry().right() - 1;
            QVERIFY2(gap >= 6, qPrintable(buttons.at(i) + QStringLiteral(": %1 px").arg(gap)));
        }
    }
};

QTEST_MAIN(TestShellSetupButtons)
#include "tst_setupbuttons.moc"
