#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Recept azonosító": asks the code of a recipe copy, offering the lowest free one.
class TfrmTallozasReceptEdit : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmTallozasReceptEdit(const QString &offered, QWidget *parent = nullptr);

    QLineEdit *edtAzonosito;
    QPushButton *btnOK;
};
