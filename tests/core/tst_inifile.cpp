#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

IniFile parsed(const QByteArray &bytes)
{
    IniFile ini(QString{});
    ini.parse(bytes);
    return ini;
}

// Every (section, key) the file answers, with the value it answers.
QMap<QPair<QString, QString>, QString> answers(const IniFile &ini, const QStringList &sections, const QStringList &keys)
{
    QMap<QPair<QString, QString>, QString> found;
    for (const QString &section : sections) {
        for (const QString &key : keys) {
            if (ini.contains(section, key))
                found.insert({section, key}, ini.value(section, key));
        }
    }
    return found;
}

// Lets this process write files of at most `bytes` bytes while it lives: a write beyond fails as
// on a full disk (EFBIG instead of ENOSPC), for root as well.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_signal)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class TestCoreIniFile : public QObject
{
    Q_OBJECT
private slots:
    // Columns: the file, the value set (none: only read), the file written and the value read back.
    void roundTrips_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("read");
        const QString none;
        QTest::newRow("comments, loose lines and unknown keys are kept")
            << QByteArray("; megjegyz\xE9s\r\nszabad sor\r\n[A]\r\nx=1\r\n; bels\xF5\r\nrossz sor\r\nismeretlen=7\r\n"
                          "[B]\r\ny=2\r\n")
            << "A" << "x" << "5"
            << QByteArray("; megjegyz\xE9s\r\nszabad sor\r\n[A]\r\nx=5\r\n; bels\xF5\r\nrossz sor\r\nismeretlen=7\r\n"
                          "[B]\r\ny=2\r\n")
            << "5";
        QTest::newRow("CR line ends read") << QByteArray("[A]\rx=1\ry=2\r") << "A" << "y" << none
                                           << QByteArray("[A]\rx=1\ry=2\r") << "2";
        QTest::newRow("CR line ends kept for a new key")
            << QByteArray("[A]\rx=1\ry=2\r") << "A" << "z" << "3" << QByteArray("[A]\rx=1\ry=2\rz=3\r") << "3";
        QTest::newRow("LF line ends kept for a new section")
            << QByteArray("[A]\nx=1\n") << "B" << "k" << "v" << QByteArray("[A]\nx=1\n\n[B]\nk=v\n") << "v";
        QTest::newRow("mixed line ends read alike") << QByteArray("[A]\r\nx=1\ny=2\rz=3") << "A" << "z" << none
                                                    << QByteArray("[A]\r\nx=1\ny=2\rz=3") << "3";
        QTest::newRow("new key after the section's last key, before the blank line")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\n") << "A" << "y" << "2"
            << QByteArray("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n") << "2";
        QTest::newRow("new key in a section without keys")
            << QByteArray("[A]\r\n; csak megjegyz\xE9s\r\n") << "A" << "y" << "2"
            << QByteArray("[A]\r\ny=2\r\n; csak megjegyz\xE9s\r\n") << "2";
        QTest::newRow("last line without a line end") << QByteArray("[A]\r\nx=1") << "A" << "y" << "2"
                                                      << QByteArray("[A]\r\nx=1\r\ny=2\r\n") << "2";
        QTest::newRow("empty file") << QByteArray() << "A" << "x" << "1" << QByteArray("[A]\r\nx=1\r\n") << "1";
        QTest::newRow("names match without regard to case")
            << QByteArray("[a]\r\nX=1\r\n") << "A" << "x" << "2" << QByteArray("[a]\r\nX=2\r\n") << "2";
        QTest::newRow("the first of two equal keys counts")
            << QByteArray("[A]\r\nx=1\r\nx=2\r\n") << "A" << "x" << "3" << QByteArray("[A]\r\nx=3\r\nx=2\r\n") << "3";
        QTest::newRow("a key outside any section is not a section's key")
            << QByteArray("x=9\r\n[A]\r\n") << "A" << "x" << "1" << QByteArray("x=9\r\n[A]\r\nx=1\r\n") << "1";
        QTest::newRow("bytes without a letter in the code page stay as they were")
            << QByteArray("\x81\x83\x88 \x90\x98\r\n[A]\r\nx=1\r\n") << "A" << "x" << "2"
            << QByteArray("\x81\x83\x88 \x90\x98\r\n[A]\r\nx=2\r\n") << "2";
        QTest::newRow("Hungarian letters in Windows-1250")
            << QByteArray() << "A" << "x" << QStringLiteral("Tűzőgép ÁRVÍZTŰRŐ")
            << QByteArray("[A]\r\nx=T\xFBz\xF5g\xE9p \xC1RV\xCDZT\xDBR\xD5\r\n") << QStringLiteral("Tűzőgép ÁRVÍZTŰRŐ");
        QTest::newRow("a line break in a value becomes a space")
            << QByteArray() << "A" << "x" << "egy\r\n[B]\ny=1" << QByteArray("[A]\r\nx=egy [B] y=1\r\n")
            << "egy [B] y=1";
    }
    void roundTrips()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QFETCH(QString, read);
        QTemporaryDir dir;
        const QString path = dir.filePath("salvia.ini");
        QVERIFY(writeBytes(path, before));
        IniFile ini(path);
        QVERIFY(ini.load());
        if (!value.isNull()) {
            QVERIFY(ini.setValue(section, key, value));
            QVERIFY(ini.save());
        }
        QCOMPARE(fileBytes(path), after);
        IniFile again(path);
        QVERIFY(again.load());
        QCOMPARE(again.value(section, key), read);
    }

    // Windows-1250 cannot hold it: nothing changes rather than a "?" being written.
    void valueOutsideTheCodePageIsRefused()
    {
        IniFile ini = parsed("[A]\r\nx=1\r\n");
        QVERIFY(!ini.setValue("A", "x", QStringLiteral("kés ✓")));
        QVERIFY(!ini.setValue("A", "y", QStringLiteral("日本")));
        QCOMPARE(ini.bytes(), QByteArray("[A]\r\nx=1\r\n"));
    }

    void missingFileIsEmpty()
    {
        QTemporaryDir dir;
        IniFile ini(dir.filePath("nincs.ini"));
        QVERIFY(ini.load());
        QVERIFY(!ini.contains("A", "x"));
        QVERIFY(!QFile::exists(dir.filePath("nincs.ini")));
    }

    // A file that exists but cannot be read is never overwritten.
    void unreadableFileIsNotOverwritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("salvia.ini");
        QVERIFY(QDir(dir.path()).mkdir("salvia.ini")); // a folder where the file should be
        IniFile ini(path);
        QVERIFY(!ini.load());
        ini.setValue("A", "x", "1");
        QVERIFY(!ini.save());
        QVERIFY(QFileInfo(path).isDir());
    }

    // No file can be made beside it: the writable file itself is written.
    void readOnlyFolderIsWrittenInPlace()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("csakolvashato");
        QVERIFY(QDir(dir.path()).mkdir("csakolvashato"));
        const QString path = QDir(folder).filePath("salvia.ini");
        QVERIFY(writeBytes(path, "; marad\r\n[A]\r\nx=1\r\n"));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const bool folderWritable = writeBytes(QDir(folder).filePath("proba"), "x");
        if (folderWritable) {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user can write into a read-only folder");
        }
        IniFile ini(path);
        QVERIFY(ini.load());
        QVERIFY(ini.setValue("A", "x", "2"));
        const bool saved = ini.save();
        // In place too, a write that runs out of space gives the original back.
        IniFile longer(path);
        QVERIFY(longer.load());
        QVERIFY(longer.setValue("A", "x", QString(500, QLatin1Char('9'))));
        bool savedLonger = true;
        {
            FileSizeLimit full(64);
            savedLonger = longer.save();
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(saved);
        QVERIFY(!savedLonger);
        QCOMPARE(fileBytes(path), QByteArray("; marad\r\n[A]\r\nx=2\r\n"));
    }

    // A write that runs out of space (a full disk) leaves the original file byte for byte and
    // says so; no half-written file is left beside it.
    void failedWriteKeepsTheOriginal_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("valueLength");
        QTest::newRow("nothing can be written") << 0 << 10;
        QTest::newRow("the new file is cut short") << 48 << 200;
        QTest::newRow("cut beyond the write buffer") << 20000 << 40000;
    }
    void failedWriteKeepsTheOriginal()
    {
        QFETCH(int, limit);
        QFETCH(int, valueLength);
        QTemporaryDir dir;
        const QString path = dir.filePath("salvia.ini");
        const QByteArray original("; marad\r\n[Adatbazis]\r\nPath=/adat/salvia\r\n[A]\r\nx=1\r\n");
        QVERIFY(writeBytes(path, original));
        IniFile ini(path);
        QVERIFY(ini.load());
        QVERIFY(ini.setValue("A", "x", QString(valueLength, QLatin1Char('9'))));
        bool saved = true;
        {
            FileSizeLimit full(limit);
            QVERIFY(full.active());
            saved = ini.save();
        }
        QVERIFY(!saved);
        QCOMPARE(fileBytes(path), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"salvia.ini"});
        // Once there is room the same save goes through.
        QVERIFY(ini.save());
        QCOMPARE(IniFile(path).load(), true);
        QCOMPARE(fileBytes(path).size(), original.size() - 1 + valueLength);
    }

    // Damaged and random files: reading and writing back unchanged gives the same bytes; a value
    // set is read back, and every other value the file answered stays as it was.
    void fuzz_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 400; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void fuzz()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QStringList sections = {"A", "b", "Mukodes", "PrintSettings"};
        const QStringList keys = {"x", "Y", "Footer11", "LogoPath"};
        const QList<QByteArray> ends = {"\r\n", "\r", "\n", "\n\r", ""};
        QByteArray bytes;
        const int lines = random.bounded(30);
        for (int i = 0; i < lines; ++i) {
            switch (random.bounded(6)) {
            case 0:
                bytes += " [" + sections.at(random.bounded(sections.size())).toLatin1() + "] ";
                break;
            case 1:
            case 2:
                bytes += keys.at(random.bounded(keys.size())).toLatin1() + "=" + QByteArray::number(random.bounded(1000));
                break;
            case 3:
                bytes += "; megjegyz\xE9s";
                break;
            default:
                for (int b = random.bounded(20); b > 0; --b)
                    bytes += char(random.bounded(256));
                break;
            }
            bytes += ends.at(random.bounded(ends.size()));
        }

        const IniFile original = parsed(bytes);
        QCOMPARE(original.bytes(), bytes);

        IniFile changed = parsed(bytes);
        const QString section = sections.at(random.bounded(sections.size()));
        const QString key = keys.at(random.bounded(keys.size()));
        const QString value = QStringLiteral("érték ") + QString::number(random.bounded(1000));
        QVERIFY(changed.setValue(section, key, value));
        const IniFile reread = parsed(changed.bytes());
        QCOMPARE(reread.value(section, key), value);
        QMap<QPair<QString, QString>, QString> expected = answers(original, sections, keys);
        expected.insert({section, key}, value);
        QCOMPARE(answers(reread, sections, keys), expected);
    }
};

QTEST_GUILESS_MAIN(TestCoreIniFile)
#include "tst_inifile.moc"
