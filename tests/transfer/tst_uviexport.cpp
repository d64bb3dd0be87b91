#include "transfer/UviExport.h"
#include "transfer/UviExportCommand.h"

#include "core/TextCodec.h"
#include "store/Sql.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// The UVI export: the six files' exact bytes (the same on both engines), the checks that refuse
// before anything is written, and that a failed export leaves no file behind.
class TestUviExport : public QObject
{
    Q_OBJECT

    const QDate m_today {2025, 6, 1};
    // The files the SQLite row wrote, compared with the server's.
    QMap<QString, QByteArray> m_sqliteFiles;

    static UviExport::Identity identity()
    {
        return {QStringLiteral("A"), QStringLiteral("H"), QStringLiteral("0000"), QStringLiteral("12345678242"),
            QStringLiteral("001")};
    }

    static void fill(QSqlDatabase db)
    {
        QSqlQuery q(db);
        QVERIFY(q.exec("DELETE FROM \"Partner\""));
        StockFixture::addPartner(db, QStringLiteral("00010"), QStringLiteral("Gabona Kft."), QStringLiteral("6720"),
            QStringLiteral("Szeged"), QStringLiteral("Fő út 1."));
        QVERIFY(q.exec("UPDATE \"Partner\" SET \"Adoszam\" = '1234567-2- 42', \"Szamlaszam\" = '11111111-22222222- '"));
        QVERIFY(q.exec("INSERT INTO \"Tablo\" (\"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\") VALUES ('003', "
                       "'2025-02-01', '2025-02-28')"));
        const QDate day(2025, 2, 3);
        // A receipt of two items (1012.505 net: 1012.5 halves to even) and an issue of the same
        // number and date: two lines.
        StockFixture::addRow(db, StockFixture::voucherItem("BE", "01", "00000010", day, "100", "0001", "00010", "01",
                                     "1000.005", "270", "1270.005"));
        StockFixture::addRow(db, StockFixture::voucherItem("BE", "01", "00000010", day, "100", "0002", "00010", "01",
                                     "12.5", "3.375", "15.875"));
        StockFixture::addRow(db, StockFixture::voucherItem("KI", "03", "00000010", day, "100", "0001", "00001", "01",
                                     "3", "0", "3"));
        // Left out: an opening row, and a voucher after the period.
        StockFixture::addRow(db, StockFixture::voucherItem("BE", "00", "00000000", day, "100", "0003", "00001", "01",
                                     "99", "0", "99"));
        StockFixture::addRow(db, StockFixture::voucherItem("BE", "01", "00000011", QDate(2025, 3, 1), "100", "0001",
                                     "00010", "01", "5", "0", "5"));
    }

    static QString text(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? TextCodec::fromWindows1250(file.readAll()) : QString();
    }

