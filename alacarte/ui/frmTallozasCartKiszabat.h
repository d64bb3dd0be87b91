#pragma once

#include "alacarte/CartMenuList.h"
#include "menu/RationSheet.h"
#include "menu/RationStock.h"
#include "stock/StockOptions.h"

#include <QDialog>
#include <QList>
#include <QSqlDatabase>
#include <memory>

struct Services;
class QGroupBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The a-la-carte ration sheet "A la Carte kiszabat, kiadás": four views of one date's chosen dish
// groups (menu, dishes, material totals, detail lines), ration-sheet mode on the totals, and the
// issue as one "08" voucher. The sheet is kept as the user's unfinished one whenever its totals
// are built or changed.
class TfrmTallozasCartKiszabat : public QDialog
{
    Q_OBJECT
public:
    TfrmTallozasCartKiszabat(const Services &services, QSqlDatabase db, std::shared_ptr<RationStockSource> stock,
        StockOptions options, QWidget *parent = nullptr);

    // The opening: the user's unfinished sheet is offered for restoring, otherwise the parameter
    // dialog asks for the date and groups. False when the screen is to close at once.
    bool start();
    // A new sheet of this date and groups, shown in view 1.
    bool open(const QDate &date, const QStringList &groups);
    // The user's unfinished sheet in ration-sheet mode, view 3 from the stored totals.
    bool restore();

    int view() const { return m_view; }
    bool rationMode() const { return m_rationMode; }
    const RationSheet &sheet() const { return m_sheet; }
    QStandardItemModel *model() const { return m_model; }

    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnTorol;
    QPushButton *btnModosit;
    QPushButton *btnUj;
    QPushButton *btnKiadas;
    QPushButton *btnPrint;
    QPushButton *btnExport;
    QPushButton *btnSugo;
    QPushButton *btnKilep;
    QGroupBox *grpInfo;
    QLabel *lblDatumTart;
    QLabel *lblEtkezesek;
    QLabel *lblHiany;
    QLabel *lblNorma;

    void btnFelvitelClick();
    void btnTorolClick();
    void btnModositClick();
    void btnUjClick();
    void btnKiadasClick();
    void btnPrintClick();
    void btnExportClick();

private:
    bool compute();
    void showView(int view);
    void showTotals();
    void afterChange();
    void setLabels();
    void enterRationMode();
    void selectKey(const MaterialKey &key);
    bool showRefusal(const Refusal &refusal);

    const Services &m_services;
    QSqlDatabase m_db;
    std::shared_ptr<RationStockSource> m_stock;
    StockOptions m_options;
    QStandardItemModel *m_model;
    QDate m_date;
    QStringList m_groups;
    QList<RationMenuRow> m_menu;
    RationSheet m_sheet;
    QList<qint64> m_covered;
    int m_view = 0;
    bool m_rationMode = false;
    bool m_shortageWarned = false;
};
