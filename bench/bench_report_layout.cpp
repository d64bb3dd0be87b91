// Lays out a list printout of generated rows (standard header, six columns, sums, row count)
// and prints one line per size: rows <N> seconds <S> peak_kb <K>. The peak is the process's
// resident high-water mark during that run.
#include "session/Settings.h"
#include "core/ScriptedMessenger.h"
#include "printing/ui/ListReport.h"
#include "printing/ui/Printout.h"
#include "printing/TableReportData.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void fill(TableReportData &data, int rows)
{
    data.setColumns({QStringLiteral("FokSzam"), QStringLiteral("NyilvSzam"), QStringLiteral("Megnevezes"),
        QStringLiteral("KeszletMenny"), QStringLiteral("Mertekegyseg"), QStringLiteral("NyilvAr"),
        QStringLiteral("KeszletErtek")});
    data.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const double quantity = (i % 997) * 0.125 + 1;
        const double price = (i % 313) * 3.25 + 10;
        data.addRow({QStringLiteral("%1").arg(100 + i % 900, 3, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0')),
            QStringLiteral("Nyersanyag megnevezése %1").arg(i), quantity, QStringLiteral("kg"), price,
            quantity * price});
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    Settings settings;
    settings.setIniPath(dir.filePath(QStringLiteral("salvia.ini")));
    settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    settings.setCegNev(QStringLiteral("Próba Intézmény"));
    ScriptedMessenger messenger;

    const QString money = QStringLiteral("###,###,##0.00 ");
    const QList<ListColumn> columns = {
        {QStringLiteral("Fők sz"), QStringLiteral("FokSzam"), 14},
        {QStringLiteral("Azonosító"), QStringLiteral("NyilvSzam"), 18},
        {QStringLiteral("Anyag megnevezése"), QStringLiteral("Megnevezes"), 62},
        {QStringLiteral("Készlet"), QStringLiteral("KeszletMenny"), 24, Qt::AlignRight, QStringLiteral("0.###"), {},
            true},
        {QStringLiteral("Mért.e."), QStringLiteral("Mertekegyseg"), 12},
        {QStringLiteral("Nyilvánt. ár"), QStringLiteral("NyilvAr"), 26, Qt::AlignRight, money},
        {QStringLiteral("Készlet érték"), QStringLiteral("KeszletErtek"), 34, Qt::AlignRight, money, {}, true},
    };

    QTextStream out(stdout);
    for (int rows : {1000, 10000, 100000}) {
        double seconds = 0;
        long peak = 0;
        {
            TableReportData data;
            fill(data, rows);
            resetPeak();
            QElapsedTimer timer;
            timer.start();
            Printout printout(settings, messenger);
            ListReport::build(printout, QStringLiteral("Anyagleltár"), columns, &data);
            printout.prepare();
            seconds = timer.nsecsElapsed() / 1e9;
            peak = peakKb();
        }
        out << "rows " << rows << " seconds " << QString::number(seconds, 'f', 3) << " peak_kb " << peak << Qt::endl;
    }
    return 0;
}
