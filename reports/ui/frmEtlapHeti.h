#pragma once

#include "reports/WeeklyMenuReport.h"
#include "reports/ui/frmLekBase.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

// Which menu the weekly grid shows: the daily menu by meals, or the a-la-carte menu by dish
// groups (its cells print the allergens as text).
enum class WeeklyMenuKind { Daily, ALaCarte };

// "Heti étlapnyomtatás": one week's menu as a grid of at most five meals by five or seven days,
// each cell the dishes with the sums of one portion and the allergens; captions and cells may be
// edited before printing. The a-la-carte menu uses the same screen with its own rows, its dish
// groups and its cell format.
class TfrmEtlapHeti : public TfrmLekBase
{
    Q_OBJECT
public:
    static constexpr int Rows = WeeklyMenu::MaxRows;
    static constexpr int Days = 7;

    TfrmEtlapHeti(const Services &services, QSqlDatabase warehouse, WeeklyMenuKind kind = WeeklyMenuKind::Daily,
        QWidget *parent = nullptr);

    QComboBox *cmbHonap;
    QListWidget *lbxEtkezesek;
    QRadioButton *rbtnHP;
    QRadioButton *rbtnHV;
    QSpinBox *SpinEdit1;
    QCheckBox *chkDietas;
    std::array<QLineEdit *, Rows> rowCaptions {}; // Edit1 .. Edit5
    std::array<std::array<QPlainTextEdit *, Days>, Rows> cells {}; // Memo10 .. Memo56

    // The sums and marks behind a cell, as the last run left them.
    const WeeklyMenu::Cell &cell(int row, int day) const { return m_cells.at(size_t(row)).at(size_t(day)); }
    bool sevenDays() const;
    const WeeklyMenu::Week &chosenWeek() const;

protected:
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;

private:
    void fillWeeks();
    void applyDayMode();
    void applyFontSize();
    void mealClicked(QListWidgetItem *item);

    const WeeklyMenuKind m_kind;
    QList<WeeklyMenu::Week> m_weeks;
    std::array<std::array<WeeklyMenu::Cell, Days>, Rows> m_cells {};
    QList<QWidget *> m_weekendWidgets;
};
