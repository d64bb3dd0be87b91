#include "master/ui/frmTallozasRecept.h"
#include "master/ui/frmUjReceptA.h"
#include "master/ui/qrpRecept.h"
#include "session/Settings.h"
#include "support/OpenedDialog.h"
#include "support/PrintedPages.h"
#include "support/ScreenRun.h"
#include "support/TestEngines.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTimer>
#include <QtTest>

// The recipe screens and printouts driven as a user would.
class TestRecipeScreens : public QObject
{
    Q_OBJECT

    // Flour in ledger account 211 and a pancake recipe.
    struct Run : ScreenRun
    {
        explicit Run(const QString &engine = TestEngines::sqlite())
            : ScreenRun(QDate::currentDate(), engine)
        {
            exec("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES ('211', 'Élelmiszer')");
            exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                 "\"NyilvAr\", \"Kerekites\", \"Energia\", \"Feherje\") VALUES ('211', '0001', 'Liszt', 'kg', 200, 3, "
                 "1400, 100)");
            exec("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\", \"Netto\", \"Leiras\", "
                 "\"LetrDat\") VALUES ('0001', 'Palacsinta', '01', 999, 'Kisütni.', '2026-01-05')");
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
    // With ReceptFo 50, 2.5 typed on a new line is stored as 5 for 100 portions; changing that line
    // shows 5 and stores what is typed.
    void newLineQuantityIsForReceptFoPortions()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.settings.writeNumber(QStringLiteral("Szamitas"), QStringLiteral("ReceptFo"), 50);
        {
            TfrmUjReceptA edit(run.services, run.db.warehouse(1), QStringLiteral("0001"));
            edit.setNewMode();
            QCOMPARE(edit.lblMegjegyzes->text(), QStringLiteral("Az anyag mennyisége 50 adagra értendő!"));
            QCOMPARE(edit.dbcAnyag->currentText(), QStringLiteral("Liszt"));
            QCOMPARE(edit.lblMertegys->text(), QStringLiteral("kg"));
            type(edit.edtMennyiseg, QStringLiteral("2,5"));
            edit.btnRogzit->click();
            QCOMPARE(edit.edtMennyiseg->text(), QStringLiteral("0,000"));
        }
        QCOMPARE(run.value("SELECT Mennyiseg FROM Recept"), QStringLiteral("5"));

        TfrmUjReceptA change(run.services, run.db.warehouse(1), QStringLiteral("0001"));
        change.setChangeMode(run.value("SELECT ReceptAzon FROM Recept").toLongLong());
        QCOMPARE(change.lblMegjegyzes->text(), QStringLiteral("Az anyag mennyisége 100 adagra értendő!"));
        QCOMPARE(change.edtMennyiseg->text(), QStringLiteral("5,000"));
        type(change.edtMennyiseg, QStringLiteral("4"));
        change.btnRogzit->click();
        QCOMPARE(run.value("SELECT Mennyiseg FROM Recept"), QStringLiteral("4"));
    }

