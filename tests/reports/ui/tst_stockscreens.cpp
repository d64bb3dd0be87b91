#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "printing/PreparedReport.h"
#include "reports/ui/frmLekAnyag.h"
#include "reports/ui/frmLekLeltar.h"
#include "reports/ui/frmLekLeltarHason.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockLedger.h"
#include "support/StockFixture.h"
#include "support/ScreenRun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace StockFixture;

// The stock report screens run, filtered and printed as a user would.
class TestStockScreens : public QObject
{
    Q_OBJECT

    struct Run : ScreenRun
    {
        QSqlDatabase wh;

        Run()
            : ScreenRun(QDate(2025, 6, 1))
        {
            settings.writeBool("PrintSettings", "EnableFooter", false);
            settings.setLoginUser("anna");
            settings.setMunkaEv("2025");
            settings.setIsPrinter(1);
            wh = db.warehouse(1);
            QSqlQuery(wh).exec("INSERT INTO Fokszam (FokonyviSzam, Megnevezes) VALUES ('100', 'Élelmiszer')");
            addMaterial(wh, "100", "0001", "Liszt", 2);
            addMaterial(wh, "100", "0002", "Cukor", 2);
            StockLedger ledger(wh, StockOptions {"anna", false});
            ledger.record(receipt("00000001", QDate(2025, 3, 1), "0001", 10, "150"));
            ledger.record(issue("00000002", QDate(2025, 3, 2), "0001", 2));
            ledger.record(receipt("00000003", QDate(2025, 3, 1), "0002", 5, "10"));
            ledger.record(issue("00000004", QDate(2025, 3, 5), "0002", 5));
        }
    };

private slots:
    void inventoryListAndBlankSheet()
    {
        Run run;
        TfrmLekLeltar screen(run.services, run.wh, false);
        QCOMPARE(screen.windowTitle(), QString("Anyagleltár lista"));
        QCOMPARE(screen.pnlStatus->text(), QString("Összesítés:"));
        screen.dtpDatum->setDate(QDate(2025, 6, 30));
        QVERIFY(!run.settings.showAFA());
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 1);
        QCOMPARE(screen.pnlStatus->text(), QString("Napi készletérték: 1 200,00 Ft"));
        // Without ShowAFA the ÁFA and Bruttó columns stay hidden after a run.
        QVERIFY(screen.DBGrid1->isColumnHidden(7));
        QVERIFY(screen.DBGrid1->isColumnHidden(8));
        QVERIFY(!screen.DBGrid1->isColumnHidden(6));
        // Money with two decimals and grouped thousands.
        QCOMPARE(screen.DBGrid1->model()->index(0, 6).data().toString(), QString("1 200,00"));
        screen.chkNullas->setChecked(true);
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 2);
        QVERIFY(screen.btnNyomtat->isEnabled());

        int pages = 0;
        screen.setPreviewer(
            [&pages](const PreparedReport &prepared, QWidget *) { pages = int(prepared.pages.size()); });
        screen.btnNyomtat->click();
        QCOMPARE(pages, 1);

        TfrmLekLeltar blank(run.services, run.wh, true);
        QCOMPARE(blank.windowTitle(), QString("Üres leltárív nyomtatása"));
        QVERIFY(blank.chkNullas->isChecked());
    }

    void materialCard()
    {
        Run run;
        TfrmLekAnyag screen(run.services, run.wh);
        screen.edtAnyagKod->setText("1");
        QTest::keyClick(screen.edtAnyagKod, Qt::Key_Return);
        QCOMPARE(screen.dbcAnyag->currentText(), QString("Liszt"));
        screen.dtpDatumtol->setDate(QDate(2025, 1, 1));
        screen.dtpDatumig->setDate(QDate(2025, 12, 31));
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 2);
        QCOMPARE(screen.DBGrid1->model()->index(1, 8).data().toString(), QString("8"));
        QVERIFY(screen.pnlStatus->text().contains("Egyenleg: 1 200,00 Ft"));
        screen.edtAnyagKod->setText("77");
        QTest::keyClick(screen.edtAnyagKod, Qt::Key_Return);
        QVERIFY(run.messenger.texts().contains("A keresett elem nem található!"));
        QCOMPARE(screen.edtAnyagKod->text(), QString("0001"));
    }

    void inventoryDifference()
    {
        Run run;
        TfrmLekLeltarHason screen(run.services, run.wh);
        QCOMPARE(screen.BitBtn1->text(), QString("Új"));
        screen.dtpDatum->setDate(QDate(2025, 6, 30));
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 2);
        // Real stock 6 of Liszt (program stock 8 at 150).
        screen.DBGrid1->model()->setData(screen.DBGrid1->model()->index(0, 6), "6");
        QTRY_COMPARE(screen.pnlStatus->text(), QString("Összérték: 1 200,00 Ft Összes eltérés: 300,00 Ft"));
        screen.chkErrorPrint->setChecked(true);
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 1);
    }

    // Enter never starts a new sheet over typed counts, and "Új" asks before it discards them;
    // the sheet is there again when the screen is opened anew.
    void inventoryDifferenceKeepsTypedCounts()
    {
        Run run;
        const QString kept("Összérték: 1 200,00 Ft Összes eltérés: 300,00 Ft");
        {
            TfrmLekLeltarHason screen(run.services, run.wh);
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            screen.dtpDatum->setDate(QDate(2025, 6, 30));
            screen.BitBtn1->click();
            QVERIFY(run.messenger.shown().isEmpty());
            screen.DBGrid1->model()->setData(screen.DBGrid1->model()->index(0, 6), "6");
            QTRY_COMPARE(screen.pnlStatus->text(), kept);

            screen.dtpDatum->setFocus();
            QTest::keyClick(screen.dtpDatum, Qt::Key_Return);
            QTest::keyClick(screen.dtpDatum, Qt::Key_Enter);
            QCOMPARE(screen.pnlStatus->text(), kept);
            QVERIFY(run.messenger.shown().isEmpty());

            run.messenger.answer(MsgResult::No);
            screen.BitBtn1->click();
            QCOMPARE(run.messenger.last().caption, QString("Megerősítés"));
            QCOMPARE(run.messenger.last().text,
                QString("Az új leltár különbözet törli a begépelt valós készleteket!\rFolytatja?"));
            QCOMPARE(run.messenger.last().buttons, QStringList({"Igen", "Nem"}));
            QCOMPARE(screen.pnlStatus->text(), kept);
        }
        TfrmLekLeltarHason reopened(run.services, run.wh);
        QCOMPARE(reopened.pnlStatus->text(), kept);
        QCOMPARE(reopened.DBGrid1->model()->index(0, 6).data().toString(), QString("6"));
        run.messenger.clear();
        run.messenger.answer(MsgResult::Yes);
        reopened.dtpDatum->setDate(QDate(2025, 6, 30));
        reopened.BitBtn1->click();
        QCOMPARE(run.messenger.texts().size(), 1);
        QCOMPARE(reopened.pnlStatus->text(), QString("Összérték: 1 200,00 Ft Összes eltérés: 1 200,00 Ft"));
    }
};

QTEST_MAIN(TestStockScreens)
#include "tst_stockscreens.moc"
