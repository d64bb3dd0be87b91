#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QString>
#include <QVariantMap>

class QAbstractItemModel;

// What a report screen asks: the chosen year and dates, and the report's own filters by name.
struct ReportParameters
{
    int year = 0;
    QDate from; // the period's first day; also the single start date of a ration-sheet report
    QDate to;
    QDate date; // the key date of a single-date report
    QVariantMap filters;
};

// The logic of one report, without a window: parameters in, rows and totals out. The report
// screen runs it and shows the rows in its grid and the totals under it; the printout and the
// export read the same rows.
class ReportQuery
{
public:
    virtual ~ReportQuery() = default;

    // Empties the rows and fills them for the parameters; a refusal with the database's error
    // text when that failed.
    virtual Refusal run(const ReportParameters &parameters) = 0;
    virtual QAbstractItemModel *rows() = 0;
    // The totals line of the last run.
    virtual QString totals() const = 0;
};
