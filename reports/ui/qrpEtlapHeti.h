#pragma once

#include "printing/ui/Printout.h"
#include "reports/WeeklyMenu.h"

// What the weekly menu printout takes from its screen: the grid as shown (captions and cell texts
// as edited, the sums and marks of the run).
struct WeeklyMenuPrint
{
    struct Row
    {
        QString caption;
        QList<WeeklyMenu::Cell> cells; // one per printed day
    };

    QString title;
    QString week; // the week's text with " H - P" or " H - V"
    int days = 5;
    int pointSize = 8;
    bool textAllergens = false; // the a-la-carte cells: whole-number sums and the marks as text
    QString picturesFolder;
    QList<Row> rows;
};

// The weekly menu printout (A4 landscape; TqrpEtlapHetiP with five days, TqrpEtlapHeti with
// seven): the grid printed once, each cell with its dishes, the sums of one portion and up to eight
// allergen pictures (or, for the a-la-carte menu, the "Allergén:" and "Tartalmazhat:" lines), then
// the weekly footer text. Dish names and mark lines wrap between words inside their cell and each
// row grows to its tallest cell; a sum too wide beside its caption goes on a line of its own. A
// picture file missing from the Pictures folder stops the printout with a message naming it.
class TqrpEtlapHeti : public Printout
{
public:
    TqrpEtlapHeti(const Settings &settings, Messenger &messenger, const WeeklyMenuPrint &print);
};
