#pragma once

#include "reports/ReportQuery.h"

#include <QSqlDatabase>
#include <QWidget>

class Messenger;
class QCheckBox;
class QComboBox;
class Settings;

// The filter panel of the two usage screens: ledger account, register-number range over the
// account's materials, movement-type and partner ranges, and the optional material group and VAT
// code, each starting where the settings say.
class UsageFilterPanel : public QWidget
{
    Q_OBJECT
public:
    UsageFilterPanel(QSqlDatabase warehouse, const Settings &settings, Messenger &messenger, QWidget *parent = nullptr);

    QComboBox *dblcFokszam;
    QComboBox *dblcAnyagtol;
    QComboBox *dblcAnyagig;
    QComboBox *dblcMozgnemtol;
    QComboBox *dblcMozgnemig;
    QComboBox *dblcPartnertol;
    QComboBox *dblcPartnerig;
    QCheckBox *chkAcsop;
    QComboBox *dblcAcsop;
    QCheckBox *chkAFA;
    QComboBox *dblcAFA;

    // The panel's values as UsageFilter's filters.
    void addFilters(ReportParameters &parameters) const;
    // The printout's parameter lines after "Dátum:".
    QStringList printedLines() const;

public slots:
    // Another account: its materials, the range from the first to the last.
    void dblcFokszamClick();

private:
    QSqlDatabase m_db;
    Messenger &m_messenger;
};
