#include "store/Catalogue.h"
#include "exchange/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
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
