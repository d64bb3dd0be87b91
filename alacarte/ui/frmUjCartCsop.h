#pragma once

#include "widgets/UiEditDialog.h"

#include <QSqlDatabase>

class QLineEdit;

// Edit dialog of one dish group: the code (new groups only) and the name.
class TfrmUjCartCsop : public UiEditDialog
{
    Q_OBJECT
public:
    TfrmUjCartCsop(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    void setNewMode();
    void setChangeMode(const QString &code, const QString &name);
    // The code of the group saved last.
    QString savedCode() const { return m_saved; }

    QLineEdit *edtFokszam;
    QLineEdit *edtMegnev;

private:
    void record() override;

    QSqlDatabase m_db;
    QString m_saved;
};
