#pragma once

#include "store/DatabaseCreator.h"

#include <QDialog>

class Messenger;
class QLabel;
class QLineEdit;
class QPushButton;

// First start on a directory without a database: asks the owner institution and the superuser's
// name and password, then creates the database. Refusals are shown through the Messenger and the
// dialog stays open on the field concerned.
class TfrmUjAdatbazis : public QDialog
{
    Q_OBJECT
public:
    TfrmUjAdatbazis(Messenger &messenger, const QString &dbPath, QWidget *parent = nullptr);

    // When dbPath holds no database, shows the dialog; true when a database is there afterwards
    // (it already was, or it has just been created), false when the user gave up.
    static bool createIfMissing(QWidget *parent, Messenger &messenger, const QString &dbPath);

    QLineEdit *edtCegNev = nullptr;
    QLineEdit *edtCegIrsz = nullptr;
    QLineEdit *edtCegVaros = nullptr;
    QLineEdit *edtCegCim = nullptr;
    QLineEdit *edtUserName = nullptr;
    QLineEdit *edtPassword = nullptr;
    QLineEdit *edtPassword2 = nullptr;
    QLabel *lblHely = nullptr;
    QPushButton *btnRogzit = nullptr;
    QPushButton *btnMegse = nullptr;

private slots:
    void btnRogzitClick();

private:
    void refuse(const Refusal &refusal);

    Messenger &m_messenger;
    QString m_dbPath;
};
