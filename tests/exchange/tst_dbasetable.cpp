#include "exchange/DbaseTable.h"
#include "support/DbaseWriter.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// The bounded dBASE reader: values of every field kind, deleted records, code page 852 names,
// and files whose header does not agree with their contents.
class TestDbaseTable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeSample(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        DbaseWriter dbf(path);
        dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("MEGNEV", 40).number("MENNY", 10, 3).logical("ALLATI").date(
            "DATUM");
        dbf.row({QStringLiteral("100"), 7, QByteArray("Liszt"), 1.25, true, QDate(2025, 1, 2)});
        dbf.row({QStringLiteral("100"), 8, QByteArray("Torolt"), 3.0, false, QDate(2025, 1, 3)}).deleteLast();
        dbf.row({QStringLiteral("20"), 12, QByteArray("\xA0\xA1\xFB\x8B\x81\x94\xA3\xA2\x82\xB5\xD6\xEB\x8A\x9A\x99\xE9\xE0\x90"),
            -2.5, false, QVariant()});
        dbf.row({QStringLiteral("A1"), QVariant(), QByteArray("\x85\xFE x"), QVariant(), QVariant(), QVariant()});
        return path;
    }

    static void patch(const QString &path, qint64 at, quint32 value, int size)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(at);
        uchar bytes[4];
        qToLittleEndian<quint32>(value, bytes);
        file.write(reinterpret_cast<const char *>(bytes), size);
    }

