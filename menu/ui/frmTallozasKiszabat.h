#pragma once

#include "menu/RationSheet.h"
#include "menu/RationStock.h"
#include "menu/RationTypes.h"
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
class QWidget;

// The ration sheet "Kiszabat, kiadás": the four views of one date's chosen meals, ration-sheet
// mode with its corrections, and the issue from view 4. The sheet is kept as the user's
// unfinished sheet whenever its totals are built or changed.
class TfrmTallozasKiszabat : public QDialog
{
    Q_OBJECT
public:
    TfrmTallozasKiszabat(const Services &services, QSqlDatabase db, std::shared_ptr<RationStockSource> stock,
        StockOptions options, QWidget *parent = nullptr);

    // The opening: the user's unfinished sheet is offered for restoring, otherwise the parameter
    // dialog asks for the date and meals. False when the screen is to close at once.
    bool start();
    // A new sheet of this date and meals, shown in view 1 in normal mode.
    bool open(const QDate &date, const QStringList &meals);
    // The user's unfinished sheet in ration-sheet mode, view 4 from the stored totals.
    bool restore();

    int view() const { return m_view; }
    bool rationMode() const { return m_rationMode; }
    const RationSheet &sheet() const { return m_sheet; }
    QStandardItemModel *model() const { return m_model; }

    QTableView *DBGrid1;
    QWidget *pnlButtons;
    QPushButton *btnFelvitel;
    QPushButton *btnTorol;
    QPushButton *btnModosit;
    QPushButton *btnUj;
    QPushButton *btnKiadas;
    QPushButton *btnTap;
    QPushButton *btnTapCs;
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

protected:
    // Enter in the grid runs "Módosít" when it is enabled, like a double click; it never reaches
    // the default button.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showView(int view);
    void showTotals(bool rebuild);
    void showDetails();
    void afterChange();
    void setLabels();
    void showWarnings();
    void saveDraft();
    void selectKey(const MaterialKey &key);
    void selectId(qint64 id);
    QStringList chooseMeals(bool single);
    QString viewTitle() const;
    bool showRefusal(const Refusal &refusal);
    // The issue voucher of the sheet's date with this number.
    void printVoucher(const QString &bizSzam);

    const Services &m_services;
    QSqlDatabase m_db;
    std::shared_ptr<RationStockSource> m_stock;
    StockOptions m_options;
    QStandardItemModel *m_model;
    QList<RationMenuRow> m_menu;
    RationSheet m_sheet;
    int m_view = 0;
    bool m_rationMode = false;
    bool m_shortageWarned = false;
};
