#include "store/CreateDatabaseCommand.h"

#include "store/DatabaseCreator.h"

#include <QStringDecoder>

// A message for the terminal: the message dialog's line breaks become newlines.
static QString forTerminal(const QString &message)
{
    return QString(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

static QString linesText()
{
    return QStringLiteral("intézmény neve, irányítószám, település, cím, rendszergazda felhasználóneve, jelszava");
}

int runCreateDatabaseCommand(const QString &location, QIODevice &in, QTextStream &out, QTextStream &err)
{
    if (location.trimmed().isEmpty()) {
        err << QStringLiteral("Használat: salvia --create-database MAPPA vagy postgresql://...") << Qt::endl
            << QStringLiteral("A bemenet hat sora: ") << linesText() << QStringLiteral(".") << Qt::endl;
        return 2;
    }

    // Refuse an existing database (or an unreachable server) before reading anything.
    if (const Refusal refusal = DatabaseCreator::checkDirectory(location)) {
        err << forTerminal(refusal.text) << Qt::endl;
        return 1;
    }

    // Six lines, read one by one (a terminal gives them as they are typed) and each bounded, so a
    // runaway input cannot fill the memory.
    constexpr qint64 MaxLine = 16 * 1024;
    QStringList lines;
    while (lines.size() < 6) {
        QByteArray line = in.readLine(MaxLine + 2); // at most MaxLine + 1 bytes: one more than allowed
        if (line.isEmpty())
            break;
        if (line.size() > MaxLine && !line.endsWith('\n')) {
            err << QStringLiteral("Túl hosszú bemenet: hat rövid sor kell (") << linesText() << QStringLiteral(").")
                << Qt::endl;
            return 1;
        }
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(line);
        // A password in another encoding would be stored as replacement characters that nobody
        // can type at the login.
        if (decoder.hasError()) {
            err << QStringLiteral("A bemenet %1. sora nem érvényes UTF-8 szöveg. Állítsa a terminál vagy a fájl "
                                  "kódolását UTF-8-ra, és próbálja újra; az adatbázis nem jött létre.")
                       .arg(lines.size() + 1)
                << Qt::endl;
            return 1;
        }
        lines << text;
    }
    if (lines.size() < 6) {
        err << QStringLiteral("Hiányos bemenet: hat sor kell (") << linesText() << QStringLiteral(").") << Qt::endl;
        return 1;
    }

    const DatabaseCreator::Input input {lines.at(0), lines.at(1), lines.at(2), lines.at(3), lines.at(4), lines.at(5)};
    const Checked<QString> created = DatabaseCreator::create(location, input);
    if (!created.ok()) {
        err << forTerminal(created.refusal.text) << Qt::endl;
        return 1;
    }
    out << forTerminal(created.value) << Qt::endl;
    return 0;
}
