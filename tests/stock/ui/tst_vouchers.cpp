#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "session/SettingKeys.h"
#include "session/Settings.h"
#include "session/SettingsFile.h"
#include "stock/StockLedger.h"
#include "stock/ui/frmKibizTorles.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "stock/ui/frmRaktarMod.h"
#include "support/PrintedPages.h"
#include "support/StockFixture.h"
#include "support/ScreenRun.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace StockFixture;

namespace {

void showAndWait(QWidget *screen)
{
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QApplication::setActiveWindow(screen);
}

// Types into a field as a user would, over what it held.
void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Looks the material up by its register number and Enter.
void chooseByRegisterNumber(VoucherScreen &screen, const QString &number)
{
    typeInto(screen.edtAnyagKod, number);
    QTest::keyClick(screen.edtAnyagKod, Qt::Key_Return);
}

} // namespace

// The voucher screens and the corrections driven as a user would, on a real warehouse.
class TestVouchers : public QObject
{
    Q_OBJECT

    struct Run : ScreenRun
    {
        QSqlDatabase wh;

        Run()
        {
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
        void setFlag(SettingKey::Id key, bool on)
        {
            SettingsFile file = settings.file();
            file.setFlag(key, on);
            QVERIFY(file.save().isNull());
        }
    };

    enum Screen { Receipt, Issue };

    std::unique_ptr<Run> m_refusals;

    static std::unique_ptr<VoucherScreen> open(Run &run, Screen screen)
    {
        if (screen == Receipt)
            return std::make_unique<TfrmRaktarBevitel>(run.services, run.wh);
        return std::make_unique<TfrmRaktarKivetel>(run.services, run.wh);
    }

private slots:
    void cleanupTestCase() { m_refusals.reset(); }

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

    void registerNumberAndEnterChooseTheMaterialThatIsRecorded_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("receipt") << int(Receipt) << "0068"
                                 << "dbcAnyag";
        QTest::newRow("issue") << int(Issue) << "68"
                               << "edtMennyiseg";
    }

    void registerNumberAndEnterChooseTheMaterialThatIsRecorded()
    {
        QFETCH(int, screen);
        QFETCH(QString, typed);
        QFETCH(QString, focusAfter);
        Run run;
        QSqlQuery(run.wh).exec("INSERT INTO Fokszam (FokonyviSzam, Megnevezes) VALUES ('213', 'Zöldség')");
        addMaterial(run.wh, "213", "0001", "Alma");
        addMaterial(run.wh, "213", "0068", "Burgonya");
        QVERIFY(run.settings.writeString("DefaultValues", "DefaultFokszam", "213"));
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        const QDate today = QDate::currentDate();
        QVERIFY(ledger.record(receipt("00000001", today, "0001", 10, "100", "213")).ok());
        QVERIFY(ledger.record(receipt("00000001", today, "0068", 10, "100", "213")).ok());

        const std::unique_ptr<VoucherScreen> voucher = open(run, Screen(screen));
        showAndWait(voucher.get());
        QCOMPARE(voucher->dbcAnyag->currentText(), QString("Alma"));
        chooseByRegisterNumber(*voucher, typed);
        QCOMPARE(voucher->dbcAnyag->currentText(), QString("Burgonya"));
        QCOMPARE(voucher->edtAnyagKod->text(), QString("0068"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        typeInto(voucher->edtMennyiseg, "2");
        if (screen == Receipt)
            typeInto(voucher->fleNEar, "100");
        voucher->btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {"Az új adat bekerült az adatbázisba"});
        const QString bk = screen == Receipt ? "BE" : "KI";
        QCOMPARE(run.value("SELECT NyilvSzam FROM Raktar WHERE BizSzam <> '00000001' AND BK = '" + bk + "'").toString(),
            QString("0068"));
        QCOMPARE(run.value("SELECT KeszletMennyiseg FROM Anyag WHERE FokonyviSzam = '213' AND NyilvSzam = '0001'")
                     .toDouble(),
            10.0);
    }

    void unreadableOrOutOfRangeNumbersAreRefusedAtTheirField_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString notANumber = "Hibás értékadás!\rA mezőbe csak számot írhat!";
        const QString tooLarge = "Hibás értékadás!\rA megadott szám túl nagy!";
        QTest::newRow("receipt quantity abc") << int(Receipt) << "edtMennyiseg"
                                              << "abc" << notANumber;
        QTest::newRow("receipt quantity inf") << int(Receipt) << "edtMennyiseg"
                                              << "inf" << notANumber;
        QTest::newRow("receipt quantity nan") << int(Receipt) << "edtMennyiseg"
                                              << "nan" << notANumber;
        QTest::newRow("receipt quantity exponent") << int(Receipt) << "edtMennyiseg"
                                                   << "1e5" << notANumber;
        QTest::newRow("receipt quantity beyond") << int(Receipt) << "edtMennyiseg"
                                                 << "2 000 000 000" << tooLarge;
        QTest::newRow("net unit price 12abc") << int(Receipt) << "fleNEar"
                                              << "12abc" << notANumber;
        QTest::newRow("net unit price abc") << int(Receipt) << "fleNEar"
                                            << "abc" << notANumber;
        QTest::newRow("net unit price -inf") << int(Receipt) << "fleNEar"
                                             << "-inf" << notANumber;
        QTest::newRow("net unit price beyond") << int(Receipt) << "fleNEar"
                                               << "900 000 000 000 000" << tooLarge;
        QTest::newRow("gross unit price nan") << int(Receipt) << "fleBrEar"
                                              << "nan" << notANumber;
        QTest::newRow("net total 12abc") << int(Receipt) << "fleKiadAr"
                                         << "12abc" << notANumber;
        QTest::newRow("gross total inf") << int(Receipt) << "fleBroar"
                                         << "inf" << notANumber;
        QTest::newRow("issue quantity inf") << int(Issue) << "edtMennyiseg"
                                            << "inf" << notANumber;
        QTest::newRow("issue quantity abc") << int(Issue) << "edtMennyiseg"
                                            << "abc" << notANumber;
        QTest::newRow("issue value nan") << int(Issue) << "fleKiadAr"
                                         << "nan" << notANumber;
        QTest::newRow("issue value beyond") << int(Issue) << "fleKiadAr"
                                            << "5 000 000 000 000" << tooLarge;
    }

