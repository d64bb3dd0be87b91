#include "session/EngineConfig.h"
#include "session/ParamText.h"
#include "session/Settings.h"
#include "session/SettingKeys.h"
#include "session/SetupPages.h"
#include "core/Messenger.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

using Reader = std::function<QVariant(const Settings &)>;

// Every key's reader, by key name, so that one table can check defaults and which key each
// reader really reads.
const QMap<QString, Reader> &readers()
{
    static const QMap<QString, Reader> map = {
        {"DisplayModify", [](const Settings &s) { return QVariant(s.displayModify()); }},
        {"DisplayNew", [](const Settings &s) { return QVariant(s.displayNew()); }},
        {"FormatFloppy", [](const Settings &s) { return QVariant(s.formatFloppy()); }},
        {"DisplayTetelWarning", [](const Settings &s) { return QVariant(s.displayTetelWarning()); }},
        {"Display3D", [](const Settings &s) { return QVariant(s.display3D()); }},
        {"DefaultPartner", [](const Settings &s) { return QVariant(s.defaultPartner()); }},
        {"DefaultFokszam", [](const Settings &s) { return QVariant(s.defaultFokszam()); }},
        {"DefaultMertegys", [](const Settings &s) { return QVariant(s.defaultMertegys()); }},
        {"DefaultCsoport", [](const Settings &s) { return QVariant(s.defaultCsoport()); }},
        {"DefaultAfa", [](const Settings &s) { return QVariant(s.defaultAfa()); }},
        {"DefaultVeszteseg", [](const Settings &s) { return QVariant(s.defaultVeszteseg()); }},
        {"LogoPath", [](const Settings &s) { return QVariant(s.logoPath()); }},
        {"Footer11", [](const Settings &s) { return QVariant(s.footer11()); }},
        {"Footer12", [](const Settings &s) { return QVariant(s.footer12()); }},
        {"Footer21", [](const Settings &s) { return QVariant(s.footer21()); }},
        {"Footer22", [](const Settings &s) { return QVariant(s.footer22()); }},
        {"Footer31", [](const Settings &s) { return QVariant(s.footer31()); }},
        {"Footer32", [](const Settings &s) { return QVariant(s.footer32()); }},
        {"Footer41", [](const Settings &s) { return QVariant(s.footer41()); }},
        {"Footer42", [](const Settings &s) { return QVariant(s.footer42()); }},
        {"EnableFooter", [](const Settings &s) { return QVariant(s.enableFooter()); }},
        {"FooterWeekly", [](const Settings &s) { return QVariant(s.footerWeekly()); }},
        {"JegyzPath", [](const Settings &s) { return QVariant(s.jegyzPath()); }},
        {"Mailaddr", [](const Settings &s) { return QVariant(s.mailaddr()); }},
        {"DisaLock", [](const Settings &s) { return QVariant(s.disaLock()); }},
        {"AutoLeltar", [](const Settings &s) { return QVariant(s.autoLeltar()); }},
        {"ShowAFA", [](const Settings &s) { return QVariant(s.showAFA()); }},
        {"VerChk", [](const Settings &s) { return QVariant(s.verChk()); }},
        {"TapValt", [](const Settings &s) { return QVariant(s.tapValt()); }},
        {"UpdateServer", [](const Settings &s) { return QVariant(s.updateServer()); }},
        {"ReceptFo", [](const Settings &s) { return QVariant(s.receptFo()); }},
        {"KiadAr", [](const Settings &s) { return QVariant(s.kiadAr()); }},
        {"CegAzon", [](const Settings &s) { return QVariant(s.cegAzon()); }},
        {"BRendAz", [](const Settings &s) { return QVariant(s.bRendAz()); }},
        {"Egys", [](const Settings &s) { return QVariant(s.egys()); }},
        {"Adosz", [](const Settings &s) { return QVariant(s.adosz()); }},
        {"Koteg", [](const Settings &s) { return QVariant(s.koteg()); }},
        {"Kiszabat/KezdDat", [](const Settings &s) { return QVariant(s.kiszabatKezdDat()); }},
        {"Kiszabat/Count", [](const Settings &s) { return QVariant(s.kiszabatCount()); }},
        {"Kiszabat/Etk-1", [](const Settings &s) { return QVariant(s.kiszabatEtk(1)); }},
        {"CartKiszabat/KezdDat", [](const Settings &s) { return QVariant(s.cartKiszabatKezdDat()); }},
        {"CartKiszabat/Count", [](const Settings &s) { return QVariant(s.cartKiszabatCount()); }},
        {"CartKiszabat/Csop-2", [](const Settings &s) { return QVariant(s.cartKiszabatCsop(2)); }},
    };
    return map;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Settings m_settings;
    QString ini() const { return m_dir.filePath("salvia.ini"); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(ini());
        QFile::remove(m_dir.filePath(EngineConfig::fileName()));
        m_settings = Settings();
        m_settings.setProgramPath(m_dir.path());
    }

    // Columns: the reader's key, its section, the default, a stored text and what it reads as.
    void readers_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QVariant>("storedValue");
        const auto row = [](const char *section, const char *key, QVariant def, const char *stored, QVariant value,
                             const char *reader = nullptr) {
            const QString name = reader ? QString::fromUtf8(reader) : QString::fromUtf8(key);
            QTest::newRow(qPrintable(name)) << name << QString::fromUtf8(section) << QString::fromUtf8(key) << def
                                            << QString::fromUtf8(stored) << value;
        };
        row("DialogSettings", "DisplayModify", true, "0", false);
        row("DialogSettings", "DisplayNew", true, "0", false);
        row("DialogSettings", "FormatFloppy", true, "0", false);
        row("DialogSettings", "DisplayTetelWarning", true, "0", false);
        row("DialogSettings", "Display3D", false, "1", true);
        row("DefaultValues", "DefaultPartner", QString(), "00012", "00012");
        row("DefaultValues", "DefaultFokszam", QString(), "211", "211");
        row("DefaultValues", "DefaultMertegys", QString(), "kg", "kg");
        row("DefaultValues", "DefaultCsoport", QString(), "03", "03");
        row("DefaultValues", "DefaultAfa", QString(), "05", "05");
        row("DefaultValues", "DefaultVeszteseg", QString(), "07", "07");
        row("PrintSettings", "LogoPath", QString(), "/kep/logo.png", "/kep/logo.png");
        row("PrintSettings", "Footer11", "Beosztott", "Élelmezésvezető", "Élelmezésvezető");
        row("PrintSettings", "Footer12", "készítette", "a", "a");
        row("PrintSettings", "Footer21", "Főnök", "b", "b");
        row("PrintSettings", "Footer22", "ellenőrizte", "c", "c");
        row("PrintSettings", "Footer31", "Raktárnok", "d", "d");
        row("PrintSettings", "Footer32", "kiadta", "e", "e");
        row("PrintSettings", "Footer41", "Szakács", "f", "f");
        row("PrintSettings", "Footer42", "átvette", "g", "g");
        row("PrintSettings", "EnableFooter", true, "0", false);
        row("PrintSettings", "FooterWeekly", QString(), "Jó étvágyat!", "Jó étvágyat!");
        row("Mukodes", "JegyzPath", QString(), "jkv.txt", "jkv.txt");
        row("Mukodes", "Mailaddr", Settings::vendorSupportAddress(), "a@b.hu; c@d.hu", "a@b.hu; c@d.hu");
        row("Mukodes", "DisaLock", true, "0", false);
        row("Mukodes", "AutoLeltar", false, "1", true);
        row("Mukodes", "ShowAFA", false, "1", true);
        row("Mukodes", "VerChk", true, "0", false);
        row("Mukodes", "TapValt", true, "0", false);
        row("Mukodes", "UpdateServer", Settings::vendorServerAddress(), "http://127.0.0.1:8080", "http://127.0.0.1:8080");
        row("Szamitas", "ReceptFo", 100, "10", 10);
        row("Szamitas", "KiadAr", false, "1", true);
        row("UVI", "CegAzon", "A", "B", "B");
        row("UVI", "BRendAz", "H", "X", "X");
        row("UVI", "Egys", "0000", "0042", "0042");
        row("UVI", "Adosz", QString(), "12345678-1-42", "12345678-1-42");
        row("UVI", "Koteg", "001", "007", "007");
        row("Kiszabat", "KezdDat", QDate::currentDate(), "2024-03-05", QDate(2024, 3, 5), "Kiszabat/KezdDat");
        row("Kiszabat", "Count", 0, "3", 3, "Kiszabat/Count");
        row("Kiszabat", "Etk-1", QString(), "02", "02", "Kiszabat/Etk-1");
        row("CartKiszabat", "KezdDat", QDate::currentDate(), "2024.12.31.", QDate(2024, 12, 31),
            "CartKiszabat/KezdDat");
        row("CartKiszabat", "Count", 0, "2", 2, "CartKiszabat/Count");
        row("CartKiszabat", "Csop-2", QString(), "11", "11", "CartKiszabat/Csop-2");
    }

    void readers()
    {
        QFETCH(QString, reader);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QVariant, defaultValue);
        QFETCH(QString, stored);
        QFETCH(QVariant, storedValue);
        QVERIFY2(::readers().contains(reader), "no reader for this key in the test");
        const Reader read = ::readers().value(reader);

        // No file: the default, and reading creates nothing.
        QCOMPARE(read(m_settings), defaultValue);
        QVERIFY(!QFile::exists(ini()));
        // Any other key in the file leaves it at its default.
        QVERIFY(m_settings.writeString("Egyeb", key, stored));
        QCOMPARE(read(m_settings), defaultValue);
        // Its own key, read at once; names match without regard to case, as in the platform's INI files.
        QVERIFY(m_settings.writeString(section.toUpper(), key.toLower(), stored));
        QCOMPARE(read(m_settings), storedValue);
    }

    // Every key of the key table has its pinned row above: a key added or renamed in the table
    // without one fails here.
    void everyKeyHasAPinnedRow()
    {
        for (const SettingKey::Entry &key : SettingKey::Table) {
            const QString name = QString::fromUtf8(key.name);
            const QString qualified = QString::fromUtf8(key.section) + QLatin1Char('/') + name;
            QVERIFY2(::readers().contains(name) || ::readers().contains(qualified), qPrintable(qualified));
        }
    }

    void fileIsWindows1250()
    {
        QVERIFY(m_settings.writeString("PrintSettings", "Footer21", QStringLiteral("Főnök")));
        QVERIFY(m_settings.writeString("PrintSettings", "FooterWeekly", QStringLiteral("Tűzőgép ÁRVÍZTŰRŐ")));
        const QByteArray bytes = fileBytes(ini());
        QVERIFY(bytes.contains(QByteArray("[PrintSettings]\r\n")));
        QVERIFY(bytes.contains(QByteArray("Footer21=F\xF5n\xF6k\r\n")));
        QVERIFY(bytes.contains(QByteArray("FooterWeekly=T\xFBz\xF5g\xE9p \xC1RV\xCDZT\xDBR\xD5\r\n")));
        QCOMPARE(m_settings.footer21(), QStringLiteral("Főnök"));
        QCOMPARE(m_settings.footerWeekly(), QStringLiteral("Tűzőgép ÁRVÍZTŰRŐ"));

        // A file written elsewhere in the code page reads back as the same letters.
        writeBytes(ini(), "[PrintSettings]\r\nFooter31=Rakt\xE1rnok \xFA\xFC\xFB\r\n");
        QCOMPARE(m_settings.footer31(), QStringLiteral("Raktárnok úüű"));
    }

    void writeKeepsTheRestOfTheFile()
    {
        QVERIFY(m_settings.writeString("UVI", "Koteg", "002"));
        QVERIFY(m_settings.writeString("Mukodes", "JegyzPath", "a.txt"));
        QVERIFY(m_settings.setKoteg("003"));
        QCOMPARE(m_settings.koteg(), QStringLiteral("003"));
        QCOMPARE(m_settings.jegyzPath(), QStringLiteral("a.txt"));
        QCOMPARE(fileBytes(ini()).count("Koteg="), 1);
        // A line break cannot cut a value into a line of its own.
        QVERIFY(m_settings.writeString("PrintSettings", "FooterWeekly", "első\r\n[UVI]\nKoteg=999"));
        QCOMPARE(m_settings.koteg(), QStringLiteral("003"));
        QCOMPARE(m_settings.footerWeekly(), QStringLiteral("első [UVI] Koteg=999"));
    }

    void booleans_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("2") << "2" << true;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("decimal comma") << "0,5" << true;
        QTest::newRow("zero with decimals") << "0.0" << false;
        QTest::newRow("spaces") << " 1 " << true;
        QTest::newRow("not a number: default") << "igen" << true;
        QTest::newRow("empty: default") << "" << true;
    }
    void booleans()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        QVERIFY(m_settings.writeString("Mukodes", "VerChk", stored));
        QCOMPARE(m_settings.verChk(), on);
    }

    void booleansAreWrittenAsOneAndZero()
    {
        QVERIFY(m_settings.setTapValt(false));
        QVERIFY(fileBytes(ini()).contains("TapValt=0\r\n"));
        QVERIFY(!m_settings.tapValt());
        QVERIFY(m_settings.setTapValt(true));
        QVERIFY(fileBytes(ini()).contains("TapValt=1\r\n"));
        QVERIFY(m_settings.tapValt());
    }

    void numbers()
    {
        QVERIFY(m_settings.writeNumber("Szamitas", "Arany", 12.5));
        const QString expected = QStringLiteral("Arany=12") + QLocale::system().decimalPoint() + QStringLiteral("5");
        QVERIFY(fileBytes(ini()).contains(expected.toLatin1()));
        QCOMPARE(m_settings.readNumber("Szamitas", "Arany"), 12.5);
        QVERIFY(m_settings.writeNumber("Szamitas", "ReceptFo", 100));
        QVERIFY(fileBytes(ini()).contains("ReceptFo=100\r\n"));
        // Either decimal separator reads.
        QVERIFY(m_settings.writeString("Szamitas", "Arany", "3,25"));
        QCOMPARE(m_settings.readNumber("Szamitas", "Arany"), 3.25);
        QVERIFY(m_settings.writeString("Szamitas", "Arany", "3.25"));
        QCOMPARE(m_settings.readNumber("Szamitas", "Arany"), 3.25);
        QVERIFY(m_settings.writeString("Szamitas", "Arany", "sok"));
        QCOMPARE(m_settings.readNumber("Szamitas", "Arany", 7), 7.0);
    }

    void receptFoIsAWholeNumberOfPersons_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("persons");
        QTest::newRow("nearest, comma") << "12,6" << 13;
        QTest::newRow("nearest, point") << "12.4" << 12;
        QTest::newRow("half to even, down") << "12,5" << 12;
        QTest::newRow("half to even, up") << "13.5" << 14;
        QTest::newRow("half to zero is out of range") << "0,5" << 100;
        QTest::newRow("lowest") << "1" << 1;
        QTest::newRow("zero would divide by zero") << "0" << 100;
        QTest::newRow("negative") << "-5" << 100;
        QTest::newRow("above 100") << "250" << 100;
        QTest::newRow("not a number") << "száz" << 100;
    }
    void receptFoIsAWholeNumberOfPersons()
    {
        QFETCH(QString, stored);
        QFETCH(int, persons);
        QVERIFY(m_settings.writeString("Szamitas", "ReceptFo", stored));
        QCOMPARE(m_settings.receptFo(), persons);
    }

    // A file that exists but cannot be read gives the defaults, is reported, and no save
    // overwrites it.
    void unreadableFileIsReportedAndKept()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("salvia.ini"));
        QVERIFY(!m_settings.file().readable());
        QCOMPARE(m_settings.footer11(), QStringLiteral("Beosztott"));
        const Refusal warning = m_settings.file().unreadableWarning();
        QCOMPARE(warning.caption, QStringLiteral("Figyelmeztetés"));
        QCOMPARE(warning.text,
            QStringLiteral("A beállítások fájlja nem olvasható, ezért az alapértékek érvényesek, és a program nem "
                           "írja felül:\r")
                + QDir::toNativeSeparators(ini()));
        QVERIFY(!m_settings.setTapValt(false));
        const Refusal refused = SetupPages::saveDialogs(m_settings, {});
        QCOMPARE(refused.caption, QStringLiteral("HIBA!"));
        QCOMPARE(refused.text, warning.text);
        QVERIFY(QFileInfo(ini()).isDir());
        QDir(m_dir.path()).rmdir("salvia.ini");
        QCOMPARE(m_settings.file().unreadableWarning(), Refusal());
    }

    // A page keeps what the program does not understand and is written in one go.
    void pageSaveKeepsTheRestOfTheFile()
    {
        const QByteArray before = "; k\xE9zzel \xEDrt megjegyz\xE9s\r[PrintSettings]\rLogoPath=/regi.bmp\rSajat=1\r"
                                  "[Ismeretlen]\rvalami=x\r";
        writeBytes(ini(), before);
        SetupPages::Print print = SetupPages::loadPrint(m_settings);
        QCOMPARE(print.logoPath, QStringLiteral("/regi.bmp"));
        print.logoPath = "/uj.bmp";
        QCOMPARE(SetupPages::savePrint(m_settings, print), Refusal());
        const QByteArray after = fileBytes(ini());
        QVERIFY(after.startsWith("; k\xE9zzel \xEDrt megjegyz\xE9s\r[PrintSettings]\rLogoPath=/uj.bmp\rSajat=1\r"));
        QVERIFY(after.contains("\r[Ismeretlen]\rvalami=x\r"));
        QVERIFY(after.contains("\rFooter42=\xE1tvette\r"));
        QVERIFY(!after.contains('\n'));
    }

    // A value Windows-1250 cannot hold is refused by name, and nothing of the page is written.
    void valueOutsideTheCodePageIsRefused_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("logo path") << -1
                                   << QStringLiteral("A(z) „Logófájl” olyan karaktert tartalmaz, amely nem menthető: "
                                                     "✓\rCserélje ki, és mentse újra!")
                                   << "edtLogoPath";
        QTest::newRow("footer") << 6
                                << QStringLiteral("A(z) „Lábléc, 4. oszlop 1. sora” olyan karaktert tartalmaz, amely "
                                                  "nem menthető: ✓\rCserélje ki, és mentse újra!")
                                << "edtLab41";
    }
    void valueOutsideTheCodePageIsRefused()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QVERIFY(m_settings.writeString("PrintSettings", "Footer11", "eredeti"));
        const QByteArray before = fileBytes(ini());
        SetupPages::Print print = SetupPages::loadPrint(m_settings);
        print.footers[0] = "uj";
        (field < 0 ? print.logoPath : print.footers[field]) = QStringLiteral("Pipa ✓");
        const Refusal refused = SetupPages::savePrint(m_settings, print);
        QCOMPARE(refused.caption, QStringLiteral("HIBA!"));
        QCOMPARE(refused.text, text);
        QCOMPARE(refused.focus, focus);
        QCOMPARE(fileBytes(ini()), before);
        QVERIFY(!m_settings.setKoteg(QStringLiteral("✓")));
        QCOMPARE(m_settings.koteg(), QStringLiteral("001"));
    }

    void unwritableFileReportsFailure()
    {
        m_settings.setIniPath(m_dir.filePath("nincs/ilyen/salvia.ini"));
        QVERIFY(!m_settings.writeString("UVI", "Koteg", "002"));
        QVERIFY(!m_settings.setTapValt(false));
        QVERIFY(!m_settings.writeBool("Mukodes", "VerChk", false));
        QVERIFY(m_settings.verChk());
    }

    // --- engine configuration

    void engineConfigRefusesTextWithoutSemicolon()
    {
        EngineConfig engine(m_dir.path());
        const QString expected
            = QStringLiteral("Hibás paraméter társítva a függvényhez. Pontosvesszővel tagolt karakterlánc szükséges!");
        Checked<QString> read = engine.readValue("\\DRIVERS\\PARADOX\\INIT\\NET DIR");
        QVERIFY(!read.ok());
        QCOMPARE(read.refusal.text, expected);
        Checked<QString> write = engine.writeValue("\\DRIVERS\\PARADOX\\INIT\\NET DIR", "/srv/net");
        QCOMPARE(write.refusal.text, expected);
        QVERIFY(!QFile::exists(engine.filePath()));
    }

    void engineConfigReadsAndWritesEntries()
    {
        EngineConfig engine(m_dir.path());
        QCOMPARE(engine.filePath(), m_dir.filePath("salvia_db.ini"));
        // No file yet: the network directory is empty, the alias names the default directory.
        Checked<QString> read = engine.readValue("\\DRIVERS\\PARADOX\\INIT\\;NET DIR");
        QVERIFY(read.ok());
        QCOMPARE(read.value, QString());
        QCOMPARE(engine.aliasDirectory("Salvia"), m_dir.filePath("adatbazis"));
        QCOMPARE(engine.aliasDirectory("Masik"), QString());
        // A missing entry reads as empty.
        read = engine.readValue("\\DRIVERS\\PARADOX\\INIT\\;LOCAL SHARE");
        QVERIFY(read.ok());
        QCOMPARE(read.value, QString());

        const QString netDir = QStringLiteral("/srv/közös hálózat");
        QVERIFY(engine.writeValue("\\DRIVERS\\PARADOX\\INIT\\;NET DIR", netDir).ok());
        QCOMPARE(EngineConfig(m_dir.path()).readValue(EngineConfig::netDirEntry()).value, netDir);
        QCOMPARE(engine.netDir(), netDir);
        QVERIFY(fileBytes(engine.filePath()).contains("NET DIR=/srv/k\xF6z\xF6s h\xE1l\xF3zat\r\n"));

        QVERIFY(engine.writeValue(EngineConfig::aliasPathEntry("Salvia"), "adat/itt").ok());
        QCOMPARE(engine.aliasDirectory("Salvia"), m_dir.filePath("adat/itt"));
        QVERIFY(engine.writeValue(EngineConfig::aliasPathEntry("Salvia"), "/var/salvia/").ok());
        QCOMPARE(engine.aliasDirectory("Salvia"), QStringLiteral("/var/salvia"));
        QCOMPARE(engine.netDir(), netDir);
    }

    void engineConfigRefusesMissingEntry()
    {
        EngineConfig engine(m_dir.path());
        const QString entry = QStringLiteral("\\DRIVERS\\PARADOX\\INIT\\;LOCAL SHARE");
        Checked<QString> written = engine.writeValue(entry, "TRUE");
        QVERIFY(!written.ok());
        QCOMPARE(written.refusal.text,
            QStringLiteral("\\DRIVERS\\PARADOX\\INIT\\;LOCAL SHARE bejegyzés nem található a konfigurációs fájlban"));
        QVERIFY(!QFile::exists(engine.filePath()));
        QVERIFY(!engine.writeValue(EngineConfig::aliasPathEntry("Masik"), "/x").ok());

        // An entry that the file holds can be written.
        writeBytes(engine.filePath(), "[\\DRIVERS\\PARADOX\\INIT\\]\r\nLOCAL SHARE=FALSE\r\n");
        QVERIFY(engine.writeValue(entry, "TRUE").ok());
        QCOMPARE(engine.readValue(entry).value, QStringLiteral("TRUE"));
    }

    void engineConfigUnwritableIsAnError()
    {
        EngineConfig engine(m_dir.filePath("nincs"));
        const Checked<QString> written = engine.writeValue(EngineConfig::netDirEntry(), "/srv/net");
        QVERIFY(!written.ok());
        QVERIFY(written.refusal.text.startsWith(QStringLiteral("A konfigurációs fájl nem írható: ")));
    }

    // --- what the settings dialog's pages write

    void pagesWriteTheirKeys()
    {
        SetupPages::Print print;
        print.logoPath = "/kep/logo.bmp";
        print.footers = {"f11", "f12", "f21", "f22", "f31", "f32", "f41", "f42"};
        print.enableFooter = false;
        print.footerWeekly = "heti";
        QCOMPARE(SetupPages::savePrint(m_settings, print), Refusal());
        QCOMPARE(
            QStringList({m_settings.footer11(), m_settings.footer12(), m_settings.footer21(), m_settings.footer22(),
                m_settings.footer31(), m_settings.footer32(), m_settings.footer41(), m_settings.footer42()}),
            QStringList({"f11", "f12", "f21", "f22", "f31", "f32", "f41", "f42"}));
        QCOMPARE(m_settings.logoPath(), QStringLiteral("/kep/logo.bmp"));
        QVERIFY(!m_settings.enableFooter());
        QCOMPARE(m_settings.footerWeekly(), QStringLiteral("heti"));

        QCOMPARE(SetupPages::saveDefaults(m_settings, {"00007", "211", "kg", "03", "05", "07"}), Refusal());
        QCOMPARE(QStringList({m_settings.defaultPartner(), m_settings.defaultFokszam(), m_settings.defaultMertegys(),
                     m_settings.defaultCsoport(), m_settings.defaultAfa(), m_settings.defaultVeszteseg()}),
            QStringList({"00007", "211", "kg", "03", "05", "07"}));

        QCOMPARE(SetupPages::saveDialogs(m_settings, {true, false, false, true, false}), Refusal());
        QVERIFY(m_settings.display3D());
        QVERIFY(!m_settings.displayNew());
        QVERIFY(!m_settings.displayTetelWarning());
        QVERIFY(m_settings.displayModify());
        QVERIFY(!m_settings.formatFloppy());
    }

    void pageWriteFailureIsReported()
    {
        m_settings.setIniPath(m_dir.filePath("nincs/salvia.ini"));
        const Refusal outcome = SetupPages::saveDialogs(m_settings, {});
        QCOMPARE(outcome.caption, QStringLiteral("HIBA!"));
        QCOMPARE(outcome.symbol, Symbol::Error);
        QVERIFY(outcome.text.contains(QStringLiteral("nem írható")));
    }

    void receptFoMustBeAWholeNumberFrom1To100_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored"); // 0: refused
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("100") << "100" << 100;
        QTest::newRow("spaces") << " 50 " << 50;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("101") << "101" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("fraction") << "12,5" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "sok" << 0;
    }
    void receptFoMustBeAWholeNumberFrom1To100()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QVERIFY(m_settings.writeString("Szamitas", "ReceptFo", "10"));
        const Refusal outcome = SetupPages::saveCalc(m_settings, typed, true);
        if (stored == 0) {
            QCOMPARE(outcome.caption, QStringLiteral("HIBA!"));
            QCOMPARE(outcome.text, QStringLiteral("A recepteket 1 és 100 közötti egész számú főre lehet megadni!"));
            QCOMPARE(outcome.focus, QStringLiteral("fleRecept"));
            QCOMPARE(m_settings.receptFo(), 10);
            QVERIFY(!m_settings.kiadAr());
        } else {
            QCOMPARE(outcome, Refusal());
            QCOMPARE(m_settings.receptFo(), stored);
            QVERIFY(m_settings.kiadAr());
        }
    }

    void operationPageWritesNetworkDirectoryOnlyWhenChanged()
    {
        EngineConfig engine(m_dir.path());
        QVERIFY(engine.writeValue(EngineConfig::netDirEntry(), "/srv/net").ok());

        SetupPages::Operation values = SetupPages::loadOperation(m_settings, engine);
        QCOMPARE(values.netDir, QStringLiteral("/srv/net"));
        QCOMPARE(values.mailaddr, Settings::vendorSupportAddress());
        values.verChk = false;
        values.jegyzPath = "jkv.txt";
        const QByteArray before = fileBytes(engine.filePath());
        Checked<bool> outcome = SetupPages::saveOperation(m_settings, engine, values);
        QVERIFY(outcome.ok());
        QVERIFY(!outcome.value); // no restart notice
        QCOMPARE(fileBytes(engine.filePath()), before);
        QVERIFY(!m_settings.verChk());
        QCOMPARE(m_settings.jegyzPath(), QStringLiteral("jkv.txt"));

        // A directory that differs even in letter case is a change.
        values.netDir = "/srv/NET";
        outcome = SetupPages::saveOperation(m_settings, engine, values);
        QVERIFY(outcome.ok());
        QVERIFY(outcome.value);
        QCOMPARE(SetupPages::restartNotice().caption, QStringLiteral("Információ"));
        QCOMPARE(SetupPages::restartNotice().symbol, Symbol::Information);
        QCOMPARE(SetupPages::restartNotice().text,
            QStringLiteral("Az adatbázis paraméterek változásai csak a következő programindításkor lépnek érvénybe!"));
        QCOMPARE(engine.netDir(), QStringLiteral("/srv/NET"));
    }

    void operationPageReportsEngineWriteFailure()
    {
        // salvia.ini is writable, the program directory (engine configuration) is not.
        m_settings.setIniPath(ini());
        m_settings.setProgramPath(m_dir.filePath("nincs"));
        EngineConfig engine(m_settings.programPath());
        SetupPages::Operation values = SetupPages::loadOperation(m_settings, engine);
        values.netDir = "/srv/net";
        const Refusal outcome = SetupPages::saveOperation(m_settings, engine, values).refusal;
        QCOMPARE(outcome.caption, QStringLiteral("HIBA!"));
        QVERIFY(outcome.text.startsWith(QStringLiteral("A konfigurációs fájl nem írható: ")));
        QCOMPARE(outcome.focus, QStringLiteral("edtNetDir"));
    }

    void noteFileGetsTxtWhenTypedWithoutExtension()
    {
        QCOMPARE(SetupPages::noteFileDirectory(m_settings), m_dir.filePath("szovegek"));
        QCOMPARE(SetupPages::noteFileChoice(m_dir.filePath("jkv")), m_dir.filePath("jkv.txt"));
        QCOMPARE(SetupPages::noteFileChoice(m_dir.filePath("jkv.log")), m_dir.filePath("jkv.log"));
        writeBytes(m_dir.filePath("OLVASS"), "x");
        QCOMPARE(SetupPages::noteFileChoice(m_dir.filePath("OLVASS")), m_dir.filePath("OLVASS"));
        QCOMPARE(SetupPages::noteFileChoice(QString()), QString());
    }

    // --- run-parameters screen text

    void pathWrapping_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("secondLine"); // -1: one line
        QTest::newRow("45: 29 + 16") << 45 << 16;
        QTest::newRow("30 stays") << 30 << -1;
        QTest::newRow("31: 29 + 2") << 31 << 2;
        QTest::newRow("300: rest cut to 250") << 300 << 250;
    }
    void pathWrapping()
    {
        QFETCH(int, length);
        QFETCH(int, secondLine);
        QString path;
        for (int i = 0; i < length; ++i)
            path += QChar(u'a' + i % 26);
        const QString shown = ParamText::wrapPath(path);
        if (secondLine < 0) {
            QCOMPARE(shown, path);
            return;
        }
        const QStringList lines = shown.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], path.left(29));
        QCOMPARE(lines[1].size(), secondLine);
        QCOMPARE(lines[1], path.mid(29, secondLine));
    }

    void parameterLines()
    {
        // Before the start-up sequence fills them, the run values are empty and the numbers 0.
        QStringList fresh;
        for (const auto &line : ParamText::lines(Settings()))
            fresh << line.second;
        QCOMPARE(fresh, QStringList({"", "", "", "0", "", "0", "", "", "", "", "Salvia", "0", "", ""}));

        m_settings.setLoginUser("Kovács Éva");
        m_settings.setSecurLevel(5);
        m_settings.setLezartHoDat(QDate(2024, 3, 31));
        const auto lines = ParamText::lines(m_settings);
        QStringList labels;
        for (const auto &line : lines)
            labels << line.first;
        QCOMPARE(labels,
            QStringList({"ProgramPath:", "DbPath:", "LoginUser:", "SecurLevel:", "SecurName:", "AktivRaktar:",
                "AktivRaktarNev:", "MunkaEv:", "LezartHo:", "LezartHoDat:", "BDEalias:", "IsPrinter:", "ProgVer:",
                "DbMinVer:"}));
        QCOMPARE(lines[2].second, QStringLiteral("Kovács Éva"));
        QCOMPARE(lines[3].second, QStringLiteral("5"));
        // The program's short date, as in every other place that shows one.
        QCOMPARE(lines[9].second, QStringLiteral("2024.03.31."));
        QCOMPARE(lines[10].second, QStringLiteral("Salvia"));
        m_settings.setLezartHoDat(QDate());
        QCOMPARE(ParamText::lines(m_settings)[9].second, QString());
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_settings.moc"
