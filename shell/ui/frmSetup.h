#pragma once

#include "session/SetupPages.h"

#include <QDialog>

class FilePrompt;
class Messenger;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class Settings;
struct Services;

// The settings dialog "Program beállítások": six pages, each loading its keys from salvia.ini
// when shown and writing them with its own "&OK" (SetupPages decides what is written).
// Page 4 "Jelszavak" holds the users widget given by setUsersPage().
class TfrmSetup : public QDialog
{
    Q_OBJECT
public:
    enum Page { PageDefaults = 0, PagePrint = 1, PageCalc = 2, PageDialogs = 3, PageUsers = 4, PageOperation = 5 };

    // The file prompt of the services serves the two "..." buttons.
    explicit TfrmSetup(const Services &services, QWidget *parent = nullptr);

    // Shows the dialog modally on the given page; returns QDialog's result.
    int execPage(int page);
    // Selects and loads a page without running the dialog (execPage does this first).
    void openPage(int page);
    // Puts the users widget onto page 4, replacing an earlier one.
    void setUsersPage(QWidget *page);

signals:
    // "&Súgó": the help viewer opens the page ("setup.htm").
    void helpRequested(const QString &page);
    // Page 3's "&OK": the message dialog's symbol offset from now on (10 shaded, 0 flat).
    void symbolOffsetChanged(int offset);

private:
    QTabWidget *pgcSetup = nullptr;

    QLineEdit *edtPartnerAl = nullptr;
    QLineEdit *edtFokszamAl = nullptr;
    QLineEdit *edtMertegysAl = nullptr;
    QLineEdit *edtCsoportAl = nullptr;
    QLineEdit *edtAfaAl = nullptr;
    QLineEdit *edtVesztesegAl = nullptr;

    QLineEdit *edtLogoPath = nullptr;
    QPushButton *btnLogoPath = nullptr;
    QLabel *imgLogo = nullptr;
    QCheckBox *chkLablec = nullptr;
    QLineEdit *edtLab11 = nullptr;
    QLineEdit *edtLab12 = nullptr;
    QLineEdit *edtLab21 = nullptr;
    QLineEdit *edtLab22 = nullptr;
    QLineEdit *edtLab31 = nullptr;
    QLineEdit *edtLab32 = nullptr;
    QLineEdit *edtLab41 = nullptr;
    QLineEdit *edtLab42 = nullptr;
    QLineEdit *edtHetiLab = nullptr;

    QSpinBox *fleRecept = nullptr;
    QCheckBox *chkKiadAr = nullptr;

    QCheckBox *chk3D = nullptr;
    QCheckBox *chkNew = nullptr;
    QCheckBox *chkTetelMenny = nullptr;
    QCheckBox *chkModify = nullptr;
    QCheckBox *chkFormat = nullptr;

    QLineEdit *edtJegyzPath = nullptr;
    QPushButton *btnJegyzPath = nullptr;
    QLineEdit *edtMailaddr = nullptr;
    QLineEdit *edtNetDir = nullptr;
    QCheckBox *chkDisaLock = nullptr;
    QCheckBox *chkAutoLeltar = nullptr;
    QCheckBox *chkShowAFA = nullptr;
    QCheckBox *chkVerChk = nullptr;

    QWidget *buildDefaultsPage();
    QWidget *buildPrintPage();
    QWidget *buildCalcPage();
    QWidget *buildDialogsPage();
    QWidget *buildOperationPage();
    QLayout *buttonRow(int page, bool withCancel);

    void loadPage(int page);
    void okClicked(int page);
    void cancelClicked(int page);
    void finish(const Refusal &refusal);
    void loadLogoPreview();
    void chooseLogo();
    void chooseNoteFile();

    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_filePrompt;
    QWidget *m_usersHost = nullptr;
    QWidget *m_usersPage = nullptr;
};
