#pragma once

#include "widgets/UiBrowseScreen.h"

#include <QSqlDatabase>

class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// "Receptek karbantartása - az értékek 100 adagra értendőek": the recipes in the upper grid, the
// lines of the current recipe in the lower one and its preparation text beside them.
class TfrmTallozasRecept : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasRecept(const Services &services, QWidget *parent = nullptr);

    QTableView *DBGrid1;
    QTableView *DBGrid2;
    QPlainTextEdit *memLeiras;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnMasol;
    QPushButton *btnUjAnyag;
    QPushButton *btnModAnyag;
    QPushButton *btnTorAnyag;
    QPushButton *btnPrint;
    QPushButton *btnTapSzam;
    QPushButton *btnExport;

    QSqlQueryModel *recipes() const { return m_recipes; }
    QSqlQueryModel *lines() const { return m_lines; }
    // EtelKod of the current recipe; empty when there is none.
    QString currentCode() const;
    void selectCode(const QString &code);

private:
    void refresh(const QString &select);
    void showLines();
    qint64 currentLineId() const;
    void search() override;
    void orderChanged(int) override { refresh(currentCode()); }
    void btnFelvitelClick();
    void btnModositClick();
    void btnTorolClick();
    void btnMasolClick();
    void editLine(bool isNew);
    void btnTorAnyagClick();
    void btnPrintClick();
    void btnTapSzamClick();
    void btnExportClick();

    QSqlDatabase m_db;
    QSqlQueryModel *m_recipes;
    QSqlQueryModel *m_lines;
};
