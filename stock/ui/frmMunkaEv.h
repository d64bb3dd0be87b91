#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// Work-year dialog "Aktív munkaév beállítása". It cannot be closed until its "OK" has been
// accepted: in showing mode "OK" simply closes, in opening mode the year goes to a handler that
// decides (and writes) before the dialog may close.
class TfrmMunkaEv : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmMunkaEv(QWidget *parent = nullptr);

    // Showing mode: the year read-only; "OK" closes.
    void showYear(const QString &message, const QString &year);
    // Opening mode: the proposed year editable; each "OK" calls accept with the typed text and
    // closes only when it returns true. A refused year is editable again under the message.
    void askYear(const QString &message, const QString &proposedYear, std::function<bool(const QString &)> accept);
    // While the handler works: the year read-only, a new message.
    void showOpeningMessage(const QString &message);

    QLabel *lblUzenet;
    QLabel *lblAktivEv;
    QLineEdit *edtDatum;
    QPushButton *btnOK;

public slots:
    void reject() override;

private:
    void btnOKClick();

    std::function<bool(const QString &)> m_accept;
    QString m_message;
    bool m_mayClose = false;
    bool m_busy = false;
};
