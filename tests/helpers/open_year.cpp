// A second copy of the program, as far as the year opening goes: opens `year` in one warehouse of
// a database, on a signal from its standard input, and prints how it went. Tests start two of
// them at once against one warehouse.
// usage: salvia_open_year LOCATION WAREHOUSE YEAR USER
#include "core/ScriptedMessenger.h"
#include "stock/YearOpening.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    QTextStream out(stdout);
    YearOpening opening(Database::warehouse(args.at(1), args.at(2).toInt()));
    if (!opening.check(args.at(3)).ok()) {
        out << "refused" << Qt::endl;
        return 1;
    }
    out << "ready" << Qt::endl;
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    in.readLine();

    ScriptedMessenger messenger;
    const Checked<int> written = opening.open(args.at(3).toInt(), args.at(4), messenger);
    if (written.ok()) {
        out << "opened" << Qt::endl;
        return 0;
    }
    if (YearOpening::isOpenedElsewhere(written.refusal)) {
        out << "already open" << Qt::endl;
        return 0;
    }
    out << "failed: " << written.refusal.text << Qt::endl;
    return 1;
}
