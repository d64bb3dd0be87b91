#include "maintenance/RepairCommand.h"

#include "maintenance/RepairDatabase.h"
#include "store/StatementWatchdog.h"
#include "store/CommandWarehouse.h"

int runRepairCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 2) {
        err << QStringLiteral("Használat: salvia --repair HELY RAKTÁR") << Qt::endl;
        return 1;
    }
    const auto opened = CommandWarehouse::open(arguments.at(0), arguments.at(1));
    Checked<RepairDatabase::Report> repaired;
    if (opened.ok()) {
        repaired = RepairDatabase::run(opened.value.db, opened.value.warehouse, StatementWatchdog::DefaultLimitMs,
            [](const QString &) {});
    } else {
        repaired.refusal = opened.refusal;
    }
    if (!repaired.ok()) {
        err << QString(repaired.refusal.text).replace(QLatin1Char('\r'), QLatin1Char(' ')) << Qt::endl;
        return 1;
    }
    for (const QString &line : repaired.value.lines)
        out << line << '\n';
    out.flush();
    return 0;
}
