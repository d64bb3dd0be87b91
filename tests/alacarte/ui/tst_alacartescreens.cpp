#include "alacarte/ui/frmTallozasCartAr.h"
#include "alacarte/ui/frmTallozasCartEtlap.h"
#include "alacarte/ui/frmUjCartAr.h"
#include "alacarte/ui/frmUjCartEtlap.h"
#include "support/ScreenRun.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

// The a-la-carte screens driven as a user would.
class TestAlacarteScreens : public QObject
{
    Q_OBJECT

    // A goulash costing 400 a portion, priced in VAT group 01 (27 %), and a bean soup not priced.
    struct Run : ScreenRun
    {
        Run()
            : ScreenRun(QDate(2026, 3, 10))
        {
            settings.setLezartHoDat(QDate(2026, 2, 28));
            exec("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Netto\", \"Afa\") VALUES "
                 "('0007', 'Gulyásleves', 40000, 10800), ('0008', 'Bableves', 20000, 5400)");
            exec("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Levesek')");
        }
    };

    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

private slots:
    void priceDialogDerivesEitherWay()
    {
        Run run;
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        TfrmUjCartAr dialog(run.services, run.warehouse());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.rbRecept->isChecked());
        dialog.dbcAnyag->setCurrentIndex(dialog.dbcAnyag->findData(QStringLiteral("0007")));
        dialog.dbcAfa->setCurrentIndex(dialog.dbcAfa->findData(QStringLiteral("01")));
        QCOMPARE(dialog.lblAfa->text(), QStringLiteral("27,0%"));
        type(dialog.fleHaszon, QStringLiteral("25"));
        QCOMPARE(dialog.fleFixar->text(), QStringLiteral("635,00"));
        QVERIFY(dialog.lblENetto->text().startsWith(QStringLiteral("500,00")));
        QVERIFY(dialog.lblHaszon->text().startsWith(QStringLiteral("100,00")));
        type(dialog.fleFixar, QStringLiteral("508"));
        QCOMPARE(dialog.fleHaszon->text(), QStringLiteral("0,0"));
        type(dialog.fleFixar, QStringLiteral("762"));
        QCOMPARE(dialog.fleHaszon->text(), QStringLiteral("50,0"));
        dialog.btnRogzit->click();
        QCOMPARE(run.value("SELECT \"Haszonkulcs\" FROM \"CartBear\" WHERE \"Etelkod\" = '0007'").toDouble(), 50.0);
        QCOMPARE(run.value("SELECT \"Fixar\" FROM \"CartBear\" WHERE \"Etelkod\" = '0007'").toDouble(), 762.0);

        TfrmTallozasCartAr list(run.services, run.warehouse());
        QCOMPARE(list.model()->rowCount(), 1);
        QCOMPARE(list.model()->item(0, 5)->text(), QStringLiteral("200,00"));
    }

    void menuOffersOnlyPricedDishes()
    {
        Run run;
        run.exec("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Fixar\", \"AfaCsoport\") VALUES "
                 "('1000', '0007', 600, '01')");
        TfrmTallozasCartEtlap screen(run.services, run.warehouse());
        screen.dtpEtlap->setDate(QDate(2026, 3, 12));
        TfrmUjCartEtlap edit(run.services, run.warehouse());
        edit.setNewMode(QDate(2026, 3, 12));
        QCOMPARE(edit.dbcAnyag->count(), 1);
        QCOMPARE(edit.dbcAnyag->currentData().toString(), QStringLiteral("0007"));
        type(edit.edtFo, QStringLiteral("0"));
        edit.btnRogzit->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("Túl kevés a megadott mennyiség, vagy létszám!"));
        type(edit.edtFo, QStringLiteral("25"));
        edit.btnRogzit->click();
        QCOMPARE(run.value("SELECT \"Letszam\" FROM \"CartEtlap\""), QStringLiteral("25"));
        QCOMPARE(run.value("SELECT \"NettoAnyag\" FROM \"CartEtlap\"").toDouble(), -1.0);

        // An issued row refuses a change.
        run.exec("UPDATE \"CartEtlap\" SET \"NettoAnyag\" = 0");
        screen.dtpEtlap->setDate(QDate(2026, 3, 13));
        screen.dtpEtlap->setDate(QDate(2026, 3, 12));
        QCOMPARE(screen.model()->rowCount(), 1);
        QCOMPARE(screen.model()->item(0, 5)->text(), QStringLiteral("25"));
        screen.btnModosit->click();
        QCOMPARE(run.messenger.last().text,
            QStringLiteral("A tétel nem módosítható!\rMár ki lett adva a raktárból kiszabattal."));
    }
};

QTEST_MAIN(TestAlacarteScreens)
#include "tst_alacartescreens.moc"
