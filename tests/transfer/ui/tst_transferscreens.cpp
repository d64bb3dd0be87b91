#include "transfer/ui/frmConvert.h"
#include "transfer/ui/frmUVIexport.h"

#include "support/DbaseWriter.h"
#include "support/ScreenRun.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The converter and the UVI export screens: they collect, ask before writing, call the logic and
// show its answer.
class TestTransferScreens : public QObject
{
    Q_OBJECT

    const QDate m_today {2025, 6, 1};

private slots:
    void converterSkipsTheOpeningStockWithoutADate()
    {
        ScreenRun run(m_today);
        run.settings.setMunkaEv(QStringLiteral("2025"));
        QTemporaryDir folder;
        {
            DbaseWriter dbf(folder.filePath("SALK002.DBF"));
            dbf.number("FOKSZLA", 3).text("MEGNEV", 30);
            dbf.row({100, QByteArray("\x90lelmiszer")});
        }
        TfrmConvert screen(run.services);
        screen.Edit1->setText(folder.path());
        for (int i = 0; i < screen.ListBox1->count(); ++i) {
            const QString entry = screen.ListBox1->item(i)->text();
            screen.ListBox1->item(i)->setSelected(entry == "Főkönyvi számok" || entry == "Raktár nyitókészlet");
        }
        screen.btnIndit->click();
        QCOMPARE(run.dates.labels(), QStringList({"Nyitótétel dátuma:"}));
        QCOMPARE(run.dates.proposals(), QList<QDate>({QDate(2025, 1, 1)}));
        QCOMPARE(run.messenger.texts().first(), QStringLiteral("Nem adott meg dátumot: a nyitókészletet nem importálom."));
        QVERIFY2(run.messenger.texts().at(1).startsWith(QStringLiteral("A konverzió sikeresen befejeződött.")),
            qPrintable(run.messenger.texts().join('\n')));
        QCOMPARE(run.value("SELECT \"Megnevezes\" FROM \"Fokszam\""), QStringLiteral("Élelmiszer"));
        QCOMPARE(run.value("SELECT COUNT(*) FROM \"Raktar\""), QStringLiteral("0"));
    }

    void converterSaysWhenNothingWasImported()
    {
        ScreenRun run(m_today);
        run.settings.setMunkaEv(QStringLiteral("2025"));
        QTemporaryDir folder;
        TfrmConvert screen(run.services);
        screen.Edit1->setText(folder.path());
        run.dates.answer(QDate(2025, 1, 1));
        screen.btnIndit->click();
        QVERIFY(run.messenger.last().text.startsWith(QStringLiteral("Nem található a(z) SALT002.DBF")));
        QVERIFY(run.messenger.last().text.endsWith(QStringLiteral("A konverzió nem történt meg, az adatbázis nem változott.")));
        QVERIFY(screen.result() != QDialog::Accepted);
    }

    void exportWritesTheBatchAndAsksBeforeReplacingIt()
    {
        ScreenRun run(m_today);
        run.exec("INSERT INTO \"Tablo\" (\"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\") VALUES ('001', '2025-01-01', "
                 "'2025-01-31')");
        QTemporaryDir folder;
        TfrmUVIexport screen(run.services);
        QCOMPARE(screen.edtKoteg->text(), QStringLiteral("001"));
        run.files.answer(folder.path());
        screen.btnExport->click();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 6);
        QVERIFY(screen.memStatus->toPlainText().endsWith(QStringLiteral("-= Minden fájl exportálva! =-")));
        QCOMPARE(run.settings.koteg(), QStringLiteral("002"));

        // The field still shows the batch just written: exporting it again asks first.
        run.files.answer(folder.path());
        run.messenger.answer(buttonResult(QStringLiteral("Nem")));
        screen.btnExport->click();
        QVERIFY(run.messenger.last().text.startsWith(QStringLiteral("A mappában már vannak ennek a kötegnek")));
        QCOMPARE(run.settings.koteg(), QStringLiteral("002"));
    }
};

QTEST_MAIN(TestTransferScreens)
#include "tst_transferscreens.moc"
