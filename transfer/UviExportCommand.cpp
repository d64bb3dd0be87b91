#include "transfer/UviExportCommand.h"

#include "session/Settings.h"
#include "store/CommandWarehouse.h"
#include "transfer/UviExport.h"

#include <QDir>

namespace {

int refuse(QTextStream &err, QString text)
{
    err << text.replace(QLatin1Char('\r'), QLatin1Char(' ')) << Qt::endl;
    return 1;
}

} // namespace

int runUviExportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList positional;
    QDate today = QDate::currentDate();
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--today")) {
            today = QDate::fromString(arguments.value(++i), QStringLiteral("yyyyMMdd"));
            if (!today.isValid())
                return refuse(err, QStringLiteral("A --today után ÉÉÉÉHHNN alakú dátum kell."));
        } else if (arguments.at(i).startsWith(QLatin1String("--"))) {
            return refuse(err, QStringLiteral("Ismeretlen kapcsoló: ") + arguments.at(i));
        } else {
            positional << arguments.at(i);
        }
    }
    if (positional.size() != 4)
        return refuse(err, QStringLiteral("Használat: salvia --uvi-export HELY RAKTÁR TABLÓSZÁM MAPPA [--today ÉÉÉÉHHNN]"));
    const auto opened = CommandWarehouse::open(positional.at(0), positional.at(1));
    if (!opened.ok())
        return refuse(err, opened.refusal.text);
    const auto periods = UviExport::periods(opened.value.db);
    if (!periods.ok())
        return refuse(err, periods.refusal.text);

    Settings settings;
    settings.setProgramPath(QDir::currentPath());
    UviExport::Request request;
    request.identity = {settings.cegAzon(), settings.bRendAz(), settings.egys(), settings.adosz(), settings.koteg()};
    for (const UviExport::Period &period : periods.value) {
        if (period.tabloSzam == positional.at(2))
            request.period = period;
    }
    if (!request.period)
        return refuse(err, QStringLiteral("Nincs ilyen tabló: ") + positional.at(2));
    request.folder = positional.at(3);
    request.today = today;
    const auto exported = UviExport::run(opened.value.db, request);
    if (!exported.ok())
        return refuse(err, exported.refusal.text);
    settings.setKoteg(exported.value.nextBatch);
    for (const QString &file : exported.value.files)
        out << QDir::toNativeSeparators(file) << '\n';
    out.flush();
    return 0;
}
