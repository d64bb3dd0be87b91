#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "menu/RationViews.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/frmRaktarAutoKivetel.h"
#include "menu/ui/RationNutrientScreens.h"
#include "menu/ui/frmTallozasKiszabat.h"
#include "menu/ui/frmUjKiszabat.h"
#include "menu/ui/frmUjKiszabat_Mod3.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockLedger.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>
#include <functional>

namespace {
// Runs `act` on the next modal dialog of type Dialog once it is the active one (a dialog opened
// right after another one closes is not yet active when a zero timer fires).
template <typename Dialog>
void whenShown(std::function<void(Dialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

// Chooses the first offered meal in the meal chooser that opens next, then records `quantity` of
// salt in the material dialog that follows it.
void addSaltThroughTheDialogs(double quantity, int *mealsOffered, bool *recorded)
{
    whenShown<TfrmUjKiszabat>([=](TfrmUjKiszabat *meals) {
        *mealsOffered = meals->lstEtkezesek->count();
        meals->lstEtkezesek->item(0)->setSelected(true);
        whenShown<TfrmUjKiszabat_mod>([=](TfrmUjKiszabat_mod *material) {
            material->dbcFokszam->setCurrentIndex(material->dbcFokszam->findData(QStringLiteral("042")));
            material->dbcAnyag->setCurrentIndex(material->dbcAnyag->findData(MaterialKey {"042", "0003"}.text()));
            material->edtMennyiseg->setValue(quantity);
            *recorded = true;
            material->btnRogzit->click();
        });
        meals->btnRogzit->click();
    });
}

// Closes every modal dialog that opens while it lives and remembers its class names, so a
// dialog that should not open fails the test instead of waiting for a user.
class ModalCloser
{
public:
    ModalCloser()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                closed << QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
            }
        });
        m_timer.start();
    }

    QStringList closed;

private:
    QTimer m_timer;
};

int rowOf(QStandardItemModel *model, const QString &name, int column)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->item(row, column)->text() == name)
            return row;
    return -1;
}
} // namespace

// The ration-sheet screen: the views in both modes, the shortage marking, the restored sheet and
// the issue by menu.
class TestMenuUiRationSheet : public QObject
{
    Q_OBJECT
private:
    const QDate m_date {2026, 3, 10};
    std::unique_ptr<TempDatabase> m_db;
    QTemporaryDir m_iniDir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    ScriptedFilePrompt m_files;
    ScriptedDatePrompt m_dates;
    Services m_services {m_settings, m_messenger, m_files, m_dates};
    std::shared_ptr<FixedStock> m_stock = std::make_shared<FixedStock>();

    QSqlDatabase db() const { return m_db->warehouse(1); }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>(QDate(2026, 1, 5));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini")));
        m_settings.setLoginUser(QStringLiteral("anna"));
        m_settings.setLezartHoDat(QDate(2025, 12, 31));
        RationFixture kitchen(db());
        QVERIFY(kitchen.meal("01", "Ebéd", 500));
        QVERIFY(kitchen.material("042", "0001", "Liszt", "KG", 0));
        QVERIFY(kitchen.material("042", "0002", "Cukor", "KG", 1));
        QVERIFY(kitchen.recipe("0007", "Palacsinta", {{"042", "0001", 10}, {"042", "0002", 5}}));
        QVERIFY(kitchen.headcount(m_date, "01", 11));
        QVERIFY(kitchen.menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(kitchen.material("042", "0003", "Só", "KG", 1));
        QSqlQuery account(db());
        QVERIFY(account.exec(
            QStringLiteral("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES ('042', 'Élelmiszer')")));
        m_stock->set("042", "0001", 100, 150);
        m_stock->set("042", "0002", 0.1, 400);
        m_stock->set("042", "0003", 5, 100);
    }

    void viewsAndModes()
    {
        m_messenger.clear();
        TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
        QVERIFY(screen.open(m_date, {"01"}));
        QCOMPARE(screen.view(), 1);
        QCOMPARE(
            screen.windowTitle(), QStringLiteral("Kiszabat, kiadás - Étlap részletes nézet (1. nézet) <Normál mód>"));
        QCOMPARE(screen.lblDatumTart->text(), QStringLiteral("Kiszabat dátum: 2026.03.10."));
        QCOMPARE(screen.lblEtkezesek->text(), QStringLiteral("Étkezések: 01, "));
        QVERIFY(!screen.btnModosit->isEnabled());
        QCOMPARE(screen.model()->rowCount(), 1);
        for (int view : {2, 3, 4, 1}) {
            screen.btnFelvitel->click();
            QCOMPARE(screen.view(), view);
        }
        QVERIFY(!screen.btnKiadas->isEnabled());

        screen.btnTorol->click();
        QVERIFY(screen.rationMode());
        QCOMPARE(screen.view(), 4);
        QVERIFY(screen.btnKiadas->isEnabled());
        QVERIFY(!screen.btnTorol->isEnabled());
        QCOMPARE(screen.pnlButtons->palette().color(QPalette::Window), QColor(192, 220, 192));
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        QVERIFY(!screen.btnKiadas->isEnabled());
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 4);

