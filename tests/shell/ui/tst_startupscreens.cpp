#include "widgets/frmDatum.h"
#include "stock/ui/frmMunkaEv.h"
#include "widgets/frmRaktarKiv.h"
#include "core/DatePrompt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The warehouse choice, work-year and date prompt screens.
class TestAppStartupScreens : public QObject
{
    Q_OBJECT

    // Runs step inside the modal loop that the next exec() starts.
    static void whenShown(const std::function<void()> &step) { QTimer::singleShot(0, step); }

private slots:
    void warehouseChoice_data()
    {
        QTest::addColumn<bool>("pressOk");
        QTest::addColumn<int>("chosen");
        QTest::newRow("OK on the third") << true << 2;
        QTest::newRow("closed without OK") << false << -1;
    }
    void warehouseChoice()
    {
        QFETCH(bool, pressOk);
        QFETCH(int, chosen);
        TfrmRaktarKiv form;
        form.setNames({"Konyha", "Büfé", "Étterem"});
        QCOMPARE(form.windowTitle(), QString("Raktár kiválasztása"));
        auto *combo = form.findChild<QComboBox *>("comRaktar");
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->maxVisibleItems(), 10);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(
            form.findChild<QLabel *>("lblRaktar")->text(), QString("Kérem válassza ki a használni kívánt raktárat:"));

        whenShown([&] {
            combo->setCurrentIndex(2);
            if (pressOk)
                form.findChild<QPushButton *>("btnOK")->click();
            else
                form.close();
        });
        QCOMPARE(form.choose(), chosen);
    }

    void warehouseListShowsTenRows()
    {
        TfrmRaktarKiv form;
        QStringList names;
        for (int n = 1; n <= 20; ++n)
            names << QStringLiteral("%1. konyha").arg(n);
        form.setNames(names);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *combo = form.findChild<QComboBox *>("comRaktar");
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const int rowHeight = list->sizeHintForRow(0);
        QVERIFY(rowHeight > 0);
        // Ten rows and a scroll bar, not the whole list of twenty.
        QVERIFY2(list->viewport()->height() <= rowHeight * 10 + rowHeight / 2,
            qPrintable(QStringLiteral("%1 px for rows of %2 px").arg(list->viewport()->height()).arg(rowHeight)));
        QVERIFY(list->viewport()->height() >= rowHeight * 9);
        combo->hidePopup();
    }

    void workYearDialogClosesOnlyOnAcceptedOk()
    {
        TfrmMunkaEv form;
        QCOMPARE(form.windowTitle(), QString("Aktív munkaév beállítása"));
        auto *year = form.findChild<QLineEdit *>("edtDatum");
        auto *message = form.findChild<QLabel *>("lblUzenet");
        auto *ok = form.findChild<QPushButton *>("btnOK");
        QVERIFY(year && message && ok);
        year->setText("200789");
        QCOMPARE(year->text(), QString("2007"));
        year->clear();
        QVERIFY(ok->isDefault());
        QCOMPARE(form.findChild<QLabel *>("lblAktivEv")->text(), QString("Aktív év :"));

        QStringList typed;
        bool readOnlyWhileWriting = false;
        form.askYear("Első sor\rMásodik sor\rHarmadik sor", "2007", [&](const QString &text) {
            typed << text;
            if (text != "2008")
                return false;
            form.showOpeningMessage("Nyitás folyamatban");
            readOnlyWhileWriting = year->isReadOnly();
            return true;
        });
        QCOMPARE(message->text(), QString("Első sor\nMásodik sor\nHarmadik sor"));
        QCOMPARE(year->text(), QString("2007"));
        QVERIFY(!year->isReadOnly());

        bool openAfterRefusal = false;
        bool openAfterClose = false;
        whenShown([&] {
            ok->click(); // 2007 refused
            openAfterRefusal
                = form.isVisible() && !year->isReadOnly() && message->text() == "Első sor\nMásodik sor\nHarmadik sor";
            form.close();
            QTest::keyClick(&form, Qt::Key_Escape);
            openAfterClose = form.isVisible();
            year->setText("2008");
            ok->click();
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterRefusal);
        QVERIFY(openAfterClose);
        QVERIFY(readOnlyWhileWriting);
        QCOMPARE(typed, QStringList({"2007", "2008"}));
        QCOMPARE(message->text(), QString("Nyitás folyamatban"));
    }

    void workYearDialogShowsAYearReadOnly()
    {
        TfrmMunkaEv form;
        form.showYear("Figyelem!", "2006");
        auto *year = form.findChild<QLineEdit *>("edtDatum");
        QVERIFY(year->isReadOnly());
        QCOMPARE(year->text(), QString("2006"));
        bool openAfterEscape = false;
        whenShown([&] {
            QTest::keyClick(&form, Qt::Key_Escape);
            openAfterEscape = form.isVisible();
            form.findChild<QPushButton *>("btnOK")->click();
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterEscape);
        QCOMPARE(year->text(), QString("2006"));
    }

    void datePrompt_data()
    {
        QTest::addColumn<bool>("pressOk");
        QTest::newRow("OK") << true;
        QTest::newRow("closed") << false;
    }
    void datePrompt()
    {
        QFETCH(bool, pressOk);
        TfrmDatum form;
        QCOMPARE(form.windowTitle(), QString("Dátum bekérés"));
        auto *label = form.findChild<QLabel *>("lblDatum");
        QCOMPARE(label->text(), QString("Nyitótétel dátuma:"));
        form.setLabel("Zárási dátum:");
        QCOMPARE(label->text(), QString("Zárási dátum:"));
        auto *picker = form.findChild<QDateEdit *>("dtpDatum");
        QVERIFY(form.findChild<QPushButton *>("btnOK")->isDefault());

        QDate startedOn;
        whenShown([&] {
            startedOn = picker->date();
            picker->setDate(QDate(2007, 3, 15));
            if (pressOk)
                form.findChild<QPushButton *>("btnOK")->click();
            else
                form.close();
        });
        const QDate answer = form.askDate();
        QCOMPARE(startedOn, QDate::currentDate());
        QCOMPARE(answer, pressOk ? QDate(2007, 3, 15) : DatePrompt::noDate());
        QCOMPARE(DatePrompt::noDate(), QDate(1900, 1, 1));
    }
};

QTEST_MAIN(TestAppStartupScreens)
#include "tst_startupscreens.moc"
