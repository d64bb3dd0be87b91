#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

// Date prompt "Dátum bekérés": one label set by the caller and a date picker starting today.
class TfrmDatum : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDatum(QWidget *parent = nullptr);

    void setLabel(const QString &text);
    // Shows the prompt modally starting on `proposed` (today when invalid): the picked date, or
    // 1 January 1900 when it was closed without "OK".
    QDate askDate(const QDate &proposed = QDate());

    QLabel *lblDatum;
    QDateEdit *dtpDatum;
    QPushButton *btnOK;
};
