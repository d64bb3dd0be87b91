#include "printing/PreparedReport.h"
#include "reports/MonthlyHeadcountReport.h"
#include "reports/ui/MealChoice.h"
#include "reports/ui/NormResultPanel.h"
#include "reports/ui/frmLekAnyagHo.h"
#include "reports/ui/frmLekAnyagfelh.h"
#include "reports/ui/frmLekBeallas.h"
#include "reports/ui/frmLekBeallasKisz.h"
#include "reports/ui/frmLekBevbiz.h"
#include "reports/ui/frmLekLetszHo.h"
#include "reports/ui/frmLekLetszam.h"
#include "reports/ui/frmLekMozgOssz.h"
#include "support/MovementReportFixture.h"
#include "support/PrintedPages.h"
#include "support/ScreenRun.h"
#include "support/StockFixture.h"
#include "support/TextFitCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace MovementReportFixture;

// The movement, usage, headcount and norm report screens run and printed as a user would.
class TestMovementScreens : public QObject
{
    Q_OBJECT

    struct Run : ScreenRun
    {
        Run()
            : ScreenRun(QDate(2024, 6, 1))
        {
            settings.writeBool("PrintSettings", "EnableFooter", false);
            settings.setLoginUser("anna");
            settings.setMunkaEv("2024");
            settings.setIsPrinter(1);
            addAll(warehouse());
        }
    };

    // The texts of the printout the screen's "&Nyomtat" shows.
    static QStringList printed(TfrmLekBase &screen)
    {
        QStringList texts;
        screen.setPreviewer(
            [&texts](const PreparedReport &pages, QWidget *) { texts = PrintedPages::allTexts(pages); });
        screen.btnNyomtat->click();
        return texts;
    }

    // The pages themselves, checked that every figure stays whole and nothing overlaps.
    static void checkFits(TfrmLekBase &screen)
    {
        PreparedReport prepared;
        screen.setPreviewer([&prepared](const PreparedReport &pages, QWidget *) { prepared = pages; });
        screen.btnNyomtat->click();
        QVERIFY(!prepared.pages.isEmpty());
        const QStringList cut = TextFitCheck::figuresCut(prepared);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
        const QStringList overlapping = TextFitCheck::overlaps(prepared);
        QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join("; ")));
    }

    static bool mentions(const QStringList &texts, const QString &part)
    {
        return std::any_of(texts.begin(), texts.end(), [&part](const QString &text) { return text.contains(part); });
    }

