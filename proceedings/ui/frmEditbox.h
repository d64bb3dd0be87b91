#pragma once

#include "printing/ui/Printout.h"

#include <QDialog>

class FilePrompt;
class Messenger;
class QPlainTextEdit;
class QPushButton;
class Settings;
struct Services;

// The text editor for records of proceedings: opens with the file of JegyzPath, loads and
// saves text files (Windows-1250) in ProgramPath/szovegek and prints the text as a record.
class TfrmEditbox : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmEditbox(const Services &services, QWidget *parent = nullptr);

    static QString fileFilter();
    static QString baseCaption();
    // Asked when the editor is closed with unsaved changes.
    static QString unsavedQuestionText();

    QPlainTextEdit *memJegyzokonyv;
    QPushButton *btnMegnyit;
    QPushButton *btnMent;
    QPushButton *btnNyomtat;
    QPushButton *btnSugo;
    QPushButton *btnKilep;

    bool isModified() const { return m_modified; }
    // Replaces the modal preview of the printout (tests, windowless runs).
    void setPreviewer(Printout::Previewer previewer) { m_previewer = std::move(previewer); }

public slots:
    void btnMegnyitClick();
    void btnMentClick();
    void btnNyomtatClick();
    void btnSugoClick();
    void memJegyzokonyvChange();
    // "&Bezár", Escape and the close box: with unsaved changes, asks whether to save them first.
    void reject() override;

private:
    void FormCreate();
    bool loadFile(const QString &path);
    QString textFolder() const;

    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_filePrompt;
    bool m_modified = false;
    QString m_openedName; // the file shown in the caption
    QString m_savedName; // the name last chosen in the save dialog
    Printout::Previewer m_previewer;
};
