#include "shell/CommandLine.h"

#include "demo/DemoCommand.h"
#include "maintenance/RepairCommand.h"
#include "store/CreateDatabaseCommand.h"
#include "transfer/DosImportCommand.h"
#include "transfer/UviExportCommand.h"

#include <QCommandLineParser>
#include <QIODevice>
#include <QRegularExpression>
#include <QTextStream>

namespace {

const QString CreateDatabase = QStringLiteral("create-database");
const QString Demo = QStringLiteral("demo");

// The window options QApplication takes for itself ("-platform offscreen", "-style fusion").
const QStringList QtValueOptions = {QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("style"),
    QStringLiteral("stylesheet"), QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("session")};
const QStringList QtFlagOptions = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"), QStringLiteral("sync")};

// The argument as typed that names the option ("--Verzio" for "Verzio"), without a value after "=".
QString asTyped(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) && QString(option).remove(QRegularExpression(QStringLiteral("^-+"))) == name)
            return option;
    }
    return name;
}

// A table tool's arguments: all after its option (a value after "=" is the first), read by the tool.
void readToolArguments(const QStringList &arguments, const QString &, CommandLine &line)
{
    const QString first = arguments.at(1);
    if (first.contains(QLatin1Char('=')))
        line.toolArguments << first.section(QLatin1Char('='), 1);
    line.toolArguments << arguments.mid(2);
}

// The maintenance modes: "--mode VALUE..." with "--warehouse N" and, for the physical closing,
// "--backup ARCHIVE" anywhere after the mode. Options may carry their value after "=".
void readMaintenance(const QStringList &arguments, const QString &mode, CommandLine &line)
{
    line.maintenance.mode = mode;
    bool modeSeen = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (!argument.startsWith(QStringLiteral("--"))) {
            line.maintenance.values << argument;
            continue;
        }
        QString name = argument.mid(2);
        QString value;
        const bool hasInlineValue = name.contains(QLatin1Char('='));
        if (hasInlineValue) {
            value = name.section(QLatin1Char('='), 1);
            name = name.section(QLatin1Char('='), 0, 0);
        }
        if (name == mode && !modeSeen) {
            modeSeen = true;
            if (hasInlineValue)
                line.maintenance.values << value;
            continue;
        }
        const bool takesArchive = name == QLatin1String("backup") && mode == QLatin1String("physical-close");
        if (name != QLatin1String("warehouse") && !takesArchive) {
            line.error = QStringLiteral("Ismeretlen kapcsoló: --") + name;
            return;
        }
        if (!hasInlineValue) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("Hiányzó érték a kapcsoló után: --") + name;
                return;
            }
            value = arguments.at(++i);
        }
        if (takesArchive) {
            line.maintenance.backupArchive = value;
            continue;
        }
        bool ok = false;
        line.maintenance.warehouse = value.toInt(&ok);
        if (!ok || line.maintenance.warehouse < 1 || line.maintenance.warehouse > 20
            || mode == QLatin1String("check-archive") || mode.startsWith(QStringLiteral("close"))
            || mode == QLatin1String("physical-close")) {
            line.error = QStringLiteral("Hibás raktárszám: ") + value;
            return;
        }
    }
    const int count = ArchiveCommand::valueCount(mode);
    if (line.maintenance.values.size() < count) {
        line.error = QStringLiteral("Hiányzó érték a kapcsoló után: --") + mode;
        return;
    }
    if (line.maintenance.values.size() > count) {
        line.error = QStringLiteral("Fölösleges argumentum: ") + line.maintenance.values.at(count);
        return;
    }
    if (mode == QLatin1String("physical-close") && line.maintenance.backupArchive.isEmpty()) {
        line.error = QStringLiteral("A fizikai záráshoz mentés kell: --backup ARCHÍVUM");
        return;
    }
}

struct ModeStreams
{
    QIODevice &in;
    QTextStream &out;
    QTextStream &err;
    const QString &programPath;
};

// A mode that works without windows and ends: its option without dashes, its action, what reads
// the arguments after it (none: its one value is read among the common options, so that Qt's
// window options may go with it and --help wins), and what runs it.
struct WindowlessMode
{
    QString option;
    CommandLine::Action action;
    void (*read)(const QStringList &arguments, const QString &option, CommandLine &line);
    int (*run)(const CommandLine &line, const ModeStreams &streams);
};

const QList<WindowlessMode> &windowlessModes()
{
    using Action = CommandLine::Action;
    static const QList<WindowlessMode> modes = [] {
        QList<WindowlessMode> list {
            {QStringLiteral("import-dos"), Action::ImportDos, readToolArguments,
                [](const CommandLine &line, const ModeStreams &io) {
                    return runDosImportCommand(line.toolArguments, io.out, io.err);
                }},
            {QStringLiteral("uvi-export"), Action::UviExport, readToolArguments,
                [](const CommandLine &line, const ModeStreams &io) {
                    return runUviExportCommand(line.toolArguments, io.out, io.err);
                }},
            {QStringLiteral("repair"), Action::Repair, readToolArguments,
                [](const CommandLine &line, const ModeStreams &io) {
                    return runRepairCommand(line.toolArguments, io.out, io.err);
                }},
            {CreateDatabase, Action::CreateDatabase, nullptr,
                [](const CommandLine &line, const ModeStreams &io) {
                    return runCreateDatabaseCommand(line.databaseDir, io.in, io.out, io.err);
                }},
            {Demo, Action::Demo, nullptr,
                [](const CommandLine &line, const ModeStreams &io) {
                    return runDemoCommand(line.databaseDir, io.out, io.err);
                }},
        };
        for (const QString &mode : ArchiveCommand::modes()) {
            list.append({mode, Action::Maintenance, readMaintenance, [](const CommandLine &line, const ModeStreams &io) {
                             return line.maintenance.run(io.programPath, io.out, io.err);
                         }});
        }
        return list;
    }();
    return modes;
}

} // namespace

