#include "shell/ProgramHome.h"

#include <QtTest>

class TestShellProgramHome : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_startDir;

private slots:
    void init() { m_startDir = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startDir); }

    // Columns: SALVIA_HOME's value, the user's home folder, the program directory.
    void location_data()
    {
        QTest::addColumn<QString>("salviaHome");
        QTest::addColumn<QString>("userHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset: Salvia in the home folder") << "" << "/home/szakacs" << "/home/szakacs/Salvia";
        QTest::newRow("set") << "/srv/konyha/" << "/home/szakacs" << "/srv/konyha";
        QTest::newRow("relative: from the current directory")
            << "adatok/konyha" << "/home/szakacs" << QDir::current().absoluteFilePath("adatok/konyha");
    }
    void location()
    {
        QFETCH(QString, salviaHome);
        QFETCH(QString, userHome);
        QFETCH(QString, expected);
        QCOMPARE(ProgramHome::location(salviaHome, userHome), expected);
    }

    // A first start makes the directory and its folders and works in it; a later start keeps
    // what is there.
    void enterMakesTheDirectory()
    {
        const QString home = m_root.filePath("felhasznalo/Salvia");
        QVERIFY(ProgramHome::enter(home).isNull());
        QCOMPARE(QDir::currentPath(), home);
        QVERIFY(QFileInfo(home + "/Backup").isDir());
        QVERIFY(QFileInfo(home + "/szovegek").isDir());

        QFile settings(home + "/salvia.ini");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Mukodes]\n");
        settings.close();
        QDir::setCurrent(m_startDir);
        QVERIFY(ProgramHome::enter(home).isNull());
        QCOMPARE(QDir::currentPath(), home);
        QCOMPARE(QFileInfo(home + "/salvia.ini").size(), qint64(10));
    }

    // A file where a folder belongs: the start ends naming it, and the current directory stays.
    void enterRefusesAFileInTheWay_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("the directory itself") << "";
        QTest::newRow("its Backup folder") << "/Backup";
    }
    void enterRefusesAFileInTheWay()
    {
        QFETCH(QString, blocked);
        const QString home = m_root.filePath(QStringLiteral("foglalt%1").arg(QTest::currentDataTag()));
        if (!blocked.isEmpty())
            QVERIFY(QDir().mkpath(home));
        QFile file(home + blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const Refusal refusal = ProgramHome::enter(home);
        QCOMPARE(refusal, Refusal::error("A programkönyvtár nem hozható létre:\r" + home + blocked));
        QCOMPARE(QDir::currentPath(), m_startDir);
    }
};

QTEST_GUILESS_MAIN(TestShellProgramHome)
#include "tst_programhome.moc"
