#pragma once

#include "reports/NutrientNorm.h"

#include <QDialog>
#include <QSqlDatabase>

class Messenger;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
struct Services;

// "Tápanyag előírások": the norms of the age groups. Left the age groups; right the chosen one's
// name and, per food group and per nutrient, the daily minimum and maximum of one person. An
// empty cell is no norm; a maximum of 0 means no maximum.
class TfrmTapRendelet : public QDialog
{
    Q_OBJECT
public:
    TfrmTapRendelet(const Services &services, QSqlDatabase warehouse, const QString &ageGroup, QWidget *parent = nullptr);

    QListWidget *lbxKorcsoport;
    QLineEdit *edtMegnevezes;
    QTableWidget *tblEloiras;
    QPushButton *btnFelvitel;
    QPushButton *btnRogzit;
    QPushButton *btnTorol;
    QPushButton *btnSugo;
    QPushButton *btnKilep;

    void btnFelvitelClick();
    void btnRogzitClick();
    void btnTorolClick();

private:
    void reload(const QString &select);
    void showNorm(const QString &ageGroup);
    // The norm as typed; a refusal names the first cell that holds no number.
    Checked<NutrientNorm> typedNorm() const;

    const Services &m_services;
    Messenger &m_messenger;
    QSqlDatabase m_db;
    QStringList m_suffixes;
    QString m_shown; // the age group being edited; empty for a new one
};
