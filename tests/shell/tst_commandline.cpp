#include "shell/CommandLine.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class TestShellCommandLine : public QObject
{
    Q_OBJECT
private slots:
    // Columns: the arguments after the program's name, what the program does, the database
    // directory and the refusal's reason.
    void parse_data()
    {
        using Action = CommandLine::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing: the program") << QStringList() << Action::Run << "" << "";
        QTest::newRow("Qt's own window options") << QStringList {"-platform", "offscreen", "-style=fusion", "-reverse"}
                                                 << Action::Run << "" << "";
        QTest::newRow("help") << QStringList {"--help"} << Action::Help << "" << "";
        QTest::newRow("help before anything else") << QStringList {"--version", "--help"} << Action::Help << ""
                                                   << "";
        QTest::newRow("version") << QStringList {"--version"} << Action::Version << "" << "";
        QTest::newRow("create a database") << QStringList {"--create-database", "/srv/salvia"}
                                           << Action::CreateDatabase << "/srv/salvia" << "";
        QTest::newRow("create, with =") << QStringList {"--create-database=/srv/uj adatbázis"}
                                        << Action::CreateDatabase << "/srv/uj adatbázis" << "";
        QTest::newRow("demo database") << QStringList {"--demo", "/srv/bemutato"} << Action::Demo << "/srv/bemutato"
                                       << "";
        QTest::newRow("demo on a server") << QStringList {"--demo=postgresql://konyha@szerver/salvia"} << Action::Demo
                                          << "postgresql://konyha@szerver/salvia" << "";
        QTest::newRow("demo without a place") << QStringList {"--demo"} << Action::Refused << ""
                                              << "Hiányzó érték a kapcsoló után: --demo";
        QTest::newRow("demo with an empty place") << QStringList {"--demo="} << Action::Refused << ""
                                                  << "Hiányzó érték a kapcsoló után: --demo";
        QTest::newRow("demo and create together")
            << QStringList {"--demo", "/srv/a", "--create-database", "/srv/b"} << Action::Refused << ""
            << "A --create-database és a --demo kapcsoló együtt nem adható meg.";
        QTest::newRow("unknown option") << QStringList {"--verzio"} << Action::Refused << ""
                                        << "Ismeretlen kapcsoló: --verzio";
        QTest::newRow("unknown single-dash option") << QStringList {"-x"} << Action::Refused << ""
                                                    << "Ismeretlen kapcsoló: -x";
        QTest::newRow("unknown with a value") << QStringList {"--db=/srv"} << Action::Refused << ""
                                              << "Ismeretlen kapcsoló: --db";
        QTest::newRow("missing directory") << QStringList {"--create-database"} << Action::Refused << ""
                                           << "Hiányzó érték a kapcsoló után: --create-database";
        QTest::newRow("empty directory") << QStringList {"--create-database="} << Action::Refused << ""
                                         << "Hiányzó érték a kapcsoló után: --create-database";
        QTest::newRow("DOS import: its arguments are its own")
            << QStringList {"--import-dos", "/srv/salvia", "1", "/mnt/dos", "--only", "anyag"} << Action::ImportDos << ""
            << "";
        QTest::newRow("UVI export") << QStringList {"--uvi-export", "/srv/salvia", "1", "003", "/tmp"}
                                    << Action::UviExport << "" << "";
        QTest::newRow("repair") << QStringList {"--repair", "/srv/salvia", "2"} << Action::Repair << "" << "";
        QTest::newRow("stray argument") << QStringList {"adatok"} << Action::Refused << ""
                                        << "Fölösleges argumentum: adatok";
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, directory);
        QFETCH(QString, error);
        const CommandLine line = CommandLine::parse(QStringList {QStringLiteral("salvia")} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.databaseDir, directory);
        QCOMPARE(line.error, error);
    }

    void texts()
    {
        QCOMPARE(CommandLine::versionText(QStringLiteral("1.0.0.1")), QStringLiteral("Salvia 1.0.0.1\n"));
        const QString usage = CommandLine::usageText();
        QVERIFY(usage.startsWith(QStringLiteral("Használat: salvia [kapcsoló]\n")));
        for (const char *option : {"--create-database KÖNYVTÁR", "--demo KÖNYVTÁR", "--help", "--version"})
            QVERIFY2(usage.contains(QString::fromUtf8(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestShellCommandLine)
#include "tst_commandline.moc"
