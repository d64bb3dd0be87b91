#pragma once

#include "printing/PreparedReport.h"
#include "printing/Report.h"

#include <functional>

class FilePrompt;
class Messenger;
class QWidget;
class Settings;

// A printout object: a report definition with the program's standard page header and signature
// footer. It lays itself out into pages and shows them in the modal preview after the printer
// check. The signature footer's question is asked at most once in the life of the object, so a
// second layout keeps the first answer.
class Printout
{
public:
    using Previewer = std::function<void(const PreparedReport &pages, QWidget *parent)>;

    Printout(const Settings &settings, Messenger &messenger);
    virtual ~Printout();
    Printout(const Printout &) = delete;
    Printout &operator=(const Printout &) = delete;

    Report &report() { return m_report; }
    const Settings &settings() const { return m_settings; }
    Messenger &messenger() const { return m_messenger; }

    // The standard page header: the logo (LogoPath, when the file exists) at the top left, the
    // title in bold, "Oldal:" and the page number, the printing date and time, the owner line,
    // the user line and, when asked, the warehouse name. Returns the position (mm from the top
    // of the band) below which the report adds its own parameter lines; the band is that high
    // until the report raises it.
    double addStandardHeader(const QString &title, bool warehouseName = true);
    // The signature footer as the summary's child band: four columns of a dotted line over two
    // captions from the print settings, printed when the user asks for it.
    void addSignatureFooter();

    // Lays the report out; `error` gets the message of a required picture file that could not be
    // read.
    PreparedReport prepare(QString *error = nullptr);
    // The printer check, then the pages in the modal preview. A required picture file that cannot
    // be read stops the printout with its message instead; returns whether the preview was shown.
    bool preview(QWidget *parent, FilePrompt *prompt = nullptr);
    // Shows the pages in place of the modal preview (tests, windowless runs).
    void setPreviewer(Previewer previewer) { m_previewer = std::move(previewer); }

    static QString ownerLine(const Settings &settings);
    static QString userLine(const Settings &settings);
    static QString noPrinterMessage();
    static QString footerQuestion();

    // Heights of the standard bands, in millimetres.
    static constexpr double SignatureFooterHeight = 26;

private:
    bool signatureFooterWanted(ReportBand &band);

    const Settings &m_settings;
    Messenger &m_messenger;
    Report m_report;
    Previewer m_previewer;
    ReportElement *m_footerCaptions[8] = {};
    bool m_footerDecided = false;
    bool m_footerWanted = false;
};