    void unreadableOrOutOfRangeNumbersAreRefusedAtTheirField()
    {
        QFETCH(int, screen);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        // Nothing is written: one warehouse serves every case.
        if (!m_refusals) {
            m_refusals = std::make_unique<Run>();
            m_refusals->setFlag(SettingKey::KiadAr, true);
            QVERIFY(StockLedger(m_refusals->wh, StockOptions {"anna", true})
                        .record(receipt("00000001", QDate::currentDate(), "0002", 10, "100"))
                        .ok());
        }
        Run &run = *m_refusals;
        run.messenger.clear();
        const int rows = run.value("SELECT COUNT(*) FROM Raktar").toInt();
        const std::unique_ptr<VoucherScreen> voucher = open(run, Screen(screen));
        showAndWait(voucher.get());
        typeInto(voucher->edtMennyiseg, "2");
        typeInto(voucher->fleNEar, "100");
        typeInto(voucher->findChild<QLineEdit *>(field), typed);
        voucher->btnRogzit->setFocus();
        voucher->btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {message});
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), rows);
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
    }

    void amountsBeyondWhatAFieldHoldsAreRefused()
    {
        // 1 000 000 × 10 000 000 Ft computes a net total of 10^13: past what a field takes.
        Run run;
        TfrmRaktarBevitel screen(run.services, run.wh);
        showAndWait(&screen);
        typeInto(screen.edtMennyiseg, "1 000 000");
        typeInto(screen.fleNEar, "10 000 000");
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {"Hibás értékadás!\rA megadott szám túl nagy!"});
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), 0);
        QCOMPARE(QApplication::focusWidget(), screen.fleKiadAr);
    }

    void quantityIsRoundedToTheMaterialBeforeItIsValued_data()
    {
        QTest::addColumn<QString>("nyilvSzam");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("netTotal");
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("value");
        QTest::newRow("two decimals") << "0001"
                                      << "1,23456789"
                                      << "1000"
                                      << "1,23"
                                      << "1230,00" << 1.23 << 1230.0;
        QTest::newRow("whole pieces, half to even") << "0003"
                                                    << "2,5"
                                                    << "100"
                                                    << "2"
                                                    << "200,00" << 2.0 << 200.0;
        QTest::newRow("whole pieces, up") << "0003"
                                          << "3,5"
                                          << "100"
                                          << "4"
                                          << "400,00" << 4.0 << 400.0;
        QTest::newRow("as typed") << "0001"
                                  << "3"
                                  << "10"
                                  << "3,00"
                                  << "30,00" << 3.0 << 30.0;
    }

    void quantityIsRoundedToTheMaterialBeforeItIsValued()
    {
        QFETCH(QString, nyilvSzam);
        QFETCH(QString, typed);
        QFETCH(QString, price);
        QFETCH(QString, shown);
        QFETCH(QString, netTotal);
        QFETCH(double, stored);
        QFETCH(double, value);
        Run run;
        addMaterial(run.wh, "100", "0003", "Tojás", 0);
        TfrmRaktarBevitel screen(run.services, run.wh);
        showAndWait(&screen);
        chooseByRegisterNumber(screen, nyilvSzam);
        typeInto(screen.fleNEar, price);
        typeInto(screen.edtMennyiseg, typed);
        QCOMPARE(screen.fleKiadAr->text(), netTotal);
        QTest::keyClick(screen.edtMennyiseg, Qt::Key_Return);
        QCOMPARE(screen.edtMennyiseg->text(), shown);
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.texts(), QStringList {"Az új adat bekerült az adatbázisba"});
        QCOMPARE(run.value("SELECT TetelMenny FROM Raktar").toDouble(), stored);
        QCOMPARE(run.value("SELECT TetelErtek FROM Raktar").toDouble(), value);
    }

    void issueScreenShowsTheStockOnTheVoucherDateWithItsUnit()
    {
        Run run;
        const QDate today = QDate::currentDate();
        run.settings.setLezartHoDat(QDate(today.year() - 3, 12, 31));
        run.setFlag(SettingKey::AutoLeltar, true);
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000001", today.addDays(-2), "0002", 10, "100")).ok());
        QVERIFY(ledger.record(issue("00000002", today.addDays(-1), "0002", 4)).ok());
        QVERIFY(ledger.record(receipt("00000003", today, "0002", 5, "100")).ok());
        const qint64 issued = run.value("SELECT RaktAzon FROM Raktar WHERE BK = 'KI'").toLongLong();

        TfrmRaktarKivetel screen(run.services, run.wh);
        QCOMPARE(screen.dbcAnyag->currentText(), QString("Cukor"));
        QCOMPARE(screen.lblLeltar->text(), QString("11,00"));
        QCOMPARE(screen.lblLeltarMertekegyseg->text(), QString("KG"));
        QVERIFY(screen.lblFigyelmeztet->isHidden());

        TfrmRaktarKivetel change(run.services, run.wh);
        QVERIFY(change.openOnRow(issued));
        QCOMPARE(change.dtpBizDatum->date(), today.addDays(-1));
        QCOMPARE(change.lblLeltar->text(), QString("6,00"));
        QCOMPARE(change.lblLeltarMertekegyseg->text(), QString("KG"));
        QVERIFY(change.lblFigyelmeztet->isHidden());

        // Without AutoLeltar the stock waits for "Leltár újrakalkuláció", on the row's date too.
        run.setFlag(SettingKey::AutoLeltar, false);
        TfrmRaktarKivetel stale(run.services, run.wh);
        QVERIFY(stale.openOnRow(issued));
        QCOMPARE(stale.lblLeltar->text(), QString("-"));
        QVERIFY(!stale.lblFigyelmeztet->isHidden());
        stale.spdNew->click();
        QCOMPARE(stale.lblLeltar->text(), QString("6,00"));
        QVERIFY(stale.lblFigyelmeztet->isHidden());
    }

    void receiptScreenOffersNewMaterials()
    {
        Run run;
        TfrmRaktarBevitel screen(run.services, run.wh);
        showAndWait(&screen);
        QVERIFY(screen.spdNew->isVisible());
        QCOMPARE(screen.spdNew->toolTip(), QString("Új anyag felvitele"));
        screen.setMaterialBrowser([&](QWidget *) { addMaterial(run.wh, "100", "0005", "Bors"); });
        screen.spdNew->click();
        QCOMPARE(screen.dbcAnyag->count(), 3);
        screen.setMaterialBrowser(nullptr);
        QVERIFY(!screen.spdNew->isVisible());
    }

    void enterInTheCorrectionListSearchesWithoutOpeningARow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("receipt change") << int(TfrmRaktarMod::Mode::ReceiptChange);
        QTest::newRow("receipt delete") << int(TfrmRaktarMod::Mode::ReceiptDelete);
        QTest::newRow("issue change") << int(TfrmRaktarMod::Mode::IssueChange);
        QTest::newRow("issue delete") << int(TfrmRaktarMod::Mode::IssueDelete);
    }

    void enterInTheCorrectionListSearchesWithoutOpeningARow()
    {
        QFETCH(int, mode);
        Run run;
        const QDate day = QDate::currentDate();
        StockLedger ledger(run.wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000041", day, "0001", 10, "100")).ok());
        QVERIFY(ledger.record(receipt("00000042", day, "0002", 10, "100")).ok());
        QVERIFY(ledger.record(issue("00000043", day, "0001", 1)).ok());
        QVERIFY(ledger.record(issue("00000044", day, "0002", 1)).ok());

        TfrmRaktarMod list(run.services, run.wh, TfrmRaktarMod::Mode(mode));
        int opened = 0;
        list.setScreenRunner([&](QDialog *) { ++opened; });
        showAndWait(&list);
        typeInto(list.edtBizSzam, "4");
        QTest::keyClick(list.edtBizSzam, Qt::Key_Return);
        QCOMPARE(opened, 0);
        QCOMPARE(run.messenger.texts(), QStringList());
        QVERIFY(list.isVisible());
        QCOMPARE(run.value("SELECT COUNT(*) FROM Raktar").toInt(), 4);
        QCOMPARE(list.DBGrid1->model()->rowCount(), 2);
        QCOMPARE(QApplication::focusWidget(), list.edtBizSzam);
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
