#include "core/DatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "menu/ui/frmTallozasKiszabat.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "support/RationFixture.h"
#include "support/TempDatabase.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {
class NoDates : public DatePrompt
{
public:
    QDate askDate(const QString &) override { return noDate(); }
};
} // namespace

// The ration-sheet screen: the views in both modes, the shortage marking and the restored sheet.
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
    NoDates m_dates;
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
        m_stock->set("042", "0001", 100, 150);
        m_stock->set("042", "0002", 0.1, 400);
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
};

QTEST_MAIN(TestMenuUiRationSheet)
#include "tst_rationsheet.moc"
