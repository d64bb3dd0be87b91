#include "maintenance/ArchiveCommand.h"

#include "maintenance/Backup.h"
#include "maintenance/MonthClosing.h"
#include "maintenance/PhysicalClosing.h"
#include "maintenance/Restore.h"
#include "maintenance/YearClosing.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/TableDump.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// A refusal's text on one line.
int refuse(QTextStream &err, const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    err << line << Qt::endl;
    return 1;
}

QString commandUser()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("parancssor") : user;
}

// The location must hold a whole database: a restore or a closing never creates one by opening it.
QString locationProblem(const QString &location)
{
    const DatabaseCreator::Inspection found = DatabaseCreator::inspect(location);
    if (found.state == DatabaseCreator::State::Complete)
        return QString();
    return QStringLiteral("Ezen a helyen nincs teljes Salvia adatbázis: ") + location
        + (found.detail.isEmpty() ? QString() : QStringLiteral(" (") + found.detail + QLatin1Char(')'));
}

int warehouseArgument(const QString &text)
{
    bool ok = false;
    const int warehouse = text.toInt(&ok);
    return ok && warehouse >= 1 && warehouse <= Database::WarehouseCount ? warehouse : 0;
}

} // namespace

QStringList ArchiveCommand::modes()
{
    return {QStringLiteral("backup"), QStringLiteral("restore"), QStringLiteral("check-archive"), QStringLiteral("dump"),
        QStringLiteral("close-month"), QStringLiteral("close-year"), QStringLiteral("physical-close")};
}

int ArchiveCommand::valueCount(const QString &mode)
{
    static const QList<int> counts {2, 2, 1, 1, 3, 2, 3};
    const qsizetype index = modes().indexOf(mode);
    return index < 0 ? -1 : counts.at(index);
}

int ArchiveCommand::run(const QString &programPath, QTextStream &out, QTextStream &err) const
{
    if (mode == QLatin1String("check-archive")) {
        const Checked<ArchiveKind> checked = Restore::check(values.at(0), QDir::tempPath());
        if (!checked.ok())
            return refuse(err, checked.refusal.text);
        out << (checked.value == ArchiveKind::Full ? QStringLiteral("Ép mentés: a teljes adatbázis.")
                                                   : QStringLiteral("Ép mentés: egy raktár."))
            << Qt::endl;
        return 0;
    }

    const QString location = values.at(0);
    if (const QString problem = locationProblem(location); !problem.isEmpty())
        return refuse(err, problem);

    if (mode == QLatin1String("backup")) {
        if (const Refusal refused = Backup::write(location, warehouse, values.at(1)))
            return refuse(err, refused.text);
        out << QStringLiteral("A mentés elkészült és ellenőrizve: ") << values.at(1) << Qt::endl;
        return 0;
    }
    if (mode == QLatin1String("restore")) {
        Restore::Request request;
        request.location = location;
        request.warehouse = warehouse;
        request.archive = values.at(1);
        request.safetyArchive = QDir(programPath).filePath(QStringLiteral("Backup/DBBackup.zip"));
        if (const Refusal refused = Restore::run(request))
            return refuse(err, refused.text);
        out << Restore::successText() << Qt::endl;
        return 0;
    }
    if (mode == QLatin1String("dump")) {
        QString error;
        const QByteArray text = TableDump::dump(location, warehouse, &error);
        if (text.isEmpty())
            return refuse(err, QStringLiteral("Az adatbázis nem olvasható: ") + error);
        out << QString::fromUtf8(text);
        out.flush();
        return 0;
    }

    const int number = warehouseArgument(values.at(1));
    if (number == 0)
        return refuse(err, QStringLiteral("Hibás raktárszám: ") + values.at(1));
    QSqlDatabase db = Database::warehouse(location, number);
    if (mode == QLatin1String("close-month")) {
        const QDate month = QDate::fromString(values.at(2) + QStringLiteral("-01"), Qt::ISODate);
        if (!month.isValid())
            return refuse(err, QStringLiteral("Hibás hónap (ÉÉÉÉ-HH): ") + values.at(2));
        const Checked<QDate> closed = MonthClosing::close(db, month.year(), month.month(), commandUser());
        if (!closed.ok())
            return refuse(err, closed.refusal.text);
        out << MonthClosing::successText() << Qt::endl;
        return 0;
    }
    if (mode == QLatin1String("close-year")) {
        const int year = YearClosing::activeYear(db);
        if (year == 0)
            return refuse(err, YearClosing::notActiveText());
        if (const Refusal refused = YearClosing::close(db, year, commandUser()))
            return refuse(err, refused.text);
        out << QStringLiteral("Az évzárás befejeződött. A következő induláskor automatikus évnyitás lesz.") << Qt::endl;
        return 0;
    }
    // physical-close
    const QDate date = QDate::fromString(values.at(2), Qt::ISODate);
    if (!date.isValid())
        return refuse(err, QStringLiteral("Hibás dátum (ÉÉÉÉ-HH-NN): ") + values.at(2));
    if (backupArchive.isEmpty())
        return refuse(err, QStringLiteral("A fizikai záráshoz mentés kell: --backup ARCHÍVUM"));
    if (const Refusal refused = Backup::write(location, number, backupArchive))
        return refuse(err, PhysicalClosing::backupFailedText() + QLatin1Char(' ') + refused.text);
    const Checked<PhysicalClosing::Outcome> closed = PhysicalClosing::close(db, date, commandUser(), false);
    if (!closed.ok())
        return refuse(err, closed.refusal.text);
    if (const Refusal refused = PhysicalClosing::compact(db, number))
        return refuse(err, refused.text);
    out << PhysicalClosing::doneText().replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;
    return 0;
}
