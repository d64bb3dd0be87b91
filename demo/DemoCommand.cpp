#include "demo/DemoCommand.h"

#include "demo/DemoDatabase.h"

static QString forTerminal(const QString &message)
{
    return QString(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int runDemoCommand(
    const QString &location, QTextStream &out, QTextStream &err, const DemoKitchen::Size &size, const QDate &today)
{
    bool lineOpen = false;
    const auto progress = [&](const QDate &day, int done, int total) {
        const QString text = day.isValid() ? QStringLiteral("Bemutató adatok: %1 ... %2/%3 nap")
                                                 .arg(day.toString(QStringLiteral("yyyy.MM.dd")))
                                                 .arg(done)
                                                 .arg(total)
                                           : QStringLiteral("Bemutató adatok: törzsadatok ...");
        // One line, written over: the padding clears a longer line before it.
        err << '\r' << text.leftJustified(48) << Qt::flush;
        lineOpen = true;
    };
    const Checked<QString> result = DemoDatabase::build(location, size, today, progress);
    if (lineOpen)
        err << Qt::endl;
    if (!result.ok()) {
        err << forTerminal(result.refusal.text) << Qt::endl;
        return 1;
    }
    out << forTerminal(result.value) << Qt::endl;
    return 0;
}
