#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QSqlDatabase>

class FilePrompt;
class Messenger;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSqlTableModel;
class QStackedWidget;
class QStandardItemModel;
class QTableView;
class Settings;

// "Tábla editor": the superuser's tool over the active warehouse's tables. Table mode shows a
// table (fetched lazily), orders it by a named index, filters it, checks, reindexes and compacts
// it, converts DOS material names, and saves grid edits under the write lock; a DOS dBASE file
// opens read-only. SQL mode runs one bounded free SQL statement (store/FreeSql) and saves its
// result through the CSV export.
class TfrmTableEdit : public QDialog
{
    Q_OBJECT

public:
    TfrmTableEdit(const Services &services, QWidget *parent = nullptr);

    // Table mode.
    QComboBox *cmbTabla = nullptr;
    QPushButton *spdSQL = nullptr;
    QPushButton *spdOpen = nullptr;
    QPushButton *spdCheck = nullptr;
    QPushButton *spdIndex = nullptr;
    QPushButton *spdCompress = nullptr;
    QPushButton *spdChar = nullptr;
    QPushButton *btnMentes = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *edtSzuro = nullptr;
    QCheckBox *chkSzuro = nullptr;
    // SQL mode.
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QPushButton *SpeedButton4 = nullptr;
    QPushButton *SpeedButton5 = nullptr;
    QPushButton *SpeedButton6 = nullptr;
    QPlainTextEdit *memSQL = nullptr;
    QComboBox *comSqlType = nullptr;
    QLabel *Label7 = nullptr;
    QTableView *DBGrid1 = nullptr;

    // Opens a table of the active warehouse by its catalogue name.
    void openTable(const QString &table);

private:
    void spdOpenClick();
    void ComboBox1Change();
    void spdCheckClick();
    void spdIndexClick();
    void spdCompressClick();
    void spdCharClick();
    void chkSzuroClick();
    void btnMentesClick();
    void spdSQLClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    QSqlDatabase warehouse() const;
    void showCount();
    void showResult(const QString &caption, bool ok, const QString &text);

    const Services m_services;
    Settings &m_settings;
    Messenger &m_messenger;
    FilePrompt &m_files;
    QStackedWidget *m_panels = nullptr;
    QSqlTableModel *m_table = nullptr;
    QStandardItemModel *m_rows = nullptr;
    QString m_tableName;
};
