#pragma once

#include "printing/ui/Printout.h"

class FilePrompt;
class Messenger;
class QWidget;

// The saved-printout viewer: an empty printout (A4 portrait, no bands) that takes the pages of
// a .qrp file and shows them in the preview, from which they can be printed again.
class TqrpOffline
{
public:
    TqrpOffline(Messenger &messenger, FilePrompt &prompt);

    // Asks for the file (starting in folder()); nothing happens when the dialog is
    // cancelled or the file does not exist. A file that cannot be read is refused with a
    // message. Returns true when the pages were shown.
    bool run(QWidget *parent);
    bool load(const QString &path);

    const PreparedReport &pages() const { return m_pages; }
    void setPreviewer(Printout::Previewer previewer) { m_previewer = std::move(previewer); }

    static QString fileFilter();
    // Where the preview proposes to save printouts and where this viewer looks for them: the
    // working directory, which is the program directory.
    static QString folder();

private:
    Messenger &m_messenger;
    FilePrompt &m_prompt;
    PreparedReport m_pages;
    Printout::Previewer m_previewer;
};