private slots:
    void voucherListPrintsTheVoucherUnderTheCursorOrAll()
    {
        Run run;
        TfrmLekBevbiz screen(run.services, run.warehouse());
        QCOMPARE(screen.windowTitle(), "Bevételi bizonylatok listája");
        QVERIFY(screen.dbcPartner);
        // An end date in another year moves into the start date's year, onto the month's last day.
        screen.dtpDatumtol->setDate(day(1, 1).addYears(-1));
        screen.dtpDatumig->setDate(day(2, 29));
        QCOMPARE(screen.dtpDatumig->date(), QDate(2023, 2, 28));
        screen.dtpDatumtol->setDate(day(3, 1));
        screen.dtpDatumig->setDate(day(3, 31));
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 4);
        QCOMPARE(screen.pnlStatus->text(), "Összesítés: Nettó: 307,00 Ft  Áfa: 81,00 Ft  Bruttó: 388,00 Ft");

        screen.DBGrid1->setCurrentIndex(screen.DBGrid1->model()->index(3, 0));
        QStringList texts = printed(screen);
        QVERIFY(mentions(texts, "00000012"));
        QVERIFY(!mentions(texts, "00000013"));
        screen.chkBizlista->setChecked(true);
        texts = printed(screen);
        QVERIFY(mentions(texts, "00000012"));
        QVERIFY(mentions(texts, "00000013"));

        TfrmLekKibiz issues(run.services, run.warehouse());
        QCOMPARE(issues.windowTitle(), "Kiadási bizonylatok listája");
        QVERIFY(!issues.dbcPartner);
    }

    void movementSummaryStoresItsPeriod()
    {
        Run run;
        TfrmLekMozgOssz screen(run.services, run.warehouse());
        QCOMPARE(screen.cmbTablo->currentText(), "Új tabló");
        QCOMPARE(screen.dtpDatumtol->date(), day(1, 1));
        screen.dtpDatumig->setDate(day(3, 31));
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 7);
        QVERIFY(screen.pnlStatus->text().contains("Nettó (BE): 300,00 Ft"));

        // The period ends after the last closing (2023-12-31): saved, with the warning.
        screen.SpeedButton2->click();
        QCOMPARE(run.value("SELECT \"Tabloszam\" FROM \"Tablo\""), "001");
        QCOMPARE(run.messenger.last().caption, "Figyelmeztetés");
        QCOMPARE(screen.cmbTablo->currentText(), "001");
        QVERIFY(!screen.dtpDatumtol->isEnabled());
        QVERIFY(!screen.SpeedButton2->isEnabled());

        screen.cmbTablo->setCurrentIndex(0);
        QCOMPARE(screen.dtpDatumtol->date(), day(4, 1));
        QVERIFY(screen.SpeedButton2->isEnabled());
        screen.cmbTablo->setCurrentIndex(1);
        const QStringList texts = printed(screen);
        QVERIFY(mentions(texts, "Tablószám: 001"));
        QVERIFY(mentions(texts, "Mindösszesen:"));
    }

    void usageScreensRunAndPrint()
    {
        Run run;
        TfrmLekAnyagfelh usage(run.services, run.warehouse());
        usage.BitBtn1->click();
        QCOMPARE(usage.DBGrid1->model()->rowCount(), 5);
        QCOMPARE(usage.pnlStatus->text(), "Összesítés: BE: 307,00 Ft  KI: 6 290,12 Ft  Egyenleg: -5 983,12 Ft");
        QVERIFY(mentions(printed(usage), "Anyagcsoport: -"));

        TfrmLekAnyagfelhReszl detail(run.services, run.warehouse());
        detail.BitBtn1->click();
        QCOMPARE(detail.DBGrid1->model()->rowCount(), 2);
        QVERIFY(!printed(detail).isEmpty());
    }

    void monthlyUsageMarksItsTotalRow()
    {
        Run run;
        TfrmLekAnyagHo screen(run.services, run.warehouse());
        QVERIFY(!screen.chkALaCarte->isChecked());
        screen.cmbHonap->setCurrentIndex(1);
        screen.BitBtn1->click();
        QAbstractItemModel *rows = screen.DBGrid1->model();
        QCOMPARE(rows->rowCount(), 30);
        QCOMPARE(rows->index(28, 4).data().toString(), "105,00");
        QCOMPARE(rows->index(29, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::red));
        screen.chkALaCarte->setChecked(true);
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->index(28, 4).data().toString(), "117,79");
        QVERIFY(mentions(printed(screen), "2024.2 - február"));
    }

    void normScreensShowAndPrintTheirResult()
    {
        Run run;
        TfrmLekBeallas movement(run.services, run.warehouse());
        QCOMPARE(movement.results->lblNormakeret->text(), "0,00 Ft");
        QCOMPARE(movement.results->lblSzazalek->text(), "0 %");
        QVERIFY(movement.btnNyomtat->isEnabled());
        movement.BitBtn1->click();
        QCOMPARE(movement.results->lblNormakeret->text(), "5 000,00 Ft");
        QCOMPARE(movement.results->lblSzazalek->text(), "105,00 %");
        QVERIFY(mentions(printed(movement), "Normakeret: 5 000,00 Ft"));

        TfrmLekNapiErt meals(run.services, run.warehouse());
        meals.meals->selectAll();
        meals.BitBtn1->click();
        QCOMPARE(meals.results->lblNormakeret->text(), "6 305,00 Ft");
        QVERIFY(mentions(printed(meals), "Étkezések:01 - Ebéd, 02 - Vacsora, "));
    }

    void headcountScreens()
    {
        Run run;
        for (int code = 3; code <= 12; ++code)
            run.exec(QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES ('%1', "
                                    "'Étkezés %1', 0)")
                         .arg(code, 2, 10, QLatin1Char('0')));
        TfrmLekLetszHo monthly(run.services, run.warehouse());
        QVERIFY(monthly.chkKiszabott->isChecked());
        QListWidget *list = monthly.meals->lbxEtkezesek;
        for (int row = 0; row < 11; ++row) {
            list->setCurrentRow(row, QItemSelectionModel::Select);
            emit list->itemClicked(list->item(row));
        }
        QCOMPARE(run.messenger.last().text, "Maximum 10 étkezést jelölhet meg egyszerre!");
        QCOMPARE(monthly.meals->codes().size(), 10);
        monthly.meals->selectAll();
        monthly.cmbHonap->setCurrentIndex(1);
        monthly.BitBtn1->click();
        QCOMPARE(monthly.DBGrid1->model()->columnCount(), 13);
        QCOMPARE(monthly.DBGrid1->model()->index(28, 1).data().toString(), "100");
        run.messenger.clear();
        QVERIFY(!printed(monthly).isEmpty());
        QCOMPARE(run.messenger.last().text,
            "Ennél a lekérdezésnél maximum 10 kategória lesz nyomtatva terjedelmi okok miatt!");

        TfrmLekLetszam summary(run.services, run.warehouse());
        summary.meals->selectAll();
        summary.chkOsszevonas->setChecked(true);
        summary.BitBtn1->click();
        QCOMPARE(summary.DBGrid1->model()->rowCount(), 2);
        QCOMPARE(summary.pnlStatus->text(), "Normakeret összesítés: 5 305,00 Ft");
        QVERIFY(mentions(printed(summary), "Normakeret: 5 305,00 Ft"));
    }

    void mealMaterialsCountTheHeadcount()
    {
        Run run;
        TfrmLekBeallasKisz screen(run.services, run.warehouse());
        QCOMPARE(screen.fleLetszam->value(), 1);
        screen.dtpDatumtol->setDate(day(2, 1));
        screen.dtpDatumig->setDate(day(2, 29));
        screen.meals->selectAll();
        QCOMPARE(screen.fleLetszam->value(), 110);
        screen.BitBtn1->click();
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 2);
        const QStringList texts = printed(screen);
        QVERIFY(mentions(texts, "01 - Ebéd  100 fő"));
        QVERIFY(mentions(texts, "Beállás: 52,03 %"));

        TfrmLekBeallasKiszTab perMaterial(run.services, run.warehouse());
        perMaterial.meals->selectAll();
        perMaterial.BitBtn1->click();
        QCOMPARE(perMaterial.DBGrid1->model()->rowCount(), 1);
    }

    // A year's amounts of a big kitchen print whole in every column.
    void bigFiguresPrintWhole()
    {
        Run run;
        MovementRow item = StockFixture::voucherItem("KI", "07", "99999999", day(2, 29), "100", "0001", "00010", "01",
            "987654321.1234", "266666666.7003", "1254320987.8237");
        item.tetelMenny = 123456.789;
        item.stat = true;
        StockFixture::addRow(run.warehouse(), item);

        TfrmLekMozgOssz movement(run.services, run.warehouse());
        movement.BitBtn1->click();
        checkFits(movement);
        TfrmLekAnyagfelhReszl detail(run.services, run.warehouse());
        detail.BitBtn1->click();
        checkFits(detail);
        TfrmLekAnyagHo monthly(run.services, run.warehouse());
        monthly.cmbHonap->setCurrentIndex(1);
        monthly.BitBtn1->click();
        checkFits(monthly);
        TfrmLekBeallas deviation(run.services, run.warehouse());
        deviation.BitBtn1->click();
        checkFits(deviation);
    }
};

QTEST_MAIN(TestMovementScreens)
#include "tst_movementscreens.moc"
