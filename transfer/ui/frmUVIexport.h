#pragma once

#include "transfer/UviExport.h"

#include <QDialog>

class FilePrompt;
class Messenger;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Settings;
struct Services;

// "ÜVI adat export": the institution's identifiers (kept in section UVI of the settings file as
// soon as a field is left), the accounting period, and the export of its six files.
class TfrmUVIexport : public QDialog
{
    Q_OBJECT

public:
    TfrmUVIexport(const Services &services, QWidget *parent = nullptr);

    QLineEdit *edtCegAzon = nullptr;
    QLineEdit *edtBRenAz = nullptr;
    QLineEdit *edtEgys = nullptr;
    QLineEdit *edtAdosz = nullptr;
    QLineEdit *edtKoteg = nullptr;
    QComboBox *dblTablo = nullptr;
    QPlainTextEdit *memStatus = nullptr;
    QPushButton *btnExport = nullptr;
    QPushButton *btnKilep = nullptr;

private:
    void FormCreate();
    void btnExportClick();

    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_files;
    QList<UviExport::Period> m_periods;
};
