#pragma once

#include <QDialog>

class Messenger;
class QPushButton;
class QTextBrowser;
class QUrl;

// The help viewer "Súgó": HTML pages of the help folder with back, contents, forward and print.
class TfrmHelp : public QDialog
{
    Q_OBJECT
public:
    TfrmHelp(const QString &helpFolder, Messenger &messenger, QWidget *parent = nullptr);

    // Shows a page of the help folder (a file name such as "setup.htm", optionally with
    // "#anchor"). A missing page gives the warning and leaves the view as it was.
    bool openPage(const QString &page);

    // File name of the page shown, empty before the first.
    QString currentPage() const;

protected:
    // Opened over a small dialog near the bottom of the screen, the viewer would be centred on
    // that dialog and reach past the screen's edge: it is kept inside the screen.
    void showEvent(QShowEvent *event) override;

private slots:
    void btnBackwardClick();
    void btnHomeClick();
    void btnForwardClick();
    void btnNyomtatClick();
    void brwHtmlAnchorClicked(const QUrl &link);

private:
    QString m_folder;
    Messenger &m_messenger;
    QPushButton *btnBackward;
    QPushButton *btnHome;
    QPushButton *btnForward;
    QPushButton *btnNyomtat;
    QPushButton *btnBezar;
    QTextBrowser *brwHtml;
};
