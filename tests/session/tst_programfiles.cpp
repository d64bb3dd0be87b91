#include "session/HelpPages.h"
#include "session/ProgramFiles.h"

#include <QtTest>

// The shipped folders are looked for in the program directory, beside the executable and in
// ../share/salvia; a temporary tree holds the three places: home/ (the program directory),
// build/ (a build folder) and usr/bin with usr/share/salvia (an installed program).
class TestSessionProgramFiles : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_root;

    QString path(const QString &relative) const { return QDir::cleanPath(m_root.filePath(relative)); }
    void makeFolders(const QStringList &folders)
    {
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(path(folder)));
    }

private slots:
    void init()
    {
        QVERIFY(QDir(m_root.path()).removeRecursively());
        QVERIFY(QDir().mkpath(path(QStringLiteral("home"))));
    }

    // Columns: the folders that exist, the executable's folder, and the help folder found
    // (empty: none).
    void find_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("executableDir");
        QTest::addColumn<QString>("found");
        QTest::newRow("run from the build folder") << QStringList {"build/HtmlHelp"} << "build" << "build/HtmlHelp";
        QTest::newRow("installed") << QStringList {"usr/bin", "usr/share/salvia/HtmlHelp"} << "usr/bin"
                                   << "usr/share/salvia/HtmlHelp";
        QTest::newRow("the program directory's own copy first")
            << QStringList {"home/HtmlHelp", "usr/bin", "usr/share/salvia/HtmlHelp"} << "usr/bin" << "home/HtmlHelp";
        QTest::newRow("beside the executable before share")
            << QStringList {"usr/bin/HtmlHelp", "usr/share/salvia/HtmlHelp"} << "usr/bin" << "usr/bin/HtmlHelp";
        QTest::newRow("pictures alone are not the help") << QStringList {"usr/bin", "usr/share/salvia/Pictures"}
                                                         << "usr/bin" << "";
        QTest::newRow("nowhere") << QStringList {"usr/bin"} << "usr/bin" << "";
    }
    void find()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, executableDir);
        QFETCH(QString, found);
        makeFolders(folders);
        QCOMPARE(ProgramFiles::find(ProgramFiles::helpFolderName(), path("home"), path(executableDir)),
            found.isEmpty() ? QString() : path(found));
    }

    void fileInTheWayIsNoFolder()
    {
        makeFolders({"usr/share/salvia"});
        QFile file(path("usr/share/salvia/Pictures"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(ProgramFiles::find(ProgramFiles::picturesFolderName(), path("home"), path("usr/bin")).isEmpty());
    }

    // The start-up warning names each missing folder and every place it was looked for.
    void missingText()
    {
        makeFolders({"usr/bin", "usr/share/salvia/HtmlHelp"});
        const QString picturesMissing = QStringLiteral("A program nem találja a képeket (Pictures mappa). Keresett helyek:\r")
            + path("home/Pictures") + "\r" + path("usr/bin/Pictures") + "\r" + path("usr/share/salvia/Pictures");
        QCOMPARE(ProgramFiles::missingText(path("home"), path("usr/bin")), picturesMissing);

        QVERIFY(QDir(path("usr/share/salvia/HtmlHelp")).removeRecursively());
        const QString helpMissing = QStringLiteral("A program nem találja a súgó oldalait (HtmlHelp mappa). Keresett helyek:\r")
            + path("home/HtmlHelp") + "\r" + path("usr/bin/HtmlHelp") + "\r" + path("usr/share/salvia/HtmlHelp");
        QCOMPARE(ProgramFiles::missingText(path("home"), path("usr/bin")), helpMissing + "\r\r" + picturesMissing);

        makeFolders({"home/HtmlHelp", "home/Pictures"});
        QCOMPARE(ProgramFiles::missingText(path("home"), path("usr/bin")), QString());
    }

    // The screens' folder: the program directory's copy when there is one, else (nothing beside
    // this test program) the program directory's path, so the missing page is named there.
    void screensFolder()
    {
        QCOMPARE(HelpPages::folder(path("home")), path("home/HtmlHelp"));
        QVERIFY(!QFileInfo::exists(path("home/HtmlHelp")));
        makeFolders({"home/Pictures"});
        QCOMPARE(ProgramFiles::folder(ProgramFiles::picturesFolderName(), path("home")), path("home/Pictures"));
    }
};

QTEST_GUILESS_MAIN(TestSessionProgramFiles)
#include "tst_programfiles.moc"