    // A line opened and recorded unchanged keeps its stored quantity whatever the material's
    // rounding: the field shows every stored decimal, so eggs at 16.667 per 100 portions of a
    // whole-piece material stay 16.667 instead of becoming 17.
    void untouchedLineQuantityIsKept_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "eggs, whole pieces") << 0 << 16.667 << "16,667";
            TestEngines::newRow(engine, "salt, two decimals") << 2 << 0.125 << "0,125";
            TestEngines::newRow(engine, "bread, one decimal") << 1 << 0.05 << "0,05";
            TestEngines::newRow(engine, "flour, three decimals") << 3 << 2.0 << "2,000";
        }
    }
    void untouchedLineQuantityIsKept()
    {
        QFETCH(int, decimals);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        QFETCH(QString, engine);
        Run run(engine);
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec(QStringLiteral("UPDATE \"Anyag\" SET \"Kerekites\" = %1").arg(decimals));
        run.exec(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                "VALUES ('0001', '211', '0001', %1)")
                     .arg(stored));
        TfrmUjReceptA change(run.services, run.db.warehouse(1), QStringLiteral("0001"));
        change.setChangeMode(run.value("SELECT \"ReceptAzon\" FROM \"Recept\"").toLongLong());
        QCOMPARE(change.edtMennyiseg->text(), shown);
        change.btnRogzit->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("A módosítás sikeresen végrehajtódott"));
        QCOMPARE(run.value("SELECT \"Mennyiseg\" FROM \"Recept\"").toDouble(), stored);
    }

    // A typed quantity is read strictly with three decimals, finer than the material's rounding,
    // and stored for 100 portions; any other text is refused with the focus on the field.
    void typedLineQuantity_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        const QString notANumber = "Hibás értékadás!\rA mezőbe csak számot írhat!";
        QTest::newRow("finer than the material") << "0,125" << "0.125" << "";
        QTest::newRow("grouped, with a point") << "1 234.5" << "1234.5" << "";
        QTest::newRow("fourth decimal, halves to even") << "0,0125" << "0.012" << "";
        QTest::newRow("letters") << "12abc" << "" << notANumber;
        QTest::newRow("infinity") << "inf" << "" << notANumber;
        QTest::newRow("empty") << "" << "" << notANumber;
        QTest::newRow("negative") << "-1" << ""
                                  << "Túl kevés a megadott mennyiség!";
        QTest::newRow("too much") << "1000001" << ""
                                  << "Hibás értékadás!\rA mennyiség legfeljebb 1000000 lehet!";
    }
    void typedLineQuantity()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("UPDATE Anyag SET Kerekites = 0");
        TfrmUjReceptA edit(run.services, run.db.warehouse(1), QStringLiteral("0001"));
        edit.setNewMode();
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QApplication::setActiveWindow(&edit);
        QCOMPARE(edit.edtMennyiseg->text(), QStringLiteral("0"));
        type(edit.edtMennyiseg, typed);
        edit.btnRogzit->setFocus();
        edit.btnRogzit->click();
        if (message.isEmpty()) {
            QCOMPARE(run.value("SELECT Mennyiseg FROM Recept"), stored);
            QCOMPARE(edit.edtMennyiseg->text(), QStringLiteral("0"));
            return;
        }
        QCOMPARE(run.messenger.last().text, message);
        QCOMPARE(run.messenger.last().caption, QStringLiteral("HIBA!"));
        QCOMPARE(run.value("SELECT COUNT(*) FROM Recept"), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), edit.edtMennyiseg);
    }

    // Enter in the search box finds the recipe and opens no dialog.
    void enterInTheSearchBoxSearches()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO ReceptFej (EtelKod, Megnevezes, Enorma) VALUES ('0002', 'Bableves', '01')");
        TfrmTallozasRecept screen(run.services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QApplication::setActiveWindow(&screen);
        QCOMPARE(screen.currentCode(), QStringLiteral("0002"));
        screen.edtSearch->setFocus();
        QTest::keyClicks(screen.edtSearch, QStringLiteral("pala"));
        QCOMPARE(openedDialogTitle([&screen] { QTest::keyClick(screen.edtSearch, Qt::Key_Return); }), QString());
        QCOMPARE(screen.currentCode(), QStringLiteral("0001"));
        QVERIFY(run.messenger.shown().isEmpty());
        QCOMPARE(run.value("SELECT COUNT(*) FROM ReceptFej"), QStringLiteral("2"));
        QVERIFY(screen.isVisible());
    }

    // A stored line whose ledger account is gone shows no material; recording it unchanged is
    // refused and leaves its keys as they were instead of blanking them.
    void lineOfAMissingAccountKeepsItsKeys()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Recept (EtelKod, FokSzla, NyilvSzam, Mennyiseg) VALUES ('0001', '299', '0001', 2)");
        TfrmUjReceptA change(run.services, run.db.warehouse(1), QStringLiteral("0001"));
        change.setChangeMode(run.value("SELECT ReceptAzon FROM Recept").toLongLong());
        change.show();
        QVERIFY(QTest::qWaitForWindowExposed(&change));
        QApplication::setActiveWindow(&change);
        change.btnRogzit->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("Hibás értékadás!\rNem adott meg anyagnevet!"));
        QCOMPARE(QApplication::focusWidget(), change.dbcAnyag);
        QCOMPARE(run.value("SELECT FokSzla || '|' || NyilvSzam || '|' || Mennyiseg FROM Recept"),
            QStringLiteral("299|0001|2.0"));
        QVERIFY(change.isVisible());
    }

    void lineScreenClosedWithoutRecordingStillRecomputes()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Recept (EtelKod, FokSzla, NyilvSzam, Mennyiseg) VALUES ('0001', '211', '0001', 2)");
        TfrmTallozasRecept screen(run.services);
        QCOMPARE(screen.currentCode(), QStringLiteral("0001"));
        QCOMPARE(screen.lines()->rowCount(), 1);
        QTimer::singleShot(0, [] {
            auto *edit = qobject_cast<TfrmUjReceptA *>(QApplication::activeModalWidget());
            QVERIFY(edit);
            edit->btnMegse->click();
        });
        screen.btnModAnyag->click();
        QCOMPARE(run.value("SELECT Netto FROM ReceptFej"), QStringLiteral("400"));
        QCOMPARE(run.value("SELECT Energia FROM ReceptFej"), QStringLiteral("2800"));
    }

    void recipeCardShowsValuesPerPortion()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.exec("INSERT INTO Recept (EtelKod, FokSzla, NyilvSzam, Mennyiseg) VALUES ('0001', '211', '0001', 2)");
        run.exec("UPDATE ReceptFej SET Energia = 2800, Feherje = 200, HSo = 1.5");
        TqrpRecept card(run.settings, run.messenger, run.db.warehouse(1), QStringLiteral("0001"));
        const QStringList texts = PrintedPages::allTexts(card.prepare());
        for (const QString &expected :
            {QStringLiteral("Élelmiszer recept"), QStringLiteral("Palacsinta"), QStringLiteral("Ételkód: 0001"),
                QStringLiteral("Létrehozás: 2026.01.05."), QStringLiteral("Hozzávalók 100 főre:"),
                QStringLiteral("Liszt"), QStringLiteral("2,000"), QStringLiteral("Kisütni."),
                QStringLiteral("28,000 KJ"), QStringLiteral("2,000 g"), QStringLiteral("0,015 g")})
            QVERIFY2(texts.contains(expected), qPrintable(expected + " not in " + texts.join(" | ")));
        QVERIFY(!texts.contains(QStringLiteral("Módosítás: ")));
    }
};

QTEST_MAIN(TestRecipeScreens)
#include "tst_recipescreens.moc"
