#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

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

// The maintenance modes: "--mode VALUE..." with "--warehouse N" and, for the physical closing,
// "--backup ARCHIVE" anywhere after the mode. Options may carry their value after "=".
CommandLine parseMaintenance(const QStringList &arguments, const QString &mode)
{
    CommandLine line;
    line.action = CommandLine::Action::Refused;
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
            return line;
        }
        if (!hasInlineValue) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("Hiányzó érték a kapcsoló után: --") + name;
                return line;
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
            return line;
        }
    }
    const int count = ArchiveCommand::valueCount(mode);
    if (line.maintenance.values.size() < count) {
        line.error = QStringLiteral("Hiányzó érték a kapcsoló után: --") + mode;
        return line;
    }
    if (line.maintenance.values.size() > count) {
        line.error = QStringLiteral("Fölösleges argumentum: ") + line.maintenance.values.at(count);
        return line;
    }
    if (mode == QLatin1String("physical-close") && line.maintenance.backupArchive.isEmpty()) {
        line.error = QStringLiteral("A fizikai záráshoz mentés kell: --backup ARCHÍVUM");
        return line;
    }
    line.action = CommandLine::Action::Maintenance;
    return line;
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
    // A table tool reads the arguments after its option itself.
    static const QList<std::pair<QString, Action>> tools {{QStringLiteral("--import-dos"), Action::ImportDos},
        {QStringLiteral("--uvi-export"), Action::UviExport}, {QStringLiteral("--repair"), Action::Repair}};
    for (const auto &[option, action] : tools) {
        if (arguments.value(1) == option) {
            CommandLine line;
            line.action = action;
            line.toolArguments = arguments.mid(2);
            return line;
        }
    }
    // A maintenance mode is named first; its own arguments follow.
    if (arguments.size() > 1) {
        const QString first = arguments.at(1).section(QLatin1Char('='), 0, 0);
        if (first.startsWith(QStringLiteral("--")) && ArchiveCommand::modes().contains(first.mid(2)))
            return parseMaintenance(arguments, first.mid(2));
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