    UviExport::Request request(const QString &folder) const
    {
        UviExport::Request r;
        r.identity = identity();
        r.period = UviExport::Period {QStringLiteral("003"), QDate(2025, 2, 1), QDate(2025, 2, 28)};
        r.folder = folder;
        r.today = m_today;
        return r;
    }

private slots:
    void writesTheSixFiles_data() { TestEngines::addRows(); }
    void writesTheSixFiles()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        fill(db);
        QTemporaryDir folder;
        QStringList status;
        const auto exported
            = UviExport::run(db, request(folder.path()), [&status](const QString &line) { status << line; });
        QVERIFY2(exported.ok(), qPrintable(exported.refusal.text));
        QCOMPARE(exported.value.nextBatch, QStringLiteral("002"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
            QStringList({"AH0000HF.001", "AH0000HT.001", "AH0000MG.001", "AH0000PA.001", "AH0000TF.001",
                "AH0000TT.001"}));
        QCOMPARE(status.last(), QStringLiteral("-= Minden fájl exportálva! =-"));

        const QString header = QStringLiteral("WIN|A|12345678242|H|20250601|3.00|\r\n");
        QCOMPARE(text(folder.filePath("AH0000HF.001")), header + "0|\r\n");
        QCOMPARE(text(folder.filePath("AH0000HT.001")), header + "0|\r\n");
        QCOMPARE(text(folder.filePath("AH0000TT.001")),
            header + "0000|003|N|00000010|20250203|00000010|20250203|||A|01|||00010||||||1||1012.5|1285.88||1012.5|"
                     "1285.88||1012.5|Bizonylat|\r\n"
                   + "0000|003|N|00000010|20250203|00000010|20250203|||A|03|||00001||||||1||3|3||3|3||3|Bizonylat|\r\n"
                   + "2|\r\n");
        QCOMPARE(text(folder.filePath("AH0000TF.001")),
            header + "N|0000|20250201|20250228|003|1012.5|3|0|0|\r\n1|\r\n");
        QCOMPARE(text(folder.filePath("AH0000PA.001")),
            header + "0000|00010|Gabona Kft.|6720|Magyarország|Szeged|Fő út 1.|1111111122222222|1234567242||||"
                     "Beszállító|Partner|N|N|I|N||||Átlagáras||\r\n1|\r\n");
        const QString movementTypes = text(folder.filePath("AH0000MG.001"));
        QVERIFY(movementTypes.startsWith(header));
        QVERIFY2(movementTypes.contains(QStringLiteral("|A|N|E|1|\r\n")), qPrintable(movementTypes));

        // The server writes the very same bytes.
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            if (engine == TestEngines::sqlite())
                m_sqliteFiles.insert(name, bytes);
            else if (m_sqliteFiles.contains(name))
                QCOMPARE(bytes, m_sqliteFiles.value(name));
        }
    }

    void refusesBeforeWriting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("batch 000") << "koteg" << "000" << "001 és 999";
        QTest::newRow("batch of four digits") << "koteg" << "1000" << "001 és 999";
        QTest::newRow("batch with a dot") << "koteg" << "1.2" << "001 és 999";
        QTest::newRow("unit with a separator") << "egys" << "00/0" << "egységszám";
        QTest::newRow("company code a dot") << "cegAzon" << "." << "cégazonosító";
        QTest::newRow("tax number with letters") << "adosz" << "12a" << "adószám";
        QTest::newRow("no period") << "period" << "" << "Nincs kiválasztott tabló!";
        QTest::newRow("name with a bar") << "Nev" << "Gabona | Kft." << "„00010” partner sorának Nev mezője „|” jelet";
        QTest::newRow("street with a line break") << "Utca" << "Fő út\r\n1." << "Utca mezője sortörést";
        QTest::newRow("town outside the code page") << "Telepules" << "Ωmega" << "nem írható karaktert tartalmaz (Ω)";
    }
    void refusesBeforeWriting()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TempDatabase temp(m_today);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        fill(db);
        QTemporaryDir folder;
        UviExport::Request r = request(folder.path());
        if (field == QLatin1String("koteg"))
            r.identity.koteg = value;
        else if (field == QLatin1String("egys"))
            r.identity.egys = value;
        else if (field == QLatin1String("cegAzon"))
            r.identity.cegAzon = value;
        else if (field == QLatin1String("adosz"))
            r.identity.adosz = value;
        else if (field == QLatin1String("period"))
            r.period.reset();
        else {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("UPDATE \"Partner\" SET \"%1\" = ?").arg(field));
            q.addBindValue(value);
            QVERIFY(q.exec());
        }
        const auto exported = UviExport::run(db, r);
        QVERIFY(!exported.ok());
        QVERIFY2(exported.refusal.text.contains(message), qPrintable(exported.refusal.text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void leavesNoFileWhenOneCannotBeWritten()
    {
        TempDatabase temp(m_today);
        QSqlDatabase db = temp.warehouse(1);
        fill(db);
        QTemporaryDir folder;
        // A folder where the fourth file's part would go.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("AH0000HT.001.part")));
        const auto exported = UviExport::run(db, request(folder.path()));
        QVERIFY(!exported.ok());
        QVERIFY2(exported.refusal.text.contains(QStringLiteral("AH0000HT.001 fájl nem írható")), qPrintable(exported.refusal.text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }

    void replacesABatchOnlyWhenAllowed()
    {
        TempDatabase temp(m_today);
        QSqlDatabase db = temp.warehouse(1);
        fill(db);
        QTemporaryDir folder;
        QFile old(folder.filePath("AH0000TT.001"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("régi");
        old.close();
        QCOMPARE(UviExport::existingFiles(folder.path(), identity()), QStringList({"AH0000TT.001"}));
        UviExport::Request r = request(folder.path());
        const auto refused = UviExport::run(db, r);
        QVERIFY(!refused.ok());
        QVERIFY2(refused.refusal.text.contains(QStringLiteral("AH0000TT.001")), qPrintable(refused.refusal.text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"AH0000TT.001"}));
        r.overwrite = true;
        QVERIFY(UviExport::run(db, r).ok());
        QVERIFY(text(folder.filePath("AH0000TT.001")).startsWith(QStringLiteral("WIN|")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 6);
    }

    void commandLineAdvancesTheBatch_data() { TestEngines::addRows(); }
    void commandLineAdvancesTheBatch()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        fill(temp.warehouse(1));
        QTemporaryDir programDir;
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(programDir.path()));
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        const QStringList arguments {temp.path(), "1", "003", folder.path(), "--today", "20250601"};
        const int first = runUviExportCommand(arguments, out, err);
        const int second = runUviExportCommand(arguments, out, err);
        const int unknown = runUviExportCommand({temp.path(), "1", "004", folder.path()}, out, err);
        QDir::setCurrent(before);
        out.flush();
        err.flush();
        QCOMPARE(first, 0);
        QCOMPARE(second, 0);
        QCOMPARE(unknown, 1);
        QCOMPARE(errText, QStringLiteral("Nincs ilyen tabló: 004\n"));
        QCOMPARE(outText.count(QLatin1Char('\n')), 12);
        QVERIFY(QFile::exists(folder.filePath("AH0000TF.001")));
        QVERIFY(QFile::exists(folder.filePath("AH0000TF.002")));
        QVERIFY(text(folder.filePath("AH0000TT.002")).startsWith(QStringLiteral("WIN|A||H|20250601|3.00|\r\n")));
    }

    void numbersAndBatches_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << "12.5" << "12.5";
        QTest::newRow("whole") << "3" << "3";
        QTest::newRow("rounded half to even") << "1234.565" << "1234.56";
        QTest::newRow("rounded up") << "1234.5678" << "1234.57";
        QTest::newRow("negative") << "-0.1" << "-0.1";
        QTest::newRow("zero") << "-0.001" << "0";
    }
    void numbersAndBatches()
    {
        QFETCH(QString, amount);
        QFETCH(QString, text);
        QCOMPARE(UviExport::amountText(*Money::fromText(amount)), text);
        QCOMPARE(UviExport::nextBatch(QStringLiteral("001")), QStringLiteral("002"));
        QCOMPARE(UviExport::nextBatch(QStringLiteral("099")), QStringLiteral("100"));
        QCOMPARE(UviExport::nextBatch(QStringLiteral("999")), QStringLiteral("001"));
    }
};

QTEST_GUILESS_MAIN(TestUviExport)
#include "tst_uviexport.moc"