private slots:
    // Amounts and dates as the file's text holds them: the fast readers agree with the strict
    // amount parser and the calendar on every form, the unusual ones included.
    void amountsAndDatesFromText_data()
    {
        QTest::addColumn<QByteArray>("amount");
        QTest::addColumn<QByteArray>("day");
        QTest::newRow("plain") << QByteArray("123.45") << QByteArray("20250102");
        QTest::newRow("negative comma") << QByteArray("-1,5") << QByteArray("20241231");
        QTest::newRow("fraction only") << QByteArray(".5") << QByteArray("2025013");
        QTest::newRow("whole") << QByteArray("42") << QByteArray("20250230");
        QTest::newRow("five decimals round") << QByteArray("0.12345") << QByteArray("2025-1-1");
        QTest::newRow("point at end") << QByteArray("12.") << QByteArray("20251301");
        QTest::newRow("plus sign") << QByteArray("+3.25") << QByteArray("        ");
        QTest::newRow("sign only") << QByteArray("-") << QByteArray("abcdefgh");
        QTest::newRow("garbage") << QByteArray("1.2.3") << QByteArray("20240229");
        QTest::newRow("long") << QByteArray("99999999999999.99") << QByteArray("00000000");
    }
    void amountsAndDatesFromText()
    {
        QFETCH(QByteArray, amount);
        QFETCH(QByteArray, day);
        const QString path = m_dir.filePath(QStringLiteral("text%1.dbf").arg(QTest::currentDataTag()).remove(QLatin1Char(' ')));
        {
            DbaseWriter dbf(path);
            dbf.text("ERTEK", 20).text("DATUM", 8);
            dbf.row({amount, day});
        }
        const auto opened = DbaseTable::open(path);
        QVERIFY2(opened.ok(), qPrintable(opened.refusal.text));
        DbaseTable &table = *opened.value;
        QVERIFY(table.next());
        QCOMPARE(table.money(0), Money::fromText(QString::fromLatin1(amount)).value_or(Money()));
        QCOMPARE(table.date(1), QDate::fromString(QString::fromLatin1(day).trimmed(), QStringLiteral("yyyyMMdd")));
    }

    void readsRowsInOrderSkippingDeleted()
    {
        const auto opened = DbaseTable::open(writeSample(QStringLiteral("read.dbf")), {QStringLiteral("nyszam")});
        QVERIFY2(opened.ok(), qPrintable(opened.refusal.text));
        DbaseTable &table = *opened.value;
        QCOMPARE(table.recordCount(), 4);
        const int fok = table.fieldIndex(QStringLiteral("FOKSZLA"));
        const int nyilv = table.fieldIndex(QStringLiteral("NYSZAM"));
        const int name = table.fieldIndex(QStringLiteral("megnev"));
        const int menny = table.fieldIndex(QStringLiteral("MENNY"));
        const int allati = table.fieldIndex(QStringLiteral("ALLATI"));
        const int datum = table.fieldIndex(QStringLiteral("DATUM"));
        QCOMPARE(table.fieldIndex(QStringLiteral("NINCS")), -1);

        QVERIFY(table.next());
        QCOMPARE(table.code(fok, 3), QStringLiteral("100"));
        QCOMPARE(table.code(nyilv, 4), QStringLiteral("0007"));
        QCOMPARE(table.text(name), QStringLiteral("Liszt"));
        QCOMPARE(table.number(menny), 1.25);
        QVERIFY(table.logical(allati));
        QCOMPARE(table.date(datum), QDate(2025, 1, 2));

        QVERIFY(table.next()); // the deleted record is passed over
        QCOMPARE(table.position(), 2);
        QCOMPARE(table.code(fok, 3), QStringLiteral("020"));
        QCOMPARE(table.code(nyilv, 4), QStringLiteral("0012"));
        QCOMPARE(table.text(name), QStringLiteral("áíűőüöúóéÁÍŰŐÜÖÚÓÉ"));
        QCOMPARE(table.number(menny), -2.5);
        QVERIFY(!table.logical(allati));
        QVERIFY(!table.date(datum).isValid());

        QVERIFY(table.next());
        QCOMPARE(table.code(fok, 3), QStringLiteral("A1"));
        QCOMPARE(table.code(nyilv, 4), QString());
        QCOMPARE(table.text(name), QStringLiteral("ů■ x"));
        QCOMPARE(table.number(menny), 0.0);
        QVERIFY(!table.next());
        QVERIFY(!table.readFailed());
    }

    void findsFilesWhateverTheCase()
    {
        writeSample(QStringLiteral("salt002.dbf"));
        QCOMPARE(DbaseTable::findFile(m_dir.path(), QStringLiteral("SALT002.DBF")), m_dir.filePath("salt002.dbf"));
        QCOMPARE(DbaseTable::findFile(m_dir.path(), QStringLiteral("SALT003.DBF")), QString());
    }

    void refusesFilesThatDisagreeWithTheirHeader_data()
    {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("size");
        QTest::addColumn<qint64>("truncateTo");
        QTest::addColumn<QString>("reason");

        QTest::newRow("more records than the file holds") << qint64(4) << 5u << 4 << qint64(-1) << "5 rekordot jelez";
        QTest::newRow("a huge record count") << qint64(4) << 0xFFFFFFFFu << 4 << qint64(-1) << "rekordot jelez";
        QTest::newRow("truncated after the header") << qint64(0) << 0u << 0 << qint64(300) << "rekordot jelez";
        QTest::newRow("record length shorter than the fields") << qint64(10) << 60u << 2 << qint64(-1) << "dBASE tábla: a mez";
        QTest::newRow("record length of one byte") << qint64(10) << 1u << 2 << qint64(-1) << "rekordhossz (1 bájt)";
        QTest::newRow("header shorter than a field") << qint64(8) << 40u << 2 << qint64(-1) << "fejléc hossza (40";
        QTest::newRow("header longer than the file") << qint64(8) << 60000u << 2 << qint64(-1) << "fejléc hossza";
        QTest::newRow("no header at all") << qint64(0) << 0u << 0 << qint64(20) << "fejléce hiányos";
    }

    void refusesFilesThatDisagreeWithTheirHeader()
    {
        QFETCH(qint64, at);
        QFETCH(quint32, value);
        QFETCH(int, size);
        QFETCH(qint64, truncateTo);
        QFETCH(QString, reason);
        const QString path = writeSample(QStringLiteral("bad.dbf"));
        if (size > 0)
            patch(path, at, value, size);
        if (truncateTo >= 0)
            QVERIFY(QFile::resize(path, truncateTo));
        const auto opened = DbaseTable::open(path);
        QVERIFY(!opened.ok());
        QVERIFY2(opened.refusal.text.contains(reason), qPrintable(opened.refusal.text));
        QVERIFY(opened.refusal.text.contains(QStringLiteral("bad.dbf")));
    }

    void refusesAMissingRequiredField()
    {
        const auto opened = DbaseTable::open(writeSample(QStringLiteral("fields.dbf")),
            {QStringLiteral("FOKSZLA"), QStringLiteral("KEREK")});
        QVERIFY(!opened.ok());
        QVERIFY2(opened.refusal.text.endsWith(QStringLiteral("hiányzik a(z) KEREK mező.")), qPrintable(opened.refusal.text));
    }
};

QTEST_GUILESS_MAIN(TestDbaseTable)
#include "tst_dbasetable.moc"
