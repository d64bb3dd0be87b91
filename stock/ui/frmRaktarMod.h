#pragma once

#include "stock/CorrectionList.h"

#include <QDialog>
#include <QSqlDatabase>
#include <functional>

struct Services;
class CorrectionListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The correction list: the receipt or issue items after the last closed day, filtered by a part
// of the voucher number; in change mode an item opens on its voucher screen, in delete mode it is
// deleted through the stock engine. Ration-sheet items are shown in blue (a-la-carte ones green),
// explained by two notes in the issue modes.
class TfrmRaktarMod : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { ReceiptChange, ReceiptDelete, IssueChange, IssueDelete };

    TfrmRaktarMod(const Services &services, QSqlDatabase warehouse, Mode mode, QWidget *parent = nullptr);

    // Runs the voucher screen opened for a change (the modal exec() unless a test replaces it).
    void setScreenRunner(std::function<void(QDialog *screen)> runner) { m_runScreen = std::move(runner); }
    // The RaktAzon of the selected row; 0 when the list is empty.
    qint64 selectedId() const;
    void selectId(qint64 raktAzon);

    QLineEdit *edtBizSzam;
    QComboBox *comRendez;
    QTableView *DBGrid1;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnSugo;
    QPushButton *btnKilep;
    QLabel *lblKek;
    QLabel *lblZold;

public slots:
    void refresh();
    void btnModositClick();
    void btnTorolClick();
    void btnSugoClick();

private:
    bool isIssueMode() const { return m_mode == Mode::IssueChange || m_mode == Mode::IssueDelete; }
    bool isDeleteMode() const { return m_mode == Mode::ReceiptDelete || m_mode == Mode::IssueDelete; }
    QString helpPage() const;
    const CorrectionList::Row *selectedRow() const;

    const Services &m_services;
    QSqlDatabase m_db;
    Mode m_mode;
    QList<CorrectionList::Row> m_rows;
    CorrectionListModel *m_model;
    std::function<void(QDialog *screen)> m_runScreen;
};
