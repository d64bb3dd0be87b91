#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Recipe header edit screen: "Új recept felvitele" (stays open for the next recipe) or
// "Recept módosítása" (closes after recording).
class TfrmUjRecept : public QDialog
{
    Q_OBJECT
public:
    TfrmUjRecept(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    void setNewMode();
    void setChangeMode(const QString &code);
    // The code of the last recipe recorded in new mode.
    QString lastAdded() const { return m_lastAdded; }

    QLineEdit *edtEtelKod;
    QLineEdit *edtMegnevezes;
    QComboBox *dbcEnorma;
    QComboBox *dbcValtAzon;
    QPlainTextEdit *memLeiras;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

private:
    void btnRogzitClick();
    void clearForNext();

    const Services &m_services;
    QSqlDatabase m_db;
    bool m_change = false;
    QString m_lastAdded;
};
