#pragma once

#include "printing/PreparedReport.h"

#include <QDialog>
#include <functional>

class FilePrompt;
class Messenger;
class PreviewPage;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

// The modal preview of prepared pages: page by page with zoom; prints them (through the
// platform's print dialog), saves them as a .qrp file or writes them as a PDF file.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    // Sets up the printer (the print dialog on screen); false when the user cancelled.
    using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;

    ReportPreview(
        const PreparedReport &report, Messenger &messenger, FilePrompt *prompt = nullptr, QWidget *parent = nullptr);

    void setPrinterChooser(PrinterChooser chooser) { m_chooser = std::move(chooser); }

    int currentPage() const { return m_page; }
    int pageCount() const { return int(m_report.pages.size()); }
    void showPage(int page);

    void printPages();
    void savePages();
    void writePdf();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The zoom follows the size of the view, known only once the dialog is laid out and shown.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyZoom();
    QString askSaveName(const QString &caption, const QString &filter, const QString &suffix);

    const PreparedReport &m_report;
    Messenger &m_messenger;
    FilePrompt *m_prompt;
    PrinterChooser m_chooser;
    int m_page = 0;

    PreviewPage *m_canvas;
    QScrollArea *m_scroll;
    QPushButton *btnFirst;
    QPushButton *btnPrev;
    QPushButton *btnNext;
    QPushButton *btnLast;
    QLabel *lblPage;
    QComboBox *cmbZoom;
    QPushButton *btnPrint;
    QPushButton *btnSave;
    QPushButton *btnPdf;
    QPushButton *btnKilep;
};
