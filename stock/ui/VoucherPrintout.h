#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "stock/VoucherPrintRows.h"

#include <QDate>

class FilePrompt;

// The common layout of the receipt and issue voucher printouts, A4 portrait: the standard page
// header with the date range, the column captions, per voucher a header line (running number of
// the voucher in the printout, number, date, movement type, partner, voucher running number), one
// line per item and the voucher's totals, then the totals of the whole printout. The totals are
// the exact sums of the rows, not sums of printed numbers.
class VoucherPrintout : public Printout
{
public:
    enum class Kind { Receipt, Issue };

    const VoucherPrintRows &rows() const { return m_rows; }

    // "Dátumtartomány: " and the day, or the first and the last day of a period.
    static QString dateRange(const QDate &from, const QDate &to);
    static QString receivedLine();

    // Prints one voucher of a direction ("BE" or "KI") with the printout of that direction:
    // printer check, then the preview (or `previewer`). A database error is shown instead;
    // returns whether the pages were shown.
    static bool printVoucher(const Settings &settings, Messenger &messenger, QSqlDatabase warehouse,
        const QString &direction, const QString &bizSzam, const QDate &datum, QWidget *parent, FilePrompt *prompt,
        const Previewer &previewer = {});

protected:
    VoucherPrintout(const Settings &settings, Messenger &messenger, Kind kind, VoucherPrintRows rows, const QDate &from,
        const QDate &to);

private:
    void fillData();
    void layOut(Kind kind, const QString &period);
    const VoucherPrintRows::Voucher &voucherOf(const ReportContext &context) const;

    VoucherPrintRows m_rows;
    TableReportData m_data;
};
