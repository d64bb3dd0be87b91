#include "session/EngineConfig.h"
#include "shell/ui/FormMain.h"
#include "session/Settings.h"
#include "shell/ui/UiStartup.h"
#include "widgets/frmDialog.h"
#include "stock/ui/frmMunkaEv.h"
#include "users/ui/frmPassword.h"
#include "widgets/frmRaktarKiv.h"
#include "support/TempDatabase.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

// The program's start on screen: main window, message dialog and the real start-up dialogs,
// answered by a "user" that looks at whichever modal window is in front.
class TestAppStartupWiring : public QObject
{
    Q_OBJECT

    struct User
    {
        bool busy = false;
        QStringList seen; // objectName of each window answered, message texts for the dialog
        QString password = TempDatabase::password();
        QString year;
        int warehouse = 0;
    };

    static void click(QPushButton *button) { button->click(); }

    // Looks for a modal window in front and answers it from a fresh single-shot timer: a click
    // that opens the next modal window must leave the polling timer free to answer that one too.
    static void poll(User &user)
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (user.busy || !modal || !modal->isVisible())
            return;
        user.busy = true;
        QTimer::singleShot(0, modal, [&user, modal] {
            user.busy = false;
            answer(user, modal);
        });
    }

    static void answer(User &user, QWidget *modal)
    {
        if (auto *login = qobject_cast<TfrmPassword *>(modal)) {
            user.seen << login->objectName();
            login->findChild<QLineEdit *>("edtUserName")->setText(TempDatabase::userName());
            login->findChild<QLineEdit *>("edtPassword")->setText(user.password);
            click(login->findChild<QPushButton *>("btnOK"));
        } else if (auto *choice = qobject_cast<TfrmRaktarKiv *>(modal)) {
            user.seen << choice->objectName();
            choice->comRaktar->setCurrentIndex(user.warehouse);
            click(choice->btnOK);
        } else if (auto *year = qobject_cast<TfrmMunkaEv *>(modal)) {
            user.seen << year->objectName();
            if (!user.year.isEmpty())
                year->edtDatum->setText(user.year);
            click(year->btnOK);
        } else if (auto *dialog = qobject_cast<TfrmDialog *>(modal)) {
            user.seen << dialog->windowTitle();
            if (!dialog->buttons().isEmpty())
                click(dialog->buttons().first());
        } else {
            user.seen << modal->metaObject()->className();
            modal->close();
        }
    }

    struct Program
    {
        TempDatabase db {QDate::currentDate()};
        QTemporaryDir programDir;
        QString oldCurrent = QDir::currentPath();
        Settings settings;
        User user;

        Program()
        {
            QVERIFY2(db.isValid(), qPrintable(db.errorText()));
            QVERIFY(EngineConfig(programDir.path()).writeValue(EngineConfig::aliasPathEntry("Salvia"), db.path()).ok());
            // No update check against the vendor's server from a test.
            QFile ini(programDir.filePath("salvia.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Mukodes]\r\nVerChk=0\r\nDisaLock=0\r\n");
            ini.close();
            QDir::setCurrent(programDir.path());
        }
        ~Program() { QDir::setCurrent(oldCurrent); }

        // Shows the main window and lets the user answer until the start-up has run.
        void start(TFormMain &window)
        {
            QTimer responder;
            QObject::connect(&responder, &QTimer::timeout, [this] { poll(user); });
            responder.start(20);
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(window.startupRan() && !QApplication::activeModalWidget(), 20000);
            responder.stop();
        }
    };

private slots:
    void startReachesTheWorkingWindow()
    {
        Program program;
        program.user.warehouse = 2;
        TFormMain window(program.settings);
        TfrmDialog dialog(&window);
        UiStartup::install(window, dialog, program.settings);

        program.start(window);

        QVERIFY(window.isVisible());
        QCOMPARE(program.user.seen, QStringList({"frmPassword", "frmRaktarKiv"}));
        QCOMPARE(window.windowTitle(), QString("Salvia - [ Teszt Konyha Kft. ] - 1111 Budapest, Fő utca 1."));
        QCOMPARE(window.statusPanelText(0), TempDatabase::userName());
        QCOMPARE(window.statusPanelText(1), QString("Superuser"));
        QCOMPARE(window.statusPanelText(2), QString("3. konyha"));
        QCOMPARE(window.statusPanelText(3), QString::fromUtf8("•"));
        QCOMPARE(program.settings.aktivRaktar(), 3);
        QCOMPARE(program.settings.programPath(), program.programDir.path());
        QCOMPARE(program.settings.munkaEv(), QString::number(QDate::currentDate().year()));
        window.setAskOnExit(false);
    }

    void closedYearIsOpenedThroughTheYearDialog()
    {
        Program program;
        QVERIFY(QSqlQuery(program.db.warehouse(1)).exec("UPDATE Munkaev SET AktivEv = 0"));
        program.user.year = QString::number(QDate::currentDate().year() + 1);
        TFormMain window(program.settings);
        TfrmDialog dialog(&window);
        UiStartup::install(window, dialog, program.settings);

        program.start(window);

        QCOMPARE(program.user.seen, QStringList({"frmPassword", "frmRaktarKiv", "frmMunkaEv", "Információ"}));
        QCOMPARE(program.settings.munkaEv(), program.user.year);
        QVERIFY(window.isVisible());
        window.setAskOnExit(false);
    }

    void threeWrongPasswordsCloseTheWindowWithoutAsking()
    {
        Program program;
        program.user.password = "rossz";
        TFormMain window(program.settings);
        TfrmDialog dialog(&window);
        UiStartup::install(window, dialog, program.settings);

        program.start(window);

        QCOMPARE(program.user.seen,
            QStringList({"frmPassword", "HIBA!", "frmPassword", "HIBA!", "frmPassword", "HIBA!", "STOP!"}));
        QVERIFY(!window.isVisible());
        QVERIFY(!window.askOnExit());
    }
};

QTEST_MAIN(TestAppStartupWiring)
#include "tst_startupwiring.moc"
