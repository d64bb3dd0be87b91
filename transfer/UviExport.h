#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The UVI export for the external accounting system: six "|"-separated text files in
// Windows-1250 with CR LF line ends (movement types, partners, two empty invoice files, the
// vouchers of one accounting period and the period's head). Everything is checked before the
// first byte is written; the files are written as "*.part" and renamed into place together, so
// a failed export leaves none of them.
namespace UviExport {

// The institution's identifiers that name the files and head every file.
struct Identity
{
    QString cegAzon;
    QString bRendAz;
    QString egys;
    QString adosz;
    QString koteg; // the batch number, "001".."999"
};

// One accounting period (a row of Tablo).
struct Period
{
    QString tabloSzam;
    QDate nyitoDatum;
    QDate zaroDatum;
};

// The warehouse's periods in number order.
Checked<QList<Period>> periods(QSqlDatabase warehouse);

// Refused naming the field (its objectName) that cannot be used.
Refusal checkIdentity(const Identity &identity);
// The six file names in writing order: CegAzon + BRendAz + Egys + code + "." + Koteg.
QStringList fileNames(const Identity &identity);
// The files of this batch that already lie in `folder`.
QStringList existingFiles(const QString &folder, const Identity &identity);
// The batch number after `koteg`: "001" -> "002"; "999" is followed by "001".
QString nextBatch(const QString &koteg);
// A money amount with at most two decimals and no trailing zeros: "12.5", "3", "1234.57".
QString amountText(const Money &amount);

struct Request
{
    Identity identity;
    std::optional<Period> period;
    QString folder;
    QDate today;
    // Existing files of the batch are replaced only when the user agreed.
    bool overwrite = false;
};

// The files written (full names) and the batch number to store for the next export.
struct Result
{
    QStringList files;
    QString nextBatch;
};

// `status` receives the status memo's lines as each step runs.
Checked<Result> run(QSqlDatabase warehouse, const Request &request,
    const std::function<void(const QString &)> &status = {});

} // namespace UviExport
