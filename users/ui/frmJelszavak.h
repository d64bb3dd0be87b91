#pragma once

#include <QWidget>
#include <functional>

class Messenger;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Settings;
struct Services;

// The users page "Jelszavak" of the settings dialog: change a password, delete a user, create a
// user. Users of level 1 and 5 manage every user; others can only change their own password.
class TfrmJelszavak : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmJelszavak(const Services &services, QWidget *parent = nullptr);

    // Called when the logged-in user deleted the own login: ends the program without the exit
    // question (the main window turns its ask-on-exit flag off and closes).
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // Fills the page for the logged-in user and enables it by the access level; runs whenever the
    // page is shown.
    void preparePage();

signals:
    // "&OK": the settings dialog closes.
    void closeRequested();
    // "&Súgó": the help viewer opens this page.
    void helpRequested(const QString &page);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void edtUserNameChange(const QString &text);
    void btnModositClick();
    void btnTorolClick();
    void btnLetrehozClick();

    Settings &m_settings;
    Messenger &m_messenger;
    std::function<void()> m_endProgram;

    QLineEdit *edtUserName;
    QLineEdit *edtOldPass;
    QLineEdit *edtNewPass;
    QLineEdit *edtNewPass2;
    QLabel *lblSecur;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QLineEdit *edtNewUserName;
    QLineEdit *edtNewPas1;
    QLineEdit *edtNewPas2;
    QRadioButton *rbRoot;
    QRadioButton *rbAdmin;
    QRadioButton *rbUser;
    QPushButton *btnLetrehoz;
    QPushButton *btnOK;
    QPushButton *btnSugo;
};
