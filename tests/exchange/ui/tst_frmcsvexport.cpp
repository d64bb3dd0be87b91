#include "widgets/UiFilePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "exchange/ui/frmCsvExport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestUtilFrmCsvExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dbDir;
    QSqlDatabase m_db;

    // A grid on 150 material rows, standing on row 120.
    struct Grid
    {
        QSqlQueryModel model;
        QTableView view;
    };
    void fillGrid(Grid &grid)
    {
        grid.model.setQuery("SELECT NyilvSzam, Megnevezes FROM Anyag ORDER BY NyilvSzam", m_db);
        while (grid.model.canFetchMore())
            grid.model.fetchMore();
        grid.view.setModel(&grid.model);
        grid.view.setCurrentIndex(grid.model.index(120, 1));
    }

    static QStringList entries(const QString &path)
    {
        return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dbDir.isValid());
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grid"));
        m_db.setDatabaseName(m_dbDir.filePath(QStringLiteral("raktar.sqlite")));
        QVERIFY(m_db.open());
        QSqlQuery query(m_db);
        QVERIFY(query.exec("CREATE TABLE Anyag (NyilvSzam TEXT, Megnevezes TEXT)"));
        QVERIFY(query.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 150) "
                           "INSERT INTO Anyag SELECT substr('0000' || i, -4), 'Lencse ' || i FROM n"));
        QVERIFY(query.exec("UPDATE Anyag SET Megnevezes = 'Dió 2\" őrölt' WHERE NyilvSzam = '0001'"));
    }

    void exportWritesFileAndLeavesGridOnFirstRow()
    {
        QTemporaryDir out;
        Grid grid;
        fillGrid(grid);
        ScriptedFilePrompt prompt;
        ScriptedMessenger messenger;
        const QString path = out.filePath(QStringLiteral("Anyag.csv"));
        prompt.answer(path);

        TfrmCsvExport window(prompt, messenger);
        QCOMPARE(window.windowTitle(), QStringLiteral("CSV Export"));
        QCOMPARE(window.findChild<QLabel *>("lblFolyamat")->text(), QStringLiteral("Adatexport folyamatban..."));
        auto *bar = window.findChild<QProgressBar *>("pbrExport");
        QVERIFY(bar);
        QList<int> steps;
        connect(bar, &QProgressBar::valueChanged, this, [&](int value) { steps << value; });
        window.setFileName(QStringLiteral("Anyag.csv"));
        QCOMPARE(window.exportData(&grid.model, &grid.view), path);

        // The save dialog: its filter, extension and the proposed name in the current folder.
        QCOMPARE(prompt.requests().size(), 1);
        const ScriptedFilePrompt::Request &request = prompt.requests().first();
        QCOMPARE(request.kind, ScriptedFilePrompt::Kind::Save);
        QCOMPARE(request.filter, QStringLiteral("Vesszővel tagolt szöveg (.csv)|*.CSV|Minden fájl|*.*"));
        QCOMPARE(request.defaultSuffix, QStringLiteral(".csv"));
        QCOMPARE(request.dir, QDir::current().absoluteFilePath(QStringLiteral("Anyag.csv")));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 152);
        QCOMPARE(lines.at(0), QByteArray("\"NyilvSzam\";\"Megnevezes\"\r"));
        QCOMPARE(lines.at(1), QByteArray("\"0001\";\"Di\xF3 2\"\" \xF5r\xF6lt\"\r"));
        QCOMPARE(lines.at(150), QByteArray("\"0150\";\"Lencse 150\"\r"));

        // One step per row, starting again at 0 after 100.
        QCOMPARE(steps.size(), 150);
        QCOMPARE(steps.at(99), 100);
        QCOMPARE(steps.at(100), 0);
        QCOMPARE(bar->value(), 49);

        QCOMPARE(grid.view.currentIndex().row(), 0);
        QCOMPARE(grid.view.currentIndex().column(), 1);
        QVERIFY(grid.view.updatesEnabled());
        QVERIFY(!window.isVisible());
        QVERIFY(messenger.shown().isEmpty());
    }

    void cancelledSaveWritesNothing()
    {
        QTemporaryDir out;
        QVERIFY(QDir::setCurrent(out.path()));
        Grid grid;
        fillGrid(grid);
        ScriptedFilePrompt prompt; // answers "" (cancelled)
        ScriptedMessenger messenger;
        QCOMPARE(TfrmCsvExport::run(nullptr, prompt, messenger, &grid.model, QStringLiteral("Partner.csv"), &grid.view),
                 QString());
        QCOMPARE(prompt.requests().size(), 1);
        QCOMPARE(entries(out.path()), QStringList());
        QCOMPARE(grid.view.currentIndex().row(), 120);
        QVERIFY(messenger.shown().isEmpty());
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    void unwritableFileShowsErrorAndLeavesNoFile()
    {
        QTemporaryDir out;
        QVERIFY(QDir(out.path()).mkdir(QStringLiteral("Partner.csv")));
        Grid grid;
        fillGrid(grid);
        ScriptedFilePrompt prompt;
        ScriptedMessenger messenger;
        const QString path = out.filePath(QStringLiteral("Partner.csv"));
        prompt.answer(path);
        QCOMPARE(TfrmCsvExport::run(nullptr, prompt, messenger, &grid.model, QStringLiteral("Partner.csv"), &grid.view),
                 QString());
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("HIBA!"));
        QCOMPARE(messenger.last().symbol, Symbol::Error);
        QCOMPARE(messenger.last().text, QStringLiteral("A fájl nem írható:\r") + QDir::toNativeSeparators(path));
        QCOMPARE(messenger.last().buttons, QStringList({"OK"}));
        QCOMPARE(entries(out.path()), QStringList({"Partner.csv"}));
        QVERIFY(QDir(path).isEmpty());
        // The grid is returned to its first row all the same.
        QCOMPARE(grid.view.currentIndex().row(), 0);
    }

    // A value the file cannot hold is asked about before anything is written.
    void unwritableCharacterIsAskedFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("file"); // empty: no file
        QTest::newRow("Nem") << int(MsgResult::No) << QByteArray();
        QTest::newRow("closed") << int(MsgResult::Cancel) << QByteArray();
        QTest::newRow("Igen") << int(MsgResult::Yes) << QByteArray("\"Nev\"\r\n\"Alma\"\r\n\"H\xf3 ?\"\r\n");
    }
    void unwritableCharacterIsAskedFirst()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, file);
        QTemporaryDir out;
        QStandardItemModel model(2, 1);
        model.setHorizontalHeaderLabels({QStringLiteral("Nev")});
        model.setData(model.index(0, 0), QStringLiteral("Alma"));
        model.setData(model.index(1, 0), QStringLiteral("Hó ☃"));
        ScriptedFilePrompt prompt;
        ScriptedMessenger messenger;
        const QString path = out.filePath(QStringLiteral("Lista.csv"));
        prompt.answer(path);
        messenger.answer(answer);
        QCOMPARE(TfrmCsvExport::run(nullptr, prompt, messenger, &model, QStringLiteral("Lista.csv")),
            file.isEmpty() ? QString() : path);
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("Kérdés"));
        QCOMPARE(messenger.last().text,
            QStringLiteral("A fájlba nem írható karakter: ☃\rSor: 2, oszlop: Nev\rKérdőjellel helyettesítve menti?"));
        QCOMPARE(messenger.last().buttons, QStringList({"Igen", "Nem"}));
        if (file.isEmpty()) {
            QCOMPARE(entries(out.path()), QStringList());
            return;
        }
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file);
    }

    void emptyDataSet()
    {
        QTemporaryDir out;
        QSqlQueryModel model;
        model.setQuery("SELECT NyilvSzam FROM Anyag WHERE 0", m_db);
        QTableView view;
        view.setModel(&model);
        ScriptedFilePrompt prompt;
        ScriptedMessenger messenger;
        const QString path = out.filePath(QStringLiteral("Ures.csv"));
        prompt.answer(path);
        QCOMPARE(TfrmCsvExport::run(nullptr, prompt, messenger, &model, QStringLiteral("Ures.csv"), &view), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"NyilvSzam\"\r\n"));
    }

    void fileFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("csv") << "Vesszővel tagolt szöveg (.csv)|*.CSV|Minden fájl|*.*"
                             << "Vesszővel tagolt szöveg (.csv) (*.CSV *.csv);;Minden fájl (*)";
        QTest::newRow("several patterns") << "Táblák|*.db;*.dbf" << "Táblák (*.db *.DB *.dbf *.DBF)";
        QTest::newRow("blank after description") << "ZIP csomagolt fájl (*.zip) |*.zip"
                                                 << "ZIP csomagolt fájl (*.zip) (*.zip *.ZIP)";
        QTest::newRow("Qt form unchanged") << "Képek (*.png *.jpg);;Minden fájl (*)"
                                           << "Képek (*.png *.jpg);;Minden fájl (*)";
    }
    void fileFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(UiFilePrompt::qtFilter(filter), qt);
    }
};

QTEST_MAIN(TestUtilFrmCsvExport)
#include "tst_frmcsvexport.moc"
