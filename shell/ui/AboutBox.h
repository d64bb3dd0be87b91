#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QUrl;
class Settings;

// The about box "Névjegy": program version, owner institution, distributor.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(const Settings &settings, QWidget *parent = nullptr);

    // How a clicked web or mail address is opened; the default browser and mail program unless
    // replaced (tests).
    void setUrlOpener(std::function<void(const QUrl &)> opener) { m_openUrl = std::move(opener); }

    // The mail link: a new message to the support address with the product in the subject.
    static QUrl mailLink();

private slots:
    void lblWebLinkActivated();
    void lblMailLinkActivated();

private:
    std::function<void(const QUrl &)> m_openUrl;
    QLabel *imgLogo;
    QLabel *lblVer;
    QLabel *lblNev;
    QLabel *lblCim;
    QLabel *lblTerjeszto;
    QLabel *lblTerjCim;
    QLabel *lblTelefon;
    QLabel *lblFax;
    QLabel *lblWeb;
    QLabel *lblMail;
    QLabel *lblManager;
    QPushButton *btnOK;
};
