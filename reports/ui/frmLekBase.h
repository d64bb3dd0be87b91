#pragma once

#include "printing/ui/Printout.h"

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

// The common frame of every report screen (TfrmLek...): the year list and period, "Indít",
// "&Nyomtat", "&Export", "&Súgó", "&Bezár", the read-only result grid and the totals panel.
// It runs the report's query under the progress notice, opens the printout after the printer
// check, exports the grid's rows as CSV and opens the help page.
//
// Deriving a report screen:
//  - pass the date controls it has (Dates) to the constructor; set the caption, relabel a date
//    where the report names it otherwise (lblDatum->setText("Leltár zárási dátuma:")) and put the
//    report's own filters into parameterLayout();
//  - runQuery(): read the dates and filters, fill the model behind the grid (a QSqlQueryModel with
//    bound parameters, or a work table), set pnlStatus, return the row count or the database's
//    error text; the frame shows the progress notice, detaches the grid and enables "&Nyomtat";
//  - resultModel(): that model; createPrintout(): the Tqrp... printout over the current rows
//    (a Printout subclass that owns its ModelReportData; ListReport builds list layouts);
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

    struct RunResult
    {
        int rows = 0;
        QString error; // the database's error text when the run failed
    };

    TfrmLekBase(
        Settings &settings, Messenger &messenger, FilePrompt &filePrompt, Dates dates, QWidget *parent = nullptr);
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
    // Empties and fills the result (the model behind DBGrid1) and sets pnlStatus.
    virtual RunResult runQuery() = 0;
    virtual QAbstractItemModel *resultModel() const = 0;
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

    void showEvent(QShowEvent *event) override;

private:
    void fillYears();
    void applyYear(int year);

    Dates m_dates;
    bool m_printAlways = false;
    QGridLayout *m_parameters;
    Printout::Previewer m_previewer;
};
