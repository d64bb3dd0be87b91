#include "store/CreateDatabaseCommand.h"

#include "store/DatabaseCreator.h"

// A message for the terminal: the message dialog's line breaks become newlines.
static QString forTerminal(const QString &message)
{
    return QString(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int runCreateDatabaseCommand(const QString &dir, QTextStream &in, QTextStream &out, QTextStream &err)
{
    if (dir.trimmed().isEmpty()) {
        err << QStringLiteral("Használat: salvia --create-database MAPPA") << Qt::endl
            << QStringLiteral("A bemenet hat sora: intézmény neve, irányítószám, település, cím, "
                              "rendszergazda felhasználóneve, jelszava.")
            << Qt::endl;
        return 2;
    }

    // Refuse an existing database before asking anything.
    DatabaseCreator::Result result = DatabaseCreator::checkDirectory(dir);
    if (!result.ok) {
        err << forTerminal(result.message) << Qt::endl;
        return 1;
    }

    QStringList lines;
    while (lines.size() < 6) {
        QString line;
        if (!in.readLineInto(&line))
            break;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines << line;
    }
    if (lines.size() < 6) {
        err << QStringLiteral("Hiányos bemenet: hat sor kell (intézmény neve, irányítószám, település, cím, "
                              "rendszergazda felhasználóneve, jelszava).")
            << Qt::endl;
        return 1;
    }

    const DatabaseCreator::Input input {lines.at(0), lines.at(1), lines.at(2), lines.at(3), lines.at(4), lines.at(5)};
    result = DatabaseCreator::create(dir, input);
    if (!result.ok) {
        err << forTerminal(result.message) << Qt::endl;
        return 1;
    }
    out << forTerminal(result.message) << Qt::endl;
    return 0;
}
