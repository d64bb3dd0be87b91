#include "menu/ui/frmTallozasEtlap.h"
#include "menu/ui/frmTallozasLetszam.h"
#include "menu/ui/frmUjEtlap.h"
#include "menu/ui/frmUjLetszam.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "support/OpenedDialog.h"
#include "support/ScreenRun.h"
#include "support/TestEngines.h"
#include "widgets/frmRaktarKiv.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTimer>
#include <QtTest>

// The daily menu and headcount screens driven as a user would.
class TestMenuScreens : public QObject
{
    Q_OBJECT

    // Two meals, a goulash recipe and both meals' menu on 12 March.
    struct Run : ScreenRun
    {
        explicit Run(const QString &engine = TestEngines::sqlite())
            : ScreenRun(QDate(2026, 3, 10), engine)
        {
            settings.setLezartHoDat(QDate(2026, 2, 28));
            exec("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES ('01', 'Ebéd', "
                "'2', '01'), ('02', 'Reggeli', '1', '01')");
            exec("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\") VALUES ('0007', 'Gulyásleves', "
                "'01')");
            exec("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES "
                "('2026-03-12', '01', '1000', '0007', 1), ('2026-03-12', '02', '1000', '0007', 0.5)");
        }
        // Bread by the kilogram, a material dish served as it is.
        void addBread(int decimals)
        {
            exec("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES ('211', 'Élelmiszer')");
            exec(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", "
                               "\"Mertekegyseg\", \"Kerekites\") VALUES ('211', '0031', 'Kenyér', 'kg', %1)")
                    .arg(decimals));
        }
    };

    // Replaces the field's text as a user does, key by key.
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