        // Sugar: 0.55 -> 0.6 against 0.1 in stock; the warning comes once only. The value follows
        // the rounded totals: 2 kg flour at 150, 0.6 kg sugar at 400.
        QCOMPARE(screen.lblHiany->text(), QStringLiteral("Nincs elég készlet a kiadáshoz!"));
        QCOMPARE(m_messenger.texts().count(QStringLiteral(
                     "Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA hiányt a piros sorok mutatják")),
            1);
        QCOMPARE(screen.model()->item(0, 2)->text(), QStringLiteral("Cukor"));
        QCOMPARE(screen.model()->item(0, 3)->text(), QStringLiteral("0,6"));
        QCOMPARE(screen.model()->item(0, 0)->background().color(), QColor(Qt::red));
        QCOMPARE(screen.model()->item(1, 0)->background().style(), Qt::NoBrush);
        QCOMPARE(screen.lblNorma->text(),
            QStringLiteral("Norma keret: 5 500,00 Ft  Valós érték: 540,00 Ft  Megtakarítás: 4 960,00 Ft"));
    }

    // "Tá&p. részl" and "Tá&p. csop" open the nutrient calculations of the sheet's own lines, in
    // views 3 and 4 only, and stay disabled while nothing can open them.
    void nutrientButtons()
    {
        m_messenger.clear();
        QList<QPair<RationNutrientScreens::Kind, int>> opened;
        RationNutrientScreens::setOpener([&opened](RationNutrientScreens::Kind kind, const RationSheet &sheet,
                                             QWidget *) { opened << qMakePair(kind, int(sheet.lines().size())); });
        TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
        QVERIFY(screen.open(m_date, {"01"}));
        QVERIFY(!screen.btnTap->isEnabled());
        screen.btnFelvitel->click();
        QVERIFY(!screen.btnTapCs->isEnabled());
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        QVERIFY(screen.btnTap->isEnabled());
        QVERIFY(screen.btnTapCs->isEnabled());
        screen.btnTap->click();
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 4);
        screen.btnTapCs->click();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.at(0).first, RationNutrientScreens::Kind::Detailed);
        QCOMPARE(opened.at(1).first, RationNutrientScreens::Kind::Grouped);
        QVERIFY(opened.at(0).second > 0);
        RationNutrientScreens::setOpener({});
        screen.btnFelvitel->click();
        screen.btnFelvitel->click();
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        QVERIFY(!screen.btnTap->isEnabled());
    }

    // "Új anyag" in view 4 adds a total, in view 3 a detail line of the one meal chosen: the meal
    // chooser of the open sheet first, then the material's dialog.
    void addsMaterialsToTheSheet()
    {
        m_messenger.clear();
        TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
        QVERIFY(screen.open(m_date, {"01"}));
        screen.btnTorol->click();
        QCOMPARE(screen.view(), 4);

        int offered = 0;
        bool recorded = false;
        addSaltThroughTheDialogs(2.5, &offered, &recorded);
        screen.btnUj->click();
        QCOMPARE(offered, 1);
        QVERIFY(recorded);
        QCOMPARE(screen.model()->rowCount(), 3);
        const int salt = rowOf(screen.model(), QStringLiteral("Só"), 2);
        QVERIFY(salt >= 0);
        QCOMPARE(screen.model()->item(salt, 3)->text(), QStringLiteral("2,5"));

        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        const int linesBefore = screen.model()->rowCount();
        recorded = false;
        addSaltThroughTheDialogs(1, &offered, &recorded);
        screen.btnUj->click();
        QVERIFY(recorded);
        QCOMPARE(screen.model()->rowCount(), linesBefore + 1);
    }

    // Enter in the grid runs "Módosít" when it is enabled (the total's dialog in view 4, the
    // line's in view 3) and otherwise does nothing: it never switches the view.
    void enterInTheGridRunsModosit_data()
    {
        QTest::addColumn<bool>("rationMode");
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("normal mode, view 1") << false << 1 << QString();
        QTest::newRow("normal mode, view 4") << false << 4 << QString();
        QTest::newRow("ration mode, view 4") << true << 4 << QStringLiteral("TfrmUjKiszabat_mod");
        QTest::newRow("ration mode, view 3") << true << 3 << QStringLiteral("TfrmUjKiszabat_Mod3");
    }

    void enterInTheGridRunsModosit()
    {
        QFETCH(bool, rationMode);
        QFETCH(int, view);
        QFETCH(QString, dialog);
        m_messenger.clear();
        TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
        QVERIFY(screen.open(m_date, {"01"}));
        if (rationMode)
            screen.btnTorol->click();
        while (screen.view() != view)
            screen.btnFelvitel->click();
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.DBGrid1->setFocus();
        QVERIFY(screen.model()->rowCount() > 0);

        ModalCloser closer;
        QTest::keyClick(screen.DBGrid1, Qt::Key_Return);
        QCOMPARE(screen.view(), view);
        QCOMPARE(closer.closed, dialog.isEmpty() ? QStringList() : QStringList {dialog});
        QVERIFY(screen.isVisible());
    }

    // The voucher header is asked for when the sheet posts items: closing it issues nothing and
    // says so; a sheet whose totals are all 0 posts nothing and is issued without it.
    void issueAsksForTheHeaderOnlyWhenItemsArePosted_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<double>("perPerson");
        QTest::addColumn<bool>("issued");
        QTest::newRow("header closed") << QDate(2026, 3, 13) << 1.0 << false;
        QTest::newRow("totals all 0") << QDate(2026, 3, 14) << 0.0 << true;
    }

    void issueAsksForTheHeaderOnlyWhenItemsArePosted()
    {
        QFETCH(QDate, day);
        QFETCH(double, perPerson);
        QFETCH(bool, issued);
        RationFixture kitchen(db());
        QVERIFY(kitchen.headcount(day, "01", 10));
        QVERIFY(kitchen.menu(day, "01", "1000", "0007", perPerson));
        const StockOptions options {QStringLiteral("anna"), false};
        auto stock = std::make_shared<FixedStock>();
        stock->set("042", "0001", 100, 150);
        stock->set("042", "0002", 100, 400);
        TfrmTallozasKiszabat screen(m_services, db(), stock, options);
        QVERIFY(screen.open(day, {"01"}));
        screen.btnTorol->click();
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const QString where = QStringLiteral(" WHERE \"Datum\" = '%1'").arg(day.toString(Qt::ISODate));
        const QString movements = QStringLiteral("SELECT COUNT(*) FROM \"Raktar\"");
        const int movementsBefore = StockFixture::value(db(), movements).toInt();

        m_messenger.clear();
        m_messenger.answer(MsgResult::Yes);
        ModalCloser closer;
        screen.btnKiadas->click();
        QCOMPARE(closer.closed, issued ? QStringList() : QStringList {QStringLiteral("TfrmRaktarAutoKivetel")});
        QCOMPARE(m_messenger.last().text, issued ? RationIssue::success() : RationIssue::failure().text);
        QCOMPARE(StockFixture::value(db(), movements).toInt(), movementsBefore);
        QCOMPARE(
            StockFixture::value(db(),
                QStringLiteral("SELECT COUNT(*) FROM \"Letszam\"") + where + QStringLiteral(" AND \"Kiadva\" = TRUE"))
                .toInt(),
            issued ? 1 : 0);
        QCOMPARE(StockFixture::value(db(), QStringLiteral("SELECT COUNT(*) FROM \"Kiszabat\"") + where).toInt(),
            issued ? 2 : 0);
        QCOMPARE(screen.result(), int(issued ? QDialog::Accepted : QDialog::Rejected));
    }

    void unfinishedSheetIsRestored()
    {
        {
            TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
            QVERIFY(screen.open(m_date, {"01"}));
            screen.btnTorol->click();
        }
        m_messenger.clear();
        m_messenger.answer(MsgResult::Yes);
        TfrmTallozasKiszabat screen(m_services, db(), m_stock, StockOptions {QStringLiteral("anna"), false});
        QVERIFY(screen.start());
        QCOMPARE(m_messenger.shown().first().text,
            QStringLiteral("Találtam egy megkezdett kiszabatot, ami nem lett kiadva. Visszatöltsem?"));
        QVERIFY(screen.rationMode());
        QCOMPARE(screen.view(), 4);
        QCOMPARE(screen.model()->rowCount(), 2);
        QCOMPARE(screen.sheet().totals()[1].quantity, 2.0);
        QVERIFY(screen.btnKiadas->isEnabled());
    }

    // The issue from view 4 of ration mode on the real stock: the question first, the voucher
    // header confirmed, one voucher written and the meal marked issued; the success message and
    // the print question come after. The issued meal is not offered for a second issue.
    void issuesTheSheetAsOneVoucher()
    {
        const QDate day(2026, 3, 12);
        RationFixture kitchen(db());
        QVERIFY(kitchen.headcount(day, "01", 10));
        QVERIFY(kitchen.menu(day, "01", "1000", "0007", 1));
        const StockOptions options {QStringLiteral("anna"), false};
        StockLedger ledger(db(), options);
        QVERIFY(ledger.record(StockFixture::receipt("00000101", QDate(2026, 3, 1), "0001", 10, "200", "042")).ok());
        QVERIFY(ledger.record(StockFixture::receipt("00000101", QDate(2026, 3, 1), "0002", 5, "400", "042")).ok());

        auto stock = std::make_shared<RationStockAtDate>(db(), 2026);
        TfrmTallozasKiszabat screen(m_services, db(), stock, options);
        QVERIFY(screen.open(day, {"01"}));
        screen.btnTorol->click();
        QVERIFY(screen.btnKiadas->isEnabled());
        QCOMPARE(screen.lblHiany->text(), QString());

        m_messenger.clear();
        m_messenger.answer(MsgResult::Yes);
        QString headerCaption;
        QTimer::singleShot(0, [&headerCaption] {
            auto *header = qobject_cast<TfrmRaktarAutoKivetel *>(QApplication::activeModalWidget());
            QVERIFY(header);
            headerCaption = header->windowTitle();
            header->btnRogzit->click();
        });
        screen.btnKiadas->click();
        QVERIFY(!headerCaption.isEmpty());
        const QStringList texts = m_messenger.texts();
        QCOMPARE(texts.first(), RationIssue::question());
        QCOMPARE(texts.at(texts.size() - 2), RationIssue::success());
        QCOMPARE(texts.last(), RationIssue::printQuestion());
        QCOMPARE(screen.result(), int(QDialog::Accepted));

        // 10 people: flour 10 / 100 each is 1 kg, sugar 5 / 100 each is 0.5 kg, in one voucher.
        const QString issued
            = QStringLiteral("SELECT %1 FROM \"Raktar\" WHERE \"Datum\" = '2026-03-12' AND \"BK\" = 'KI'");
        QCOMPARE(StockFixture::value(db(), issued.arg("COUNT(*)")).toInt(), 2);
        QCOMPARE(StockFixture::value(db(), issued.arg("COUNT(DISTINCT \"BizSzam\")")).toInt(), 1);
        QCOMPARE(StockFixture::value(db(), issued.arg("SUM(\"TetelMenny\")")).toDouble(), 1.5);
        QCOMPARE(StockFixture::value(db(), "SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'")
                     .toDouble(),
            9.0);
        QVERIFY(StockFixture::value(
            db(), "SELECT \"Kiadva\" FROM \"Letszam\" WHERE \"Datum\" = '2026-03-12' AND \"Etkezesek\" = '01'")
                    .toBool());

        m_messenger.clear();
        TfrmTallozasKiszabat again(m_services, db(), stock, options);
        QVERIFY(!again.open(day, {"01"}));
        QVERIFY(!m_messenger.shown().isEmpty());
        QCOMPARE(m_messenger.last().text, QStringLiteral("Erre a napra nincs kiadható étkezés!"));
        QCOMPARE(StockFixture::value(db(), issued.arg("COUNT(*)")).toInt(), 2);
    }

    // "Össz Me." of views 1 and 2 shows the dish's total with its material's decimals.
    void menuTotalsShowTheirDecimals_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole pieces") << 0 << "0";
        QTest::newRow("one decimal") << 1 << "0,4";
        QTest::newRow("two decimals") << 2 << "0,38";
        QTest::newRow("three decimals, recipes too") << 3 << "0,375";
    }
    void menuTotalsShowTheirDecimals()
    {
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        RationMenuRow row;
        row.dishName = QStringLiteral("Vaj");
        row.perPerson = 0.125;
        row.headcount = 3;
        row.unit = QStringLiteral("KG");
        row.decimals = decimals;
        QStandardItemModel view1;
        RationModels::fillMenu(view1, {row}, false);
        QCOMPARE(view1.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Össz Me."));
        QCOMPARE(view1.item(0, 5)->text(), shown);
        QStandardItemModel view2;
        RationModels::fillDishes(view2, RationViews::dishes({row}));
        QCOMPARE(view2.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Össz Me."));
        QCOMPARE(view2.item(0, 2)->text(), shown);
    }
};

QTEST_MAIN(TestMenuUiRationSheet)
#include "tst_rationsheet.moc"
