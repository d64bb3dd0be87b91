#pragma once

#include "printing/ui/Printout.h"
#include "printing/TableReportData.h"

#include <QDate>

// The printout of a record of proceedings: the title "Jegyzőkönyv", the text line by line
// (long lines wrap), then the place and date and the two signature lines.
class TqrpJegyzokonyv : public Printout
{
public:
    TqrpJegyzokonyv(
        const Settings &settings, Messenger &messenger, const QString &text, const QDate &date = QDate::currentDate());

    // CegVaros + ", " + the date as "yyyy.mm.dd".
    static QString dateLine(const QString &city, const QDate &date);

    // The text lines (12 point) and the place and date line.
    ReportElement *qrmSzoveg = nullptr;
    ReportElement *qrlDatum = nullptr;

private:
    TableReportData m_lines;
};
