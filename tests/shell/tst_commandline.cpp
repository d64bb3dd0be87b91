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

    void maintenance_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mode"); // empty: refused
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("warehouse");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("error");
        QTest::newRow("backup of the whole database") << QStringList {"--backup", "/srv/db", "/tmp/m.zip"} << "backup"
                                                      << QStringList {"/srv/db", "/tmp/m.zip"} << 0 << "" << "";
        QTest::newRow("backup of one warehouse") << QStringList {"--backup", "/srv/db", "/tmp/m.zip", "--warehouse", "3"}
                                                 << "backup" << QStringList {"/srv/db", "/tmp/m.zip"} << 3 << "" << "";
        QTest::newRow("restore, value after =") << QStringList {"--restore=/srv/db", "/tmp/m.zip", "--warehouse=20"}
                                                << "restore" << QStringList {"/srv/db", "/tmp/m.zip"} << 20 << "" << "";
        QTest::newRow("physical closing with its backup")
            << QStringList {"--physical-close", "/srv/db", "2", "2026-03-15", "--backup", "/tmp/f.zip"} << "physical-close"
            << QStringList {"/srv/db", "2", "2026-03-15"} << 0 << "/tmp/f.zip" << "";
        QTest::newRow("physical closing without a backup")
            << QStringList {"--physical-close", "/srv/db", "2", "2026-03-15"} << "" << QStringList() << 0 << ""
            << "A fizikai záráshoz mentés kell: --backup ARCHÍVUM";
        QTest::newRow("month closing") << QStringList {"--close-month", "/srv/db", "1", "2026-02"} << "close-month"
                                       << QStringList {"/srv/db", "1", "2026-02"} << 0 << "" << "";
        QTest::newRow("a value missing") << QStringList {"--close-year", "/srv/db"} << "" << QStringList() << 0 << ""
                                         << "Hiányzó érték a kapcsoló után: --close-year";
        QTest::newRow("a value too many") << QStringList {"--check-archive", "a.zip", "b.zip"} << "" << QStringList()
                                          << 0 << "" << "Fölösleges argumentum: b.zip";
        QTest::newRow("warehouse out of range") << QStringList {"--dump", "/srv/db", "--warehouse", "21"} << ""
                                                << QStringList() << 0 << "" << "Hibás raktárszám: 21";
        QTest::newRow("warehouse without a value") << QStringList {"--dump", "/srv/db", "--warehouse"} << ""
                                                   << QStringList() << 0 << "" << "Hiányzó érték a kapcsoló után: --warehouse";
        QTest::newRow("another option") << QStringList {"--backup", "/srv/db", "m.zip", "--demo", "x"} << ""
                                        << QStringList() << 0 << "" << "Ismeretlen kapcsoló: --demo";
    }

    // The maintenance modes read their own arguments; a wrong one is refused in one line.
    void maintenance()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mode);
        QFETCH(QStringList, values);
        QFETCH(int, warehouse);
        QFETCH(QString, archive);
        QFETCH(QString, error);
        const CommandLine line = CommandLine::parse(QStringList {QStringLiteral("salvia")} + arguments);
        QCOMPARE(line.error, error);
        QCOMPARE(line.action, mode.isEmpty() ? CommandLine::Action::Refused : CommandLine::Action::Maintenance);
        if (mode.isEmpty())
            return;
        QCOMPARE(line.maintenance.mode, mode);
        QCOMPARE(line.maintenance.values, values);
        QCOMPARE(line.maintenance.warehouse, warehouse);
        QCOMPARE(line.maintenance.backupArchive, archive);
    }

    // A table tool gets every argument after its option, a value after "=" first.
    void toolArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("toolArguments");
        QTest::newRow("DOS import with its options")
            << QStringList {"--import-dos", "/srv/salvia", "1", "/mnt/dos", "--only", "anyag"}
            << CommandLine::Action::ImportDos << QStringList {"/srv/salvia", "1", "/mnt/dos", "--only", "anyag"};
        QTest::newRow("UVI export without arguments") << QStringList {"--uvi-export"} << CommandLine::Action::UviExport
                                                      << QStringList();
        QTest::newRow("repair, place after =") << QStringList {"--repair=/srv/salvia", "2"}
                                               << CommandLine::Action::Repair << QStringList {"/srv/salvia", "2"};
    }
    void toolArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, toolArguments);
        const CommandLine line = CommandLine::parse(QStringList {QStringLiteral("salvia")} + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.toolArguments, toolArguments);
    }

    // Every mode that works without windows has a runner; help, version, a refusal and the
    // program itself do not.
    void windowlessModes()
    {
        using Action = CommandLine::Action;
        for (const Action action : {Action::CreateDatabase, Action::Demo, Action::ImportDos, Action::UviExport,
                 Action::Repair, Action::Maintenance}) {
            CommandLine line;
            line.action = action;
            QVERIFY2(line.isWindowless(), qPrintable(QString::number(int(action))));
        }
        for (const Action action : {Action::Run, Action::Help, Action::Version, Action::Refused}) {
            CommandLine line;
            line.action = action;
            QVERIFY2(!line.isWindowless(), qPrintable(QString::number(int(action))));
        }
    }

    void texts()
    {
        QCOMPARE(CommandLine::versionText(QStringLiteral("1.0.0.1")), QStringLiteral("Salvia 1.0.0.1\n"));
        const QString usage = CommandLine::usageText();
        QVERIFY(usage.startsWith(QStringLiteral("Használat: salvia [kapcsoló]\n")));
        for (const char *option : {"--create-database KÖNYVTÁR", "--demo KÖNYVTÁR", "--help", "--version",
                 "--backup HELY ARCHÍVUM", "--restore HELY ARCHÍVUM", "--check-archive ARCHÍVUM", "--dump HELY",
                 "--close-month HELY N", "--close-year HELY N", "--physical-close HELY N"})
            QVERIFY2(usage.contains(QString::fromUtf8(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestShellCommandLine)
#include "tst_commandline.moc"
