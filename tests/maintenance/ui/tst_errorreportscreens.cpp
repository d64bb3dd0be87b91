#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "maintenance/ErrorReport.h"
#include "maintenance/ui/frmHibariport.h"
#include "maintenance/ui/frmSetMail.h"
#include "session/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The error report wizard and its contact dialog.
class TestErrorReportScreens : public QObject
{
    Q_OBJECT

private slots:
    // "&Kész" records only a description of two characters or more, and counts the entries.
    void recordsAndCounts()
    {
        QTemporaryDir programDir;
        Settings settings;
        settings.setProgramPath(programDir.path());
        ScriptedMessenger messenger;
        ScriptedFilePrompt files;
        ScriptedDatePrompt dates;
        TfrmHibariport screen({settings, messenger, files, dates});
        QCOMPARE(screen.Label8->text(), QStringLiteral("Bejegyzések száma: 0"));
        screen.memJelenseg->setPlainText(QStringLiteral("x"));
        screen.btnKesz->click();
        QCOMPARE(messenger.last().text, ErrorReport::emptyText());
        screen.memJelenseg->setPlainText(QStringLiteral("Nem nyomtat a leltár"));
        screen.btnKesz->click();
        QCOMPARE(messenger.last().text, ErrorReport::recordedText());
        QCOMPARE(screen.Label8->text(), QStringLiteral("Bejegyzések száma: 1"));
        QVERIFY(screen.memJelenseg->toPlainText().isEmpty());
    }

    // The warehouse goes with a report only when ticked; a contact without e-mail or phone cannot send.
    void contactDialog()
    {
        ScriptedMessenger messenger;
        TfrmSetMail dialog(messenger, true);
        QVERIFY(!dialog.chkRaktar->isChecked());
        QVERIFY(dialog.chkAltalany->isChecked());
        dialog.edtMail->setText(QStringLiteral("a@b"));
        dialog.edtTel->setText(QStringLiteral("12345"));
        dialog.btnKuldes->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(messenger.last().text, ErrorReport::contactRequiredText());
        dialog.edtKapcs->setText(QStringLiteral("Kiss\nAnna"));
        dialog.edtTel->setText(QStringLiteral("123456"));
        dialog.btnKuldes->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.contact().name, QStringLiteral("Kiss Anna"));
    }
};

QTEST_MAIN(TestErrorReportScreens)
#include "tst_errorreportscreens.moc"