QString CommandLine::usageText()
{
    return QStringLiteral("Használat: salvia [kapcsoló]\n"
                          "  --create-database KÖNYVTÁR  új adatbázis létrehozása ablakok nélkül;\n"
                          "                              a tulajdonos adatait és a jelszót a bemenetről olvassa\n"
                          "  --demo KÖNYVTÁR             bemutató adatbázis létrehozása ablakok nélkül: egy\n"
                          "                              iskolakonyha három hónapja (belépés: admin / admin)\n"
                          "  --import-dos HELY N MAPPA --opening-date ÉÉÉÉ-HH-NN [--only RÉSZEK]\n"
                          "                              a DOS-os Salvia adatainak átvétele az N. raktárba\n"
                          "                              (részek: anyag,recept,partner,fokszam,nyito)\n"
                          "  --uvi-export HELY N TABLÓ MAPPA [--today ÉÉÉÉHHNN]\n"
                          "                              a tabló ÜVI-fájljainak exportja a mappába\n"
                          "  --repair HELY N             az N. raktár tábláinak javítása, táblánként egy sor\n"
                          "  --backup HELY ARCHÍVUM [--warehouse N]\n"
                          "                              mentés (raktár, vagy a teljes adatbázis) ellenőrizve\n"
                          "  --restore HELY ARCHÍVUM [--warehouse N]\n"
                          "                              visszatöltés biztonsági mentéssel előtte\n"
                          "  --check-archive ARCHÍVUM    mentés ellenőrzése változtatás nélkül\n"
                          "  --dump HELY [--warehouse N] minden tábla szövegként, kulcs szerint rendezve\n"
                          "  --close-month HELY N ÉÉÉÉ-HH   havi zárás az N. raktárban\n"
                          "  --close-year HELY N         évzárás az N. raktárban\n"
                          "  --physical-close HELY N ÉÉÉÉ-HH-NN --backup ARCHÍVUM\n"
                          "                              fizikai zárás mentés után\n"
                          "  --help                      ez a leírás\n"
                          "  --version                   a program verziója\n");
}

QString CommandLine::versionText(const QString &version)
{
    return QStringLiteral("Salvia ") + version + QLatin1Char('\n');
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    // A mode with its own reader is named first; its arguments follow.
    const QString first = arguments.value(1).section(QLatin1Char('='), 0, 0);
    for (const WindowlessMode &mode : windowlessModes()) {
        if (mode.read && first == QStringLiteral("--") + mode.option) {
            CommandLine line;
            mode.read(arguments, mode.option, line);
            line.action = line.error.isEmpty() ? mode.action : Action::Refused;
            return line;
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption create(CreateDatabase, QString(), QStringLiteral("KÖNYVTÁR"));
    const QCommandLineOption demo(Demo, QString(), QStringLiteral("KÖNYVTÁR"));
    parser.addOptions({help, version, create, demo});
    for (const QString &name : QtValueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("érték")));
    for (const QString &name : QtFlagOptions)
        parser.addOption(QCommandLineOption(name));

    CommandLine line;
    line.action = Action::Refused;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        // Otherwise the last argument is an option that takes a value and has none.
        line.error = unknown.isEmpty() ? QStringLiteral("Hiányzó érték a kapcsoló után: ") + arguments.last()
                                       : QStringLiteral("Ismeretlen kapcsoló: ") + asTyped(arguments, unknown.first());
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error = QStringLiteral("Fölösleges argumentum: ") + parser.positionalArguments().first();
        return line;
    }
    if (parser.isSet(help)) {
        line.action = Action::Help;
    } else if (parser.isSet(version)) {
        line.action = Action::Version;
    } else if (parser.isSet(create) && parser.isSet(demo)) {
        line.error = QStringLiteral("A --") + CreateDatabase + QStringLiteral(" és a --") + Demo
            + QStringLiteral(" kapcsoló együtt nem adható meg.");
        return line;
    } else if (parser.isSet(create) || parser.isSet(demo)) {
        const QString option = parser.isSet(create) ? CreateDatabase : Demo;
        line.databaseDir = parser.value(option);
        if (line.databaseDir.isEmpty()) {
            line.error = QStringLiteral("Hiányzó érték a kapcsoló után: --") + option;
            return line;
        }
        line.action = parser.isSet(create) ? Action::CreateDatabase : Action::Demo;
    } else {
        line.action = Action::Run;
    }
    return line;
}

bool CommandLine::isWindowless() const
{
    for (const WindowlessMode &mode : windowlessModes()) {
        if (mode.action == action)
            return true;
    }
    return false;
}

int CommandLine::runWindowless(QIODevice &in, QTextStream &out, QTextStream &err, const QString &programPath) const
{
    for (const WindowlessMode &mode : windowlessModes()) {
        if (mode.action == action)
            return mode.run(*this, ModeStreams {in, out, err, programPath});
    }
    return 2;
}
