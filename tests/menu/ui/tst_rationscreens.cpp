#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "menu/ui/frmKiszabatTorles.h"
#include "menu/ui/frmLekTallozasKiszabat.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "support/RationFixture.h"
#include "support/TempDatabase.h"

#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

// The planning screen's views and the day deletion screen's questions and answers.
class TestMenuUiRationScreens : public QObject
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

    QSqlDatabase db() const { return m_db->warehouse(1); }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>(QDate(2026, 1, 5));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini")));
        m_settings.setLezartHoDat(QDate(2025, 12, 31));
        RationFixture kitchen(db());
        QVERIFY(kitchen.meal("01", "Ebéd", 500));
        QVERIFY(kitchen.material("042", "0001", "Liszt", "KG", 2, 150, 3));
        QVERIFY(kitchen.recipe("0007", "Palacsinta", {{"042", "0001", 200.1}}));
        QVERIFY(kitchen.headcount(m_date, "01", 1));
        QVERIFY(kitchen.headcount(m_date.addDays(1), "01", 1));
        QVERIFY(kitchen.menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(kitchen.menu(m_date.addDays(1), "01", "1000", "0007", 1));
    }

    void planningViews()
    {
        m_messenger.clear();
        TfrmLekTallozasKiszabat screen(m_services, db());
        QVERIFY(screen.open(m_date, m_date.addDays(1), {"01"}));
        QCOMPARE(screen.lblDatumTart->text(), QStringLiteral("Dátumtartomány: 2026.03.10.-2026.03.11."));
        QCOMPARE(screen.model()->rowCount(), 2);
        QCOMPARE(screen.model()->horizontalHeaderItem(0)->text(), QStringLiteral("Dátum"));
        QCOMPARE(screen.lblNorma->text(), QStringLiteral("Norma (3. nézet számítja)"));
        screen.btnFelvitel->click();
        QCOMPARE(screen.model()->rowCount(), 1);
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        // 4.002 upwards to 4.01 against 3 in stock.
        QCOMPARE(screen.model()->item(0, 3)->text(), QStringLiteral("4,01"));
        QCOMPARE(screen.lblHiany->text(), QStringLiteral("Nincs elég készlet a kiadáshoz!"));
        QCOMPARE(m_messenger.texts(),
            QStringList {"Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA hiányt a piros sorok mutatják"});
        screen.btnFelvitel->click();
        screen.btnFelvitel->click();
        screen.btnFelvitel->click();
        QCOMPARE(screen.view(), 3);
        QCOMPARE(m_messenger.shown().size(), 1);
    }

    void dayDeletionAsksAndReports_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("calls");
        QTest::addColumn<QString>("lastMessage");
        QTest::newRow("no") << MsgResult::No << false << 0
                            << "A folyamat törli a felsorolt kiszabatokat, és a hozzájuk tartozó raktári "
                               "bizonylatokat!\rValóban ezt akarja?";
        QTest::newRow("yes") << MsgResult::Yes << false << 1 << "A kiszabatok sikeresen törölve lettek.";
        QTest::newRow("yes, refused") << MsgResult::Yes << true << 1 << "Nem sikerült.";
    }

    void dayDeletionAsksAndReports()
    {
        QFETCH(int, answer);
        QFETCH(bool, refused);
        QFETCH(int, calls);
        QFETCH(QString, lastMessage);
        m_messenger.clear();
        m_messenger.answer(answer);
        int called = 0;
        QDate asked;
        TfrmKiszabatTorles screen(
            m_services,
            [](const QDate &date) {
                return date == QDate(2026, 3, 10) ? QList<RationMeal> {RationMeal {"01", "Ebéd"}}
                                                  : QList<RationMeal> {};
            },
            [&](const QDate &date) {
                ++called;
                asked = date;
                return refused ? Checked<int>::refused(Refusal::warning(QStringLiteral("Nem sikerült.")))
                               : Checked<int>::accepted(2);
            });
        QCOMPARE(screen.dtpKezdet->minimumDate(), QDate(2026, 1, 1));
        screen.dtpKezdet->setDate(m_date);
        QCOMPARE(screen.lstEtkezesek->count(), 1);
        QCOMPARE(screen.lstEtkezesek->item(0)->text(), QStringLiteral("01-Ebéd"));
        screen.btnRogzitClick();
        QCOMPARE(called, calls);
        if (calls)
            QCOMPARE(asked, m_date);
        QCOMPARE(m_messenger.last().text, lastMessage);
        QCOMPARE(
            m_messenger.texts().contains(QStringLiteral("A kiszabatok sikeresen törölve lettek.")), calls && !refused);
    }
};

QTEST_MAIN(TestMenuUiRationScreens)
#include "tst_rationscreens.moc"
