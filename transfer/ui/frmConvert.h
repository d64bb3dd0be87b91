#pragma once

#include <QDialog>

class DatePrompt;
class FilePrompt;
class Messenger;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class Settings;
struct Services;

// "Adatbázis konverter": takes the DOS predecessor's materials, recipes, partners, ledger accounts
// and opening stock into the active warehouse (transfer/DosImport does the work).
class TfrmConvert : public QDialog
{
    Q_OBJECT

public:
    TfrmConvert(const Services &services, QWidget *parent = nullptr);

    // Shows the backup reminder, then the screen.
    void run();

    QLineEdit *Edit1 = nullptr;
    QPushButton *btnTallozas = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblTablename = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *btnIndit = nullptr;
    QPushButton *btnSugo = nullptr;
    QPushButton *btnMegse = nullptr;

    static QString reminderText();

private:
    void btnTallozasClick();
    void btnInditClick();

    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_files;
    DatePrompt &m_dates;
};
