#pragma once

#include "reports/NutrientInput.h"

#include <QWidget>

class Messenger;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// The choices the nutrient screens share: the meals (several may be chosen), the movement types
// of the issued meals (period screens), the average headcount and the number of days (filled from
// the database, may be typed over), and on the grouped screens the age group with the button that
// opens its norms.
class NutrientParameters : public QWidget
{
    Q_OBJECT
public:
    NutrientParameters(const NutrientInput &input, Messenger &messenger, bool ageGroups, int headcountMaximum,
        QWidget *parent = nullptr);

    QListWidget *lbxEtkezesek;
    QLabel *lblSelect;
    QLabel *lbldselect;
    QComboBox *dblcMozgnemtol = nullptr;
    QComboBox *dblcMozgnemig = nullptr;
    QSpinBox *fleLetszam;
    QSpinBox *fleNapszam;
    QComboBox *dblcTapRend = nullptr;
    QPushButton *btnEloiras = nullptr;

    // The chosen meal codes in list order.
    QStringList chosenMeals() const;
    // Adds the choices to the parameters' filters.
    void addTo(ReportParameters &parameters) const;
    // Puts the divisor into "Átlaglétszám:" and "Napok:".
    void showDivisor(const NutrientDivisor &divisor);
    // Reads the age groups again, keeping the chosen one when it is still there.
    void reloadAgeGroups();

signals:
    // The meals or the movement types changed: the divisor is due again.
    void choiceChanged();
    void normsRequested();

private:
    const NutrientInput &m_input;
    Messenger &m_messenger;
};