private slots:
    void copyingADayWithinAndIntoAnotherWarehouse()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        TfrmTallozasEtlap screen(run.services);
        screen.dtpEtlap->setDate(QDate(2026, 3, 12));
        QCOMPARE(screen.model()->rowCount(), 2);

        run.dates.answer(QDate(2026, 3, 12));
        screen.btnMasol->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("Hibás értékadás!\rNem másolható önmagára!"));
        run.dates.answer(QDate(2026, 3, 13));
        screen.btnMasol->click();
        QCOMPARE(run.dates.labels().last(), QStringLiteral("Cél dátum:"));
        QCOMPARE(run.messenger.last().text, QStringLiteral("Az étlap másolása megtörtént."));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Etlap WHERE Datum = '2026-03-13'"), QStringLiteral("2"));

        // The warehouse is chosen in the start-up's warehouse dialog; the active one stays.
        QString dialogCaption;
        QTimer::singleShot(0, [&dialogCaption] {
            auto *dialog = qobject_cast<TfrmRaktarKiv *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogCaption = dialog->windowTitle();
            dialog->comRaktar->setCurrentIndex(1);
            dialog->btnOK->click();
        });
        run.dates.answer(QDate(2026, 3, 20));
        run.messenger.answer(MsgResult::Yes);
        screen.btnRaktMasol->click();
        QCOMPARE(dialogCaption, QStringLiteral("Raktár kiválasztása"));
        QCOMPARE(run.settings.aktivRaktar(), 1);
        const QList<ScriptedMessenger::Shown> &shown = run.messenger.shown();
        QCOMPARE(shown.at(shown.size() - 2).text,
            QStringLiteral("Valóban másolja az étlapot a\r2. konyha\rraktárba a 2026.03.20.dáumra?"));
        QCOMPARE(shown.at(shown.size() - 2).buttons, (QStringList {"Nem", "Igen"}));
        QCOMPARE(run.messenger.last().text, QStringLiteral("Az étlap másolása megtörtént."));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Etlap WHERE Datum = '2026-03-20'", 2), QStringLiteral("2"));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Etlap WHERE Datum = '2026-03-20'"), QStringLiteral("0"));
    }

    // A new menu row from the keyboard alone: Enter walks the fields, the typed recipe code picks
    // the dish, and the row lands on the chosen meal with the typed quantity.
    void keyboardAddsADishToAMeal()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO ReceptFej (EtelKod, Megnevezes, Enorma) VALUES ('0008', 'Rakott krumpli', '01')");
        TfrmUjEtlap screen(run.services, run.db.warehouse(1));
        QList<qint64> added;
        screen.setOnAdded([&added](qint64 id) { added << id; });
        screen.setNewMode(QDate(2026, 3, 13));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        screen.dtpEtlap->setFocus();

        const auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };
        enter();
        QCOMPARE(QApplication::focusWidget(), screen.dbcEtkTip);
        // Breakfast (meal type 1) comes first, lunch next.
        QTest::keyClick(screen.dbcEtkTip, Qt::Key_Down);
        QCOMPARE(screen.dbcEtkTip->currentData().toString(), QStringLiteral("01"));
        enter();
        QCOMPARE(QApplication::focusWidget(), screen.rbRecept);
        enter();
        // The ledger account is the recipes' own while a recipe is chosen: skipped.
        QCOMPARE(QApplication::focusWidget(), screen.edtAzon);
        screen.edtAzon->selectAll();
        QTest::keyClicks(screen.edtAzon, QStringLiteral("0008"));
        enter();
        QCOMPARE(screen.dbcAnyag->currentText(), QStringLiteral("Rakott krumpli"));
        QCOMPARE(QApplication::focusWidget(), screen.dbcAnyag);
        enter();
        QCOMPARE(QApplication::focusWidget(), screen.edtMennyiseg);
        screen.edtMennyiseg->selectAll();
        QTest::keyClicks(screen.edtMennyiseg, QStringLiteral("2"));
        enter();
        QCOMPARE(QApplication::focusWidget(), screen.btnRogzit);
        enter();

        QCOMPARE(added.size(), 1);
        QCOMPARE(run.value(QStringLiteral("SELECT Datum || '|' || EtkTip || '|' || FokSzam || '|' || EtelKod || '|' || "
                                    "Mennyiseg FROM Etlap WHERE EtlapAzon = %1")
                         .arg(added.first())),
            QStringLiteral("2026-03-13|01|1000|0008|2.0"));
        QCOMPARE(run.messenger.last().text, QStringLiteral("Az új adat bekerült az adatbázisba"));
        // The screen stays open for the next dish, with a fresh quantity.
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.edtMennyiseg->text(), QStringLiteral("1,00"));
    }

    // A refused row shows the reason, puts the focus where it points and writes nothing.
    void refusedDishWritesNothing_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString notANumber = "Hibás értékadás!\rA mezőbe csak számot írhat!";
        QTest::newRow("zero quantity") << "" << "0" << "Túl kevés a megadott mennyiség!"
                                       << "edtMennyiseg";
        QTest::newRow("negative quantity") << "" << "-0,5" << "Túl kevés a megadott mennyiség!"
                                           << "edtMennyiseg";
        QTest::newRow("letters") << "" << "1,5kg" << notANumber << "edtMennyiseg";
        QTest::newRow("not a number") << "" << "nan" << notANumber << "edtMennyiseg";
        QTest::newRow("empty") << "" << "" << notANumber << "edtMennyiseg";
        QTest::newRow("above the field's range") << "" << "1000,5"
                                                 << "Hibás értékadás!\rA mennyiség legfeljebb 1000 lehet!"
                                                 << "edtMennyiseg";
        QTest::newRow("meal already issued")
            << "INSERT INTO Letszam (Datum, Etkezesek, Letszam, Kiadva) VALUES ('2026-03-13', '02', 5, 1)" << "1"
            << "Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal."
            << "";
    }
    void refusedDishWritesNothing()
    {
        QFETCH(QString, setup);
        QFETCH(QString, quantity);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        if (!setup.isEmpty())
            run.exec(setup);
        TfrmUjEtlap screen(run.services, run.db.warehouse(1));
        bool added = false;
        screen.setOnAdded([&added](qint64) { added = true; });
        screen.setNewMode(QDate(2026, 3, 13));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        type(screen.edtMennyiseg, quantity);
        screen.btnRogzit->setFocus();
        QTest::keyClick(screen.btnRogzit, Qt::Key_Return);

        QCOMPARE(run.messenger.last().text, message);
        QVERIFY(!added);
        QCOMPARE(run.value("SELECT COUNT(*) FROM Etlap WHERE Datum = '2026-03-13'"), QStringLiteral("0"));
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(screen.isVisible());
    }

    // A row opened and recorded unchanged keeps its stored quantity whatever the dish's rounding:
    // bread at 0.05 kg per person of a one-decimal material stays 0.05 instead of doubling to 0.1.
    void untouchedMenuQuantityIsKept_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("dish");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "bread, one decimal") << "211" << "0031" << 1 << 0.05 << "0,05";
            TestEngines::newRow(engine, "whole pieces") << "211" << "0031" << 0 << 0.667 << "0,667";
            TestEngines::newRow(engine, "a third of a portion") << "1000" << "0007" << 3 << 0.333 << "0,333";
            TestEngines::newRow(engine, "two portions") << "1000" << "0007" << 3 << 2.0 << "2,00";
        }
    }
    void untouchedMenuQuantityIsKept()
    {
        QFETCH(QString, account);
        QFETCH(QString, dish);
        QFETCH(int, decimals);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        QFETCH(QString, engine);
        Run run(engine);
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.addBread(decimals);
        run.exec(QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                           "VALUES ('2026-03-13', '02', '%1', '%2', %3)")
                .arg(account, dish)
                .arg(stored));
        const qint64 id = run.value("SELECT MAX(\"EtlapAzon\") FROM \"Etlap\"").toLongLong();
        TfrmUjEtlap screen(run.services, run.db.warehouse(1));
        screen.setChangeMode(id);
        QCOMPARE(screen.dbcAnyag->currentData().toString(), dish);
        QCOMPARE(screen.edtMennyiseg->text(), shown);
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("A módosítás sikeresen végrehajtódott"));
        QCOMPARE(run.value(QStringLiteral("SELECT \"Mennyiseg\" FROM \"Etlap\" WHERE \"EtlapAzon\" = %1").arg(id))
                     .toDouble(),
            stored);
    }

    // A quantity finer than the material's rounding can be typed and is stored with three decimals.
    void finerQuantityCanBeTyped()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.addBread(0);
        TfrmUjEtlap screen(run.services, run.db.warehouse(1));
        QList<qint64> added;
        screen.setOnAdded([&added](qint64 id) { added << id; });
        screen.setNewMode(QDate(2026, 3, 13));
        screen.rbAnyag->setChecked(true);
        QCOMPARE(screen.dbcAnyag->currentText(), QStringLiteral("Kenyér"));
        QCOMPARE(screen.edtMennyiseg->text(), QStringLiteral("1"));
        type(screen.edtMennyiseg, QStringLiteral("0,0525"));
        screen.btnRogzit->click();
        QCOMPARE(added.size(), 1);
        QCOMPARE(run.value(QStringLiteral("SELECT Mennyiseg FROM Etlap WHERE EtlapAzon = %1").arg(added.first())),
            QStringLiteral("0.052"));
    }

    // A stored row whose ledger account is gone shows no dish; recording it unchanged is refused
    // and leaves its keys as they were instead of blanking them.
    void rowOfAMissingAccountKeepsItsKeys()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Etlap (Datum, EtkTip, FokSzam, EtelKod, Mennyiseg) VALUES ('2026-03-13', '02', '299', '0031', "
            "0.5)");
        const qint64 id = run.value("SELECT MAX(EtlapAzon) FROM Etlap").toLongLong();
        TfrmUjEtlap screen(run.services, run.db.warehouse(1));
        screen.setChangeMode(id);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("A megadott azonosítón nem létezik tétel!"));
        QCOMPARE(QApplication::focusWidget(), screen.edtAzon);
        QCOMPARE(run.value(QStringLiteral("SELECT EtkTip || '|' || FokSzam || '|' || EtelKod || '|' || Mennyiseg FROM Etlap "
                                    "WHERE EtlapAzon = %1")
                         .arg(id)),
            QStringLiteral("02|299|0031|0.5"));
        QVERIFY(screen.isVisible());
    }

    // Enter in the search box finds the dish and opens nothing; the box is wide enough to read.
    void enterInTheSearchBoxSearches()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO ReceptFej (EtelKod, Megnevezes, Enorma) VALUES ('0008', 'Rakott krumpli', '01')");
        run.exec("INSERT INTO Etlap (Datum, EtkTip, FokSzam, EtelKod, Mennyiseg) VALUES ('2026-03-12', '01', '1000', "
            "'0008', 1)");
        TfrmTallozasEtlap screen(run.services);
        screen.dtpEtlap->setDate(QDate(2026, 3, 12));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);

        screen.edtSearch->setFocus();
        QTest::keyClicks(screen.edtSearch, QStringLiteral("rak"));
        QCOMPARE(openedDialogTitle([&screen] { QTest::keyClick(screen.edtSearch, Qt::Key_Return); }), QString());
        QCOMPARE(screen.model()->index(screen.DBGrid1->currentIndex().row(), 4).data().toString(),
            QStringLiteral("Rakott krumpli"));
        QVERIFY(run.messenger.shown().isEmpty());
        QCOMPARE(run.value("SELECT COUNT(*) FROM Etlap"), QStringLiteral("3"));
        QVERIFY(screen.isVisible());
        QVERIFY(screen.edtSearch->width() >= screen.edtSearch->fontMetrics().horizontalAdvance(QString(15, 'x')));
    }

    void closedDateRefusesNewRows()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        TfrmTallozasEtlap screen(run.services);
        screen.dtpEtlap->setDate(QDate(2026, 2, 28));
        screen.btnFelvitel->click();
        QCOMPARE(run.messenger.last().text,
            QStringLiteral("Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!"));
        QCOMPARE(run.messenger.last().caption, QStringLiteral("Figyelmeztetés!"));
    }

    // Cancelling keeps the stored headcount whatever was typed; recording 0 for a meal that is not
    // issued removes its row.
    void headcountIsWrittenOnlyOnRecord()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Letszam (Datum, Etkezesek, Letszam, Kiadva) VALUES ('2026-03-12', '01', 50, 0)");
        TfrmTallozasLetszam screen(run.services);
        screen.dtpEtlap->setDate(QDate(2026, 3, 12));
        QCOMPARE(screen.meals()->rowCount(), 2);
        QCOMPARE(screen.meals()->index(1, 0).data().toString(), QStringLiteral("Ebéd"));
        QCOMPARE(screen.meals()->index(1, 4).data().toInt(), 50);
        QVERIFY(screen.meals()->index(0, 4).data().isNull());

        auto typeAndPress = [](int value, bool record) {
            QTimer::singleShot(0, [value, record] {
                auto *dialog = qobject_cast<TfrmUjLetszam *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->fleLetszam->setValue(value);
                (record ? dialog->btnRogzit : dialog->btnMegse)->click();
            });
        };
        screen.DBGrid2->setCurrentIndex(screen.meals()->index(1, 0));
        typeAndPress(0, false);
        screen.btnModosit->click();
        QCOMPARE(run.value("SELECT Letszam FROM Letszam WHERE Etkezesek = '01'"), QStringLiteral("50"));

        screen.DBGrid2->setCurrentIndex(screen.meals()->index(0, 0));
        typeAndPress(0, false);
        screen.btnModosit->click();
        QCOMPARE(run.value("SELECT COUNT(*) FROM Letszam WHERE Etkezesek = '02'"), QStringLiteral("0"));

        screen.DBGrid2->setCurrentIndex(screen.meals()->index(1, 0));
        typeAndPress(0, true);
        screen.btnModosit->click();
        QCOMPARE(run.value("SELECT COUNT(*) FROM Letszam"), QStringLiteral("0"));
        QCOMPARE(run.messenger.last().text, QStringLiteral("A módosítás sikeresen végrehajtódott"));
    }

    void closedDateDisablesHeadcountChanges()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        TfrmTallozasLetszam screen(run.services);
        screen.dtpEtlap->setDate(QDate(2026, 2, 28));
        QVERIFY(!screen.btnModosit->isEnabled());
        screen.dtpEtlap->setDate(QDate(2026, 3, 1));
        QVERIFY(screen.btnModosit->isEnabled());
    }

    // A double click or Enter on a meal runs "&Módosít": nothing while it is disabled for a closed
    // date, the headcount dialog on an open one.
    void doubleClickOnAMealFollowsModosit_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("opens");
        QTest::newRow("closed date") << QDate(2026, 2, 27) << false;
        QTest::newRow("open date") << QDate(2026, 3, 12) << true;
    }
    void doubleClickOnAMealFollowsModosit()
    {
        QFETCH(QDate, date);
        QFETCH(bool, opens);
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Etlap (Datum, EtkTip, FokSzam, EtelKod, Mennyiseg) VALUES ('2026-02-27', '01', '1000', "
            "'0007', 1)");
        TfrmTallozasLetszam screen(run.services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        screen.dtpEtlap->setDate(date);
        QVERIFY(screen.meals()->rowCount() > 0);
        QCOMPARE(screen.btnModosit->isEnabled(), opens);
        const QModelIndex meal = screen.meals()->index(0, 0);
        screen.DBGrid2->setCurrentIndex(meal);
        const QPoint centre = screen.DBGrid2->visualRect(meal).center();
        const QString caption = opens ? QStringLiteral("Létszám módosítása") : QString();
        // A double click is a click and a second press within the interval.
        const auto doubleClick = [&screen, centre] {
            QTest::mouseClick(screen.DBGrid2->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(screen.DBGrid2->viewport(), Qt::LeftButton, {}, centre);
        };
        QCOMPARE(openedDialogTitle(doubleClick), caption);
        screen.DBGrid2->setFocus();
        QCOMPARE(openedDialogTitle([&] { QTest::keyClick(screen.DBGrid2, Qt::Key_Return); }), caption);
        QCOMPARE(run.value("SELECT COUNT(*) FROM Letszam"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestMenuScreens)
#include "tst_menuscreens.moc"
