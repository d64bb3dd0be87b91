#include "transfer/DosImportCommand.h"

#include "session/OwnerValues.h"
#include "session/Settings.h"
#include "store/CommandWarehouse.h"
#include "store/Database.h"
#include "transfer/DosImport.h"

namespace {

int refuse(QTextStream &err, QString text)
{
    err << text.replace(QLatin1Char('\r'), QLatin1Char(' ')) << Qt::endl;
    return 1;
}

} // namespace

int runDosImportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err, const QDate &today)
{
    QStringList positional;
    QString openingDate;
    QString only;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--opening-date") || argument == QLatin1String("--only")) {
            if (i + 1 >= arguments.size())
                return refuse(err, QStringLiteral("Hiányzó érték a kapcsoló után: ") + argument);
            (argument == QLatin1String("--only") ? only : openingDate) = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return refuse(err, QStringLiteral("Ismeretlen kapcsoló: ") + argument);
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 3)
        return refuse(err, QStringLiteral("Használat: salvia --import-dos HELY RAKTÁR FORRÁSMAPPA --opening-date "
                                          "ÉÉÉÉ-HH-NN [--only anyag,recept,partner,fokszam,nyito]"));

    DosImport::Request request;
    request.folder = positional.at(2);
    if (only.isEmpty()) {
        request.parts = DosSources::allParts();
    } else {
        for (const QString &name : only.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool known = false;
            for (DosSources::Part part : DosSources::allParts()) {
                if (DosSources::commandName(part) == name.trimmed()) {
                    request.parts << part;
                    known = true;
                }
            }
            if (!known)
                return refuse(err, QStringLiteral("Ismeretlen importálandó rész: ") + name);
        }
    }
    const bool opening = request.parts.contains(DosSources::Part::OpeningStock);
    if (opening && openingDate.isEmpty())
        return refuse(err, QStringLiteral("A nyitókészlethez meg kell adni a nyitótétel dátumát (--opening-date)."));
    request.openingDate = QDate::fromString(openingDate, Qt::ISODate);

    const auto opened = CommandWarehouse::open(positional.at(0), positional.at(1));
    if (!opened.ok())
        return refuse(err, opened.refusal.text);
    Settings settings;
    if (!OwnerValues::read(Database::shared(positional.at(0)), settings))
        return refuse(err, QStringLiteral("A tulajdonos intézmény adatai nem olvashatók."));
    request.workYear = opened.value.workYear;
    request.user = QStringLiteral("parancssor");
    request.settings = &settings;
    request.today = today;
    request.lockKey = opened.value.warehouse;

    const auto imported = DosImport::run(opened.value.db, request);
    if (!imported.ok())
        return refuse(err, imported.refusal.text);
    out << QString(DosImport::successText(imported.value)).replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
    for (const Refusal &notice : DosImport::notices(imported.value))
        out << QString(notice.text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << '\n';
    out.flush();
    return 0;
}
