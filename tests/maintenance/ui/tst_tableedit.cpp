#include "maintenance/ui/frmTableEdit.h"

#include "store/WorkTable.h"
#include "support/ScreenRun.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// The table editor: a table opens with its indexes, a query fills the grid, a refused statement
// says why, and the name conversion refuses any table but Anyag.
class TestTableEdit : public QObject
{
    Q_OBJECT

private slots:
    void opensQueriesAndRefuses()
    {
        ScreenRun run(QDate(2025, 6, 1));
        run.exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\") VALUES ('100', '0001', 'Liszt')");
        TfrmTableEdit screen(run.services);
        screen.openTable(QStringLiteral("anyag.db"));
        QCOMPARE(screen.windowTitle(), QStringLiteral("Tábla editor <Anyag>"));
        QVERIFY(screen.ComboBox1->findText(QStringLiteral("OrderMegn")) >= 0);
        QCOMPARE(screen.Label3->text(), QStringLiteral("1"));
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 1);

        screen.spdChar->click();
        QVERIFY(run.messenger.shown().isEmpty()); // Anyag is open and no name needs converting
        screen.openTable(QStringLiteral("Partner"));
        screen.spdChar->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("Nincs megnyitva az Anyag.db a karakterkonverzióhoz!"));

        screen.spdSQL->click();
        QCOMPARE(screen.windowTitle().left(24), QStringLiteral("SQL editor - BDE alias: "));
        screen.comSqlType->setCurrentText(QStringLiteral("DELETE"));
        QCOMPARE(screen.memSQL->toPlainText(), QStringLiteral("DELETE FROM <tábla>\nWHERE <feltételek>"));
        screen.memSQL->setPlainText(QStringLiteral("SELECT \"Megnevezes\" FROM \"Anyag\""));
        screen.SpeedButton2->click();
        QCOMPARE(screen.Label7->text(), QStringLiteral("1"));
        QCOMPARE(screen.DBGrid1->model()->index(0, 0).data().toString(), QStringLiteral("Liszt"));

        screen.memSQL->setPlainText(QStringLiteral("ATTACH DATABASE 'masik.sqlite' AS m"));
        screen.SpeedButton3->click();
        QCOMPARE(run.messenger.last().caption, QStringLiteral("HIBA!"));
        screen.memSQL->setPlainText(QStringLiteral("UPDATE \"Anyag\" SET \"Megnevezes\" = 'Rozsliszt'"));
        screen.SpeedButton3->click();
        QCOMPARE(run.messenger.last().text, QStringLiteral("Az SQL sikeresen végrehajtva.\rÉrintett sorok száma: 1"));
        QCOMPARE(run.value("SELECT \"Megnevezes\" FROM \"Anyag\""), QStringLiteral("Rozsliszt"));
    }

    void showsAWorkTableAsStored()
    {
        ScreenRun run(QDate(2025, 6, 1));
        run.exec("INSERT INTO \"TmpBear\" DEFAULT VALUES");
        run.exec("INSERT INTO \"TmpBear\" DEFAULT VALUES");
        // This connection's private copy is empty.
        QVERIFY(WorkTable::prepare(run.warehouse(), QStringLiteral("TmpBear")));
        QCOMPARE(run.value("SELECT COUNT(*) FROM \"TmpBear\""), QStringLiteral("0"));
        TfrmTableEdit screen(run.services);
        screen.openTable(QStringLiteral("TmpBear"));
        QCOMPARE(screen.DBGrid1->model()->rowCount(), 2);
    }
};

QTEST_MAIN(TestTableEdit)
#include "tst_tableedit.moc"
