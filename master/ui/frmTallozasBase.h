#pragma once

#include "master/BrowseModel.h"
#include "printing/ui/Printout.h"
#include "widgets/UiBrowseScreen.h"

class QPushButton;
class QTableView;

// The browse screen of the master data: a read-only grid over the rows in the chosen order,
// search on Enter, new, modify, delete, the list printout, CSV export and help. Each kind of
// row adds what New, Modify and Delete do.
class TfrmTallozasBase : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasBase(const Services &services, QSqlDatabase db, const BrowseSpec &spec, QWidget *parent = nullptr);

    BrowseModel &model() { return m_model; }
    // The key of the current row; empty with no rows.
    QStringList currentKey() const;
    // Reads the rows again and stands on the row of that key (the first row without it).
    void refresh(const QStringList &key = {});
    // Shows the list printout's pages in place of the preview (tests).
    void setPreviewer(Printout::Previewer previewer) { m_previewer = std::move(previewer); }

    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnPrint;
    QPushButton *btnExport;

protected:
    virtual void newRow() = 0;
    virtual void modifyRow(const QStringList &key) = 0;
    virtual void deleteRow(const QStringList &key) = 0;
    // "Nincs kiválasztott adatsor!" when the grid is empty; true when a row is current.
    bool hasRow();
    void hideSearchAndOrder();
    void search() override;
    void orderChanged(int order) override;

    QSqlDatabase m_db;

private:
    void btnFelvitelClick();
    void btnModositClick();
    void btnTorolClick();
    void btnPrintClick();
    void btnExportClick();
    void selectRow(int row);

    BrowseSpec m_spec;
    BrowseModel m_model;
    Printout::Previewer m_previewer;
};
