#include "alacarte/CartMenuRows.h"
#include "alacarte/ui/frmTallozasCartKiszabat.h"
#include "core/Messenger.h"
#include "menu/ui/frmRaktarAutoKivetel.h"
#include "menu/ui/frmUjKiszabat_mod.h"
#include "stock/StockLedger.h"
#include "support/RationFixture.h"
#include "support/ScreenRun.h"
#include "support/StockFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

// The a-la-carte ration sheet screen: its views, ration-sheet mode and the issue with its fixed
// movement type.
class TestAlacarteCartSheetScreen : public QObject
{
    Q_OBJECT

private slots:
    void viewsModeAndIssue()
    {
        const QDate date(2026, 3, 12);
        ScreenRun run(QDate(2026, 3, 10));
        QVERIFY2(run.db.isValid(), qPrintable(run.db.errorText()));
        run.settings.setLoginUser(QStringLiteral("anna"));
        RationFixture kitchen(run.warehouse());
        QVERIFY(kitchen.material("100", "0001", "Liszt", "KG", 0));
        QVERIFY(kitchen.recipe("0007", "Palacsinta", {{"100", "0001", 5}}));
        run.exec("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Desszertek')");
        run.exec("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Fixar\", \"AfaCsoport\") VALUES "
                 "('1000', '0007', 600, '01')");
        QVERIFY(CartMenuRows::add(run.warehouse(), CartMenuRow {date, "01", "1000", "0007", 1, 44}, QDate()).ok());
        const StockOptions options {QStringLiteral("anna"), false};
        QVERIFY(StockLedger(run.warehouse(), options)
                    .record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0001", 10, "200"))
                    .ok());

        auto stock = std::make_shared<FixedStock>();
        stock->set("100", "0001", 10, 200);
        TfrmTallozasCartKiszabat screen(run.services, run.warehouse(), stock, options);
        QVERIFY(screen.open(date, {"01"}));
        QCOMPARE(screen.view(), 1);
        QCOMPARE(screen.lblEtkezesek->text(), QStringLiteral("Étkezések: 01, "));
        for (int view : {2, 3, 4, 1}) {
            screen.btnFelvitel->click();
            QCOMPARE(screen.view(), view);
        }
        screen.btnTorol->click();
        QVERIFY(screen.rationMode());
        QCOMPARE(screen.view(), 3);
        QVERIFY(!screen.btnFelvitel->isEnabled());
        // 5 kg per 100 portions for 44 people: 2.2 kg, rounded upwards to 3.
        QCOMPARE(screen.sheet().totals().at(0).quantity, 3.0);
        QCOMPARE(run.value("SELECT COUNT(*) FROM \"TmpCartKiszabat_2\" WHERE \"Felhasznalo\" = 'anna'"),
            QStringLiteral("1"));

        // The material dialog asks for the a-la-carte sheet's own help page (no help folder here,
        // so the message names the page).
        QTimer helpTimer;
        connect(&helpTimer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<TfrmUjKiszabat_mod *>(QApplication::activeModalWidget())) {
                dialog->btnSugo->click();
                dialog->btnMegse->click();
            }
        });
        helpTimer.start(10);
        screen.btnModosit->click();
        helpTimer.stop();
        QVERIFY2(run.messenger.texts().last().endsWith(QStringLiteral("<[UjCartKiszabat_mod.htm]>")),
            qPrintable(run.messenger.texts().last()));

        QString shownType;
        bool typeFixed = false;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (auto *header = qobject_cast<TfrmRaktarAutoKivetel *>(QApplication::activeModalWidget())) {
                shownType = header->movementType();
                typeFixed = !header->dbcMozgnem->isEnabled();
                header->btnRogzit->click();
            }
        });
        timer.start(10);
        run.messenger.answer(MsgResult::Yes);
        screen.btnKiadas->click();
        timer.stop();
        QCOMPARE(shownType, QStringLiteral("08"));
        QVERIFY(typeFixed);
        QVERIFY(run.messenger.texts().contains(
            QStringLiteral("Az A la Carte kiszabat sikeresen ki lett adva a raktárból.")));
        QCOMPARE(run.value("SELECT \"Mozgnem\" FROM \"Raktar\" WHERE \"BK\" = 'KI'"), QStringLiteral("08"));
        QCOMPARE(run.value("SELECT \"TetelMenny\" FROM \"Raktar\" WHERE \"BK\" = 'KI'").toDouble(), 3.0);
        QCOMPARE(run.value("SELECT \"NettoAnyag\" FROM \"CartEtlap\"").toDouble(), 0.0);
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAlacarteCartSheetScreen)
#include "tst_cartsheetscreen.moc"
