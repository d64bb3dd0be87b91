#include "store/Catalogue.h"
#include "exchange/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

class TestUtilCsvExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    void exec(const QString &sql)
    {
        QSqlQuery query(m_db);
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("csv"));
        m_db.setDatabaseName(m_dir.filePath(QStringLiteral("raktar.sqlite")));
        QVERIFY(m_db.open());
        exec("CREATE TABLE Anyag (NyilvSzam TEXT, Megnevezes TEXT, NyilvAr REAL, Kerekites INTEGER)");
        QSqlQuery insert(m_db);
        insert.prepare("INSERT INTO Anyag VALUES (?, ?, ?, ?)");
        insert.addBindValue(QStringLiteral("0007"));
        insert.addBindValue(QStringLiteral("Dió 2\" őrölt; ŐŰ"));
        insert.addBindValue(12.5);
        insert.addBindValue(2);
        QVERIFY(insert.exec());
        insert.addBindValue(QStringLiteral("0008"));
        insert.addBindValue(QVariant());
        insert.addBindValue(0.1 + 0.2);
        insert.addBindValue(QVariant());
        QVERIFY(insert.exec());
        exec("CREATE TABLE Sok (Azon INTEGER)");
        exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
             "INSERT INTO Sok SELECT i FROM n");
    }

    void exactBytes()
    {
        QSqlQueryModel model;
        model.setQuery("SELECT * FROM Anyag ORDER BY NyilvSzam", m_db);
        // A caption set for the grid does not replace the field name in the file.
        model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Anyag megnevezése"));
        const QByteArray expected = "\"NyilvSzam\";\"Megnevezes\";\"NyilvAr\";\"Kerekites\"\r\n"
                                    "\"0007\";\"Di\xF3 2\"\" \xF5r\xF6lt; \xD5\xDB\";\"12,5\";\"2\"\r\n"
                                    "\"0008\";\"\";\"0,3\";\"\"\r\n";
        QCOMPARE(CsvExport::toCsv(model), expected);
    }

    void datesAndBooleansOfTableFields()
    {
        // Dates are stored as ISO text and booleans as 0/1; the file shows them as the grid's
        // field would: the short date and the words.
        QString error;
        QVERIFY2(Catalogue::createTables(m_db, {*Catalogue::table("Munkaev"), *Catalogue::table("Napizaras")}, &error),
            qPrintable(error));
        exec("INSERT INTO Munkaev (MunkaEv, AktivEv) VALUES ('2006', 1), ('2005', 0)");
        exec("INSERT INTO Napizaras (Datum, Megjegyzes, \"User\") VALUES ('2006-03-31', '2006-04-01', 'admin')");
        QSqlQueryModel model;
        model.setQuery("SELECT m.MunkaEv, m.AktivEv, n.Datum, n.Megjegyzes, m.AktivEv + 1 AS Szam "
                       "FROM Munkaev m, Napizaras n ORDER BY m.MunkaEv",
            m_db);
        QCOMPARE(CsvExport::toCsv(model),
            QByteArray("\"MunkaEv\";\"AktivEv\";\"Datum\";\"Megjegyzes\";\"Szam\"\r\n"
                       "\"2005\";\"Hamis\";\"2006.03.31.\";\"2006-04-01\";\"1\"\r\n"
                       "\"2006\";\"Igaz\";\"2006.03.31.\";\"2006-04-01\";\"2\"\r\n"));
    }

    void emptyDataSetGivesHeaderOnly()
    {
        QSqlQueryModel model;
        model.setQuery("SELECT NyilvSzam, Megnevezes FROM Anyag WHERE 0", m_db);
        QCOMPARE(CsvExport::toCsv(model), QByteArray("\"NyilvSzam\";\"Megnevezes\"\r\n"));
    }

    void everyRowIsWrittenWithProgress()
    {
        // A query model loads its rows in portions; the file must hold all of them.
        QSqlQueryModel model;
        model.setQuery("SELECT Azon FROM Sok ORDER BY Azon", m_db);
        QList<int> rows;
        int total = 0;
        const QByteArray bytes = CsvExport::toCsv(model, [&](int row, int rowCount) {
            rows << row;
            total = rowCount;
        });
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 602); // header, 600 rows, nothing after the last line end
        QCOMPARE(lines.at(600), QByteArray("\"600\"\r"));
        QVERIFY(lines.last().isEmpty());
        QCOMPARE(rows.size(), 600);
        QCOMPARE(rows.first(), 0);
        QCOMPARE(rows.last(), 599);
        QCOMPARE(total, 600);
    }

    void displayTexts_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << QVariant() << "";
        QTest::newRow("null number") << QVariant(QMetaType::fromType<double>()) << "";
        QTest::newRow("number") << QVariant(1234.25) << "1234,25";
        QTest::newRow("binary noise") << QVariant(0.1 + 0.2) << "0,3";
        QTest::newRow("whole number") << QVariant(qlonglong(42)) << "42";
        QTest::newRow("true") << QVariant(true) << "Igaz";
        QTest::newRow("false") << QVariant(false) << "Hamis";
        QTest::newRow("date") << QVariant(QDate(2006, 3, 31)) << "2006.03.31.";
        QTest::newRow("date and time") << QVariant(QDateTime(QDate(2006, 3, 31), QTime(8, 5, 0)))
                                       << "2006.03.31. 08:05:00";
        QTest::newRow("text") << QVariant(QStringLiteral("a\"b")) << "a\"b";
    }
    void displayTexts()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(CsvExport::displayText(value), text);
    }

    // One column of values as the file holds them: numbers in plain notation with the column's
    // decimals, formula-like texts made text, everything else as it was.
    void columnValues_data()
    {
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("large number") << QVariantList {1e20} << QStringList {"100000000000000000000"};
        QTest::newRow("small negative number") << QVariantList {-1.2345e-05} << QStringList {"-0,000012345"};
        QTest::newRow("decimals of the column")
            << QVariantList {12.5, 3.0, 0.125, -2.25} << QStringList {"12,500", "3,000", "0,125", "-2,250"};
        QTest::newRow("binary noise") << QVariantList {0.1 + 0.2, 1.0} << QStringList {"0,3", "1,0"};
        QTest::newRow("whole numbers") << QVariantList {qlonglong(-5), qlonglong(42)} << QStringList {"-5", "42"};
        QTest::newRow("null between numbers") << QVariantList {1.5, QVariant(), 2.0} << QStringList {"1,5", "", "2,0"};
        QTest::newRow("formula texts")
            << QVariantList {"=SUM(A1:A9)", "+36 1 234 5678", "-2+3+cmd|' /C calc'!A0", "@SUM(1)", "\tx", "\rx"}
            << QStringList {"'=SUM(A1:A9)", "'+36 1 234 5678", "'-2+3+cmd|' /C calc'!A0", "'@SUM(1)", "'\tx", "'\rx"};
        QTest::newRow("numbers written as text")
            << QVariantList {"-12,5", "+3", "-7"} << QStringList {"-12,5", "+3", "-7"};
        QTest::newRow("signs inside a text") << QVariantList {"a=b", "x-1", " =1"} << QStringList {"a=b", "x-1", " =1"};
    }
    void columnValues()
    {
        QFETCH(QVariantList, values);
        QFETCH(QStringList, texts);
        QStandardItemModel model(int(values.size()), 1);
        model.setHorizontalHeaderLabels({QStringLiteral("Ertek")});
        for (int row = 0; row < values.size(); ++row)
            model.setData(model.index(row, 0), values.at(row));
        const CsvExport::Sheet sheet = CsvExport::read(model);
        QStringList column;
        for (const QStringList &row : sheet.rows)
            column << row.value(0);
        QCOMPARE(column, texts);
        QVERIFY(CsvExport::unwritable(sheet).isNull());
    }

    // A character that Windows-1250 cannot hold is named with its row and column before
    // anything is written; written anyway, it becomes "?".
    void unwritableValuesAreNamed_data()
    {
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("values"); // row by row, two columns each
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        const QString ask = QStringLiteral("\rKérdőjellel helyettesítve menti?");
        QTest::newRow("second row, second column")
            << QStringList {"Kod", "Megnevezes"} << QStringList {"1", "Alma", "2", "Hó ☃ és ☃ €"}
            << "A fájlba nem írható karakter: ☃\rSor: 2, oszlop: Megnevezes" + ask
            << QByteArray("\"Kod\";\"Megnevezes\"\r\n\"1\";\"Alma\"\r\n\"2\";\"H\xf3 ? \xe9s ? \x80\"\r\n");
        QTest::newRow("emoji in the first row")
            << QStringList {"Kod", "Megnevezes"} << QStringList {"1\U0001F600", "Alma", "2", "Körte"}
            << "A fájlba nem írható karakter: \U0001F600\rSor: 1, oszlop: Kod" + ask
            << QByteArray("\"Kod\";\"Megnevezes\"\r\n\"1?\";\"Alma\"\r\n\"2\";\"K\xf6rte\"\r\n");
        QTest::newRow("field name") << QStringList {"Kod", "Ár ∑"} << QStringList {"1", "2"}
                                    << "A fájlba nem írható karakter: ∑\rSor: fejléc, oszlop: Ár ∑" + ask
                                    << QByteArray("\"Kod\";\"\xc1r ?\"\r\n\"1\";\"2\"\r\n");
    }
    void unwritableValuesAreNamed()
    {
        QFETCH(QStringList, header);
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QStandardItemModel model(int(values.size() / 2), 2);
        model.setHorizontalHeaderLabels(header);
        for (int i = 0; i < values.size(); ++i)
            model.setData(model.index(i / 2, i % 2), values.at(i));
        const CsvExport::Sheet sheet = CsvExport::read(model);
        const Refusal question = CsvExport::unwritable(sheet);
        QCOMPARE(question.caption, QStringLiteral("Kérdés"));
        QCOMPARE(question.symbol, 4);
        QCOMPARE(question.text, text);
        QCOMPARE(CsvExport::encode(sheet), bytes);
    }

    void writeReplacesFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("Partner.csv"));
        QCOMPARE(CsvExport::writeFile(path, "an older and longer content\r\n"), QString());
        QCOMPARE(CsvExport::writeFile(path, "\"x\"\r\n"), QString());
        QCOMPARE(readAll(path), QByteArray("\"x\"\r\n"));
    }

    void unwritablePath_data()
    {
        QTest::addColumn<QString>("path");
        // Root may write anywhere, so these paths fail whatever the permissions.
        QTest::newRow("folder is a file") << QStringLiteral("plain.txt/Partner.csv");
        QTest::newRow("missing folder") << QStringLiteral("nincs/Partner.csv");
        QTest::newRow("name of a folder") << QStringLiteral("mappa");
    }
    void unwritablePath()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mappa")));
        const QString full = dir.filePath(path);

        QCOMPARE(CsvExport::writeFile(full, "\"x\"\r\n"),
            QStringLiteral("A fájl nem írható:\r") + QDir::toNativeSeparators(full));
        // Nothing besides what was there before, not even a temporary file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({"mappa", "plain.txt"}));
        QVERIFY(QDir(dir.filePath(QStringLiteral("mappa"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUtilCsvExport)
#include "tst_csvexport.moc"
