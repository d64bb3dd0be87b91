#pragma once

#include "printing/ui/Printout.h"
#include "reports/ReportQuery.h"

#include <QDialog>
#include <memory>

class FilePrompt;
class Messenger;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableView;
class Settings;
struct Services;

// The common frame of every report screen (TfrmLek...): the year list and period, "Indít",
// "&Nyomtat", "&Export", "&Súgó", "&Bezár", the read-only result grid and the totals panel.
// It runs the report's query object (reports/: parameters in, rows and totals out) under the
// progress notice and shows its rows and totals, opens the printout after the printer check,
// exports the rows as CSV and opens the help page.
//
// Deriving a report screen:
//  - pass the date controls it has (Dates) and the report's query to the constructor; set the
//    caption, relabel a date where the report names it otherwise (lblDatum->setText("Leltár
//    zárási dátuma:")) and put the report's own filters into parameterLayout();
//  - parameters(): the frame's year and dates; a report with filters adds them by name;
//  - createPrintout(): the Tqrp... printout over query().rows() (a Printout subclass that owns
//    its ModelReportData; ListReport builds list layouts);
//  - helpPage() and exportFileName() from the report's table (no export name: no button);
//  - a screen without a grid hides DBGrid1 and calls setPrintAlwaysEnabled(true);
//  - a screen that follows the year (week or month lists) connects to cmbEv's
//    currentIndexChanged: the frame has set the dates and limits by the time it is called.
class TfrmLekBase : public QDialog
{
    Q_OBJECT
public:
    enum class Dates {
        YearPeriod, // cmbEv with dtpDatumtol and dtpDatumig limited to the chosen year
        YearDate, // cmbEv with the single key date dtpDatum
        WorkYear, // no year list: 1 January of the work year to today, without limits
        Date, // no year list, only dtpDatum (today)
        Year, // cmbEv alone, for a month or a week of the chosen year chosen by the report
        DateFrom, // no year list, only dtpDatumtol (today, without limits; the caller sets it)
        None,
    };

    TfrmLekBase(
        const Services &services, Dates dates, std::unique_ptr<ReportQuery> query, QWidget *parent = nullptr);
    ~TfrmLekBase() override;

    static QString progressText();

    // The standard controls (object names as the members).
    QComboBox *cmbEv = nullptr;
    QLabel *lblDatumtol = nullptr;
    QDateEdit *dtpDatumtol = nullptr;
    QLabel *lblDatumig = nullptr;
    QDateEdit *dtpDatumig = nullptr;
    QLabel *lblDatum = nullptr;
    QDateEdit *dtpDatum = nullptr;
    QPushButton *BitBtn1;
    QPushButton *btnNyomtat;
    QPushButton *btnExport;
    QPushButton *btnSugo;
    QPushButton *btnKilep;
    QTableView *DBGrid1;
    QLabel *pnlStatus;

    // Replaces the modal preview of the printouts (tests, windowless runs).
    void setPreviewer(Printout::Previewer previewer) { m_previewer = std::move(previewer); }
    // "&Nyomtat" enabled from the start and after every run, rows or not (reports that print
    // their result labels instead of a grid).
    void setPrintAlwaysEnabled(bool on);

public slots:
    void BitBtn1Click();
    void btnNyomtatClick();
    void btnExportClick();
    void btnSugoClick();
    void cmbEvChange();

protected:
    // What the query is run with: the chosen year and the dates of the frame's controls.
    virtual ReportParameters parameters() const;
    ReportQuery &query() const { return *m_query; }
    // Before a run: false leaves the shown result as it is (a run that would discard the user's
    // typing asks first).
    virtual bool runConfirmed() { return true; }
    // After a run that succeeded: a screen that shows more than the rows and totals updates it.
    virtual void runFinished() {}
    // The printout of the current result; the screen owns it until the preview closes.
    virtual std::unique_ptr<Printout> createPrintout() = 0;
    virtual QString helpPage() const = 0;
    // The file name the export proposes; empty: the report has no export.
    virtual QString exportFileName() const { return QString(); }

    // The grid where a report adds its own parameter controls, right of the dates.
    QGridLayout *parameterLayout() const { return m_parameters; }
    // The chosen year (the year list's text, else the work year).
    int selectedYear() const;

    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_filePrompt;
    const Services &m_services;

    void showEvent(QShowEvent *event) override;

private:
    void fillYears();
    void applyYear(int year);

    Dates m_dates;
    std::unique_ptr<ReportQuery> m_query;
    bool m_printAlways = false;
    QGridLayout *m_parameters;
    Printout::Previewer m_previewer;
};
