#include "core/DatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockLedger.h"
#include "stock/ui/frmKibizTorles.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "stock/ui/frmRaktarMod.h"
#include "support/PrintedPages.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace StockFixture;

namespace {

class NoDates : public DatePrompt
{
public:
    QDate askDate(const QString &) override { return noDate(); }
};

} // namespace

// The voucher screens and the corrections driven as a user would, on a real warehouse.
class TestVouchers : public QObject
{
    Q_OBJECT

    struct Run
    {
        TempDatabase db;
        QTemporaryDir programDir;
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedFilePrompt files;
        NoDates dates;
        Services services {settings, messenger, files, dates};
        QSqlDatabase wh;

        Run()
        {
            settings.setProgramPath(programDir.path());
            settings.setIniPath(programDir.filePath("salvia.ini"));
            settings.setDbPath(db.path());
            settings.setAktivRaktar(1);
            settings.setLoginUser("anna");
            settings.setMunkaEv(QString::number(QDate::currentDate().year()));
            settings.setLezartHoDat(QDate(QDate::currentDate().year() - 1, 12, 31));
            settings.setTapValt(false);
            wh = db.warehouse(1);
            QSqlQuery(wh).exec("INSERT INTO Fokszam (FokonyviSzam, Megnevezes) VALUES ('100', 'Élelmiszer')");
            addMaterial(wh, "100", "0001", "Liszt", 2);
            addMaterial(wh, "100", "0002", "Cukor", 2);
        }
        QVariant value(const QString &sql) const { return StockFixture::value(wh, sql); }
    };

private slots:
    void receiptScreenRecordsItems()
    {
        Run run;
        TfrmRaktarBevitel screen(run.services, run.wh);
        QCOMPARE(screen.windowTitle(), QString("Bevételi bizonylat felvitele"));
        QCOMPARE(screen.edtBizSorsz->text(), QString("00000001"));
        QCOMPARE(screen.lblSorszam->text(), QString("%1/00001").arg(QDate::currentDate().year()));
        QCOMPARE(screen.dbcAnyag->currentText(), QString("Cukor"));
        QCOMPARE(screen.edtAnyagKod->text(), QString("0002"));

        // Zero quantity is refused and nothing is written.
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {"Nem lehet 0 mennyiség, vagy érték!"});
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), 0);
        QVERIFY(run.settings.tapValt());
        run.messenger.clear();

        // The register number looks the material up.
        screen.edtAnyagKod->setText("1");
        QTest::keyClick(screen.edtAnyagKod, Qt::Key_Return);
        QCOMPARE(screen.dbcAnyag->currentText(), QString("Liszt"));
        screen.edtMennyiseg->clear();
        QTest::keyClicks(screen.edtMennyiseg, "3");
        screen.fleNEar->clear();
        QTest::keyClicks(screen.fleNEar, "10");
        QCOMPARE(screen.fleKiadAr->text(), QString("30,00"));
        QCOMPARE(screen.fleBroar->text(), QString("38,10"));
        QCOMPARE(screen.fleAfa->text(), QString("8,10"));
        QCOMPARE(screen.fleBrEar->text(), QString("12,70"));
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {"Az új adat bekerült az adatbázisba"});
        QCOMPARE(run.value("SELECT KeszletMennyiseg FROM Anyag WHERE NyilvSzam = '0001'").toDouble(), 3.0);
        QCOMPARE(run.value("SELECT Brutto FROM Raktar").toDouble(), 38.1);
        QCOMPARE(screen.tblTetelek->model()->rowCount(), 1);
        QCOMPARE(screen.lblNetto->text(), QString("30,00 Ft"));
        QCOMPARE(screen.edtMennyiseg->text(), QString("0"));
        QCOMPARE(screen.edtBizSorsz->text(), QString("00000001"));

        // "&Nyomtat" prints the voucher on the screen with the receipt voucher printout.
        PreparedReport printed;
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) { printed = pages; });
        screen.btnPrint->click();
        const QStringList texts = PrintedPages::allTexts(printed);
        QCOMPARE(texts.value(0), "Bevételi bizonylat");
        QVERIFY(texts.contains("Dátumtartomány: " + QDate::currentDate().toString("yyyy.MM.dd.")));
        QVERIFY(texts.contains("Liszt"));
        QVERIFY(texts.contains("Nettó összes: 30,00 Ft"));
    }

    void issueScreenPrintsTheIssueVoucher()
    {
        Run run;
        const QDate today = QDate::currentDate();
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000001", today, "0001", 10, "100")).ok());
        QVERIFY(ledger.record(issue("00000002", today, "0001", 4)).ok());
        TfrmRaktarKivetel screen(run.services, run.wh);
        screen.edtBizSorsz->setText("00000002");
        PreparedReport printed;
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) { printed = pages; });
        screen.btnPrint->click();
        const QStringList texts = PrintedPages::allTexts(printed);
        QCOMPARE(texts.value(0), "Kiadási bizonylat");
        QVERIFY(texts.contains("Liszt"));
        QVERIFY(texts.contains("Nettó összes: 400,00 Ft"));
        QVERIFY(!texts.contains("Cukor"));
    }

    void correctionListExplainsItsColoursInTheIssueModes()
    {
        Run run;
        using Mode = TfrmRaktarMod::Mode;
        for (const Mode mode : {Mode::ReceiptChange, Mode::ReceiptDelete, Mode::IssueChange, Mode::IssueDelete}) {
            TfrmRaktarMod list(run.services, run.wh, mode);
            const bool issue = mode == Mode::IssueChange || mode == Mode::IssueDelete;
            QCOMPARE(!list.lblKek->isHidden(), issue);
            QCOMPARE(!list.lblZold->isHidden(), issue);
            QCOMPARE(list.lblKek->text(), "*kék = kiszabatos tétel");
            QCOMPARE(list.lblZold->text(), "*zöld = A la Carte kiszabatos tétel");
        }
    }

    void correctionListDeletesAndProtectsRationItems()
    {
        Run run;
        const QDate day = QDate::currentDate().addDays(-1);
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000001", day, "0001", 10, "100")).ok());
        StockItem ration = issue("00000042", day, "0001", 2);
        ration.stat = true;
        ration.mozgnem = "07";
        QVERIFY(ledger.record(ration).ok());
        QVERIFY(ledger.record(issue("00000043", day, "0001", 3)).ok());

        TfrmRaktarMod list(run.services, run.wh, TfrmRaktarMod::Mode::IssueDelete);
        QCOMPARE(list.windowTitle(), QString("Kiadási bizonylat törlése"));
        QCOMPARE(list.DBGrid1->model()->rowCount(), 2);
        list.edtBizSzam->setText("42");
        QCOMPARE(list.DBGrid1->model()->rowCount(), 1);
        QCOMPARE(list.DBGrid1->model()->index(0, 4).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
        run.messenger.answer(MsgResult::Yes);
        list.btnTorol->click();
        QCOMPARE(run.messenger.texts(),
            (QStringList {
                "Valóban törölni akarja a rekordot?", "Kiszabatos tétel! Törölni a kiszabat törlésénél lehet!"}));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), 3);
        run.messenger.clear();

        list.edtBizSzam->setText("43");
        run.messenger.answer(MsgResult::Yes);
        list.btnTorol->click();
        QCOMPARE(run.messenger.texts(),
            (QStringList {"Valóban törölni akarja a rekordot?", "A törlés sikeresen végrehajtva!"}));
        QCOMPARE(run.value("SELECT KeszletMennyiseg FROM Anyag WHERE NyilvSzam = '0001'").toDouble(), 8.0);
        QCOMPARE(list.DBGrid1->model()->rowCount(), 0);
    }

    void wholeVoucherDeletion()
    {
        Run run;
        const QDate day = QDate::currentDate().addDays(-1);
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000001", day, "0001", 10, "100")).ok());
        QVERIFY(ledger.record(issue("00000002", day, "0001", 3)).ok());

        TfrmKibizTorles screen(run.services, run.wh);
        screen.dtpDatum->setDate(day);
        screen.edtBizSzam->setText("2");
        run.messenger.answer(MsgResult::Yes);
        screen.btnTorol->click();
        QCOMPARE(run.messenger.texts(),
            (QStringList {"A kiválasztott bizonylat minden tételével törlődni fog!\rValóban ezt akarja?",
                "A megadott paraméterekkel nem található kiadási bizonylat!"}));
        run.messenger.clear();

        TfrmKibizTorles again(run.services, run.wh);
        again.dtpDatum->setDate(day);
        again.edtBizSzam->setText("00000002");
        run.messenger.answer(MsgResult::Yes);
        again.btnTorol->click();
        QCOMPARE(run.messenger.texts(),
            (QStringList {"A kiválasztott bizonylat minden tételével törlődni fog!\rValóban ezt akarja?",
                "A bizonylat sikeresen törölve lett."}));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), 1);
    }
};

QTEST_MAIN(TestVouchers)
#include "tst_vouchers.moc"
