#pragma once

#include "session/Services.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Programhiba riport varázsló": the user's description goes into the log hiba.txt ("&Kész"), the
// log is copied to a chosen file ("M&entés") or sent to the vendor ("E-mail") after the contact
// dialog and the confirmation of what leaves.
class TfrmHibariport : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmHibariport(const Services &services, QWidget *parent = nullptr);

    QPlainTextEdit *memJelenseg;
    QLabel *Label8;
    QPushButton *btnKesz;
    QPushButton *btnNetSend;
    QPushButton *btnSave;
    QPushButton *btnBezar;

private:
    void btnKeszClick();
    void btnSaveClick();
    void btnNetSendClick();
    bool recordDescription(bool quiet);
    void showCount();
    QString logPath() const;

    Services m_services;
};
