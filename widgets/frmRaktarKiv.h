#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Warehouse choice dialog "Raktár kiválasztása".
class TfrmRaktarKiv : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRaktarKiv(QWidget *parent = nullptr);

    // Fills the list and selects the first entry.
    void setNames(const QStringList &names);
    // Shows the dialog modally: the selected position from 0, or -1 when it was closed without "OK".
    int choose();

    QLabel *lblRaktar;
    QComboBox *comRaktar;
    QPushButton *btnOK;
};
