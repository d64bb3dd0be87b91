#pragma once

#include "widgets/UiEditDialog.h"

#include <QSqlDatabase>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Recipe header edit screen: "Új recept felvitele" (stays open for the next recipe) or
// "Recept módosítása" (closes after recording).
class TfrmUjRecept : public UiEditDialog
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

private:
    void record() override;
    void clearForNext();

    QSqlDatabase m_db;
    QString m_lastAdded;
};
