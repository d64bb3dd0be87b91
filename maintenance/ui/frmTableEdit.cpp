#include "maintenance/ui/frmTableEdit.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "exchange/DbaseTable.h"
#include "exchange/ui/frmCsvExport.h"
#include "maintenance/NameConversion.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/Catalogue.h"
#include "store/EngineError.h"
#include "store/FreeSql.h"
#include "store/StatementWatchdog.h"
#include "store/TableMaintenance.h"
#include "store/TransactionGuard.h"
#include "store/WorkTable.h"
#include "widgets/UiControls.h"
#include "widgets/UiWheelAsArrowKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlTableModel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton *toolButton(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    QPushButton *button = pushButton(parent, QString::fromLatin1(name), caption, false);
    button->setToolTip(hint);
    return button;
}

} // namespace

TfrmTableEdit::TfrmTableEdit(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_files(services.files)
    , m_rows(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmTableEdit"));
    setWindowTitle(QStringLiteral("Tábla editor"));
    setModal(true);
    resize(980, 640);

    auto *tablePanel = named(new QWidget(this), "Panel1");
    cmbTabla = named(new QComboBox(tablePanel), "cmbTabla");
    cmbTabla->addItem(QString());
    cmbTabla->addItems(Catalogue::warehouseTableNames());
    spdSQL = toolButton(tablePanel, "spdSQL", QStringLiteral("SQL"), QStringLiteral("Váltás SQL-re"));
    spdOpen = toolButton(tablePanel, "spdOpen", QStringLiteral("Megnyitás"), QStringLiteral("Tábla megnyitása"));
    spdCheck = toolButton(tablePanel, "spdCheck", QStringLiteral("Ellenőrzés"), QStringLiteral("Tábla ellenőrzése"));
    spdIndex = toolButton(tablePanel, "spdIndex", QStringLiteral("Index"), QStringLiteral("Index újragenerálás"));
    spdCompress = toolButton(tablePanel, "spdCompress", QStringLiteral("Tömörítés"), QStringLiteral("Tömörítés, javítás"));
    spdChar = toolButton(tablePanel, "spdChar", QStringLiteral("Karakter"), QStringLiteral("Anyag tábla karakterkonverzió!"));
    btnMentes = toolButton(tablePanel, "btnMentes", QStringLiteral("Mentés"), QStringLiteral("Mentés"));
    ComboBox1 = named(new QComboBox(tablePanel), "ComboBox1");
    Label4 = named(new QLabel(tablePanel), "Label4");
    Label3 = named(new QLabel(tablePanel), "Label3");
    edtSzuro = lineEdit(tablePanel, QStringLiteral("edtSzuro"));
    edtSzuro->setToolTip(QStringLiteral("pl.: nyilvszam='0010' AND ertek=1234"));
    chkSzuro = named(new QCheckBox(QStringLiteral("Szűrés engedélyezése"), tablePanel), "chkSzuro");
    auto *tableTools = new QHBoxLayout(tablePanel);
    for (QWidget *w : std::initializer_list<QWidget *> {cmbTabla, spdOpen, spdSQL, spdCheck, spdIndex, spdCompress,
             spdChar, btnMentes, new QLabel(QStringLiteral("Indexnév:"), tablePanel), ComboBox1,
             new QLabel(QStringLiteral("Index:"), tablePanel), Label4,
             new QLabel(QStringLiteral("Rekordszám:"), tablePanel), Label3, edtSzuro, chkSzuro})
        tableTools->addWidget(w);

    auto *sqlPanel = named(new QWidget(this), "Panel2");
    SpeedButton1 = toolButton(sqlPanel, "SpeedButton1", QStringLiteral("Vissza"), QStringLiteral("Vissza táblaszerkesztőhöz"));
    SpeedButton2 = toolButton(sqlPanel, "SpeedButton2", QStringLiteral("Lekérdezés"), QStringLiteral("Lekérdezés táblába"));
    SpeedButton3 = toolButton(sqlPanel, "SpeedButton3", QStringLiteral("SQL"), QStringLiteral("SQL"));
    SpeedButton4 = toolButton(sqlPanel, "SpeedButton4", QStringLiteral("Eredmény mentése"), QStringLiteral("Eredménytábla mentése"));
    SpeedButton5 = toolButton(sqlPanel, "SpeedButton5", QStringLiteral("Betöltés"), QStringLiteral("SQL betöltése"));
    SpeedButton6 = toolButton(sqlPanel, "SpeedButton6", QStringLiteral("Mentés"), QStringLiteral("SQL mentése"));
    comSqlType = named(new QComboBox(sqlPanel), "comSqlType");
    comSqlType->addItems(FreeSql::templateNames());
    Label7 = named(new QLabel(sqlPanel), "Label7");
    memSQL = named(new QPlainTextEdit(sqlPanel), "memSQL");
    auto *sqlTools = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *> {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4,
             SpeedButton5, SpeedButton6, comSqlType, new QLabel(QStringLiteral("Rekordszám:"), sqlPanel), Label7})
        sqlTools->addWidget(w);
    auto *sqlLayout = new QVBoxLayout(sqlPanel);
    sqlLayout->addLayout(sqlTools);
    sqlLayout->addWidget(memSQL);

    m_panels = new QStackedWidget(this);
    m_panels->addWidget(tablePanel);
    m_panels->addWidget(sqlPanel);
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    DBGrid1->setStyleSheet(QStringLiteral("QTableView { background: #ffffe0; }"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panels);
    layout->addWidget(DBGrid1, 1);

    connect(cmbTabla, &QComboBox::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            openTable(name);
    });
    connect(spdOpen, &QPushButton::clicked, this, &TfrmTableEdit::spdOpenClick);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TfrmTableEdit::ComboBox1Change);
    connect(spdCheck, &QPushButton::clicked, this, &TfrmTableEdit::spdCheckClick);
    connect(spdIndex, &QPushButton::clicked, this, &TfrmTableEdit::spdIndexClick);
    connect(spdCompress, &QPushButton::clicked, this, &TfrmTableEdit::spdCompressClick);
    connect(spdChar, &QPushButton::clicked, this, &TfrmTableEdit::spdCharClick);
    connect(chkSzuro, &QCheckBox::clicked, this, &TfrmTableEdit::chkSzuroClick);
    connect(btnMentes, &QPushButton::clicked, this, &TfrmTableEdit::btnMentesClick);
    connect(spdSQL, &QPushButton::clicked, this, &TfrmTableEdit::spdSQLClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmTableEdit::spdSQLClick);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrmTableEdit::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TfrmTableEdit::SpeedButton3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TfrmTableEdit::SpeedButton4Click);
    connect(SpeedButton5, &QPushButton::clicked, this, &TfrmTableEdit::SpeedButton5Click);
    connect(SpeedButton6, &QPushButton::clicked, this, &TfrmTableEdit::SpeedButton6Click);
    connect(comSqlType, &QComboBox::currentTextChanged, this,
        [this](const QString &name) { memSQL->setPlainText(FreeSql::templateLines(name).join(QLatin1Char('\n'))); });
    UiWheelAsArrowKeys::install(this);
}

void TfrmTableEdit::openTable(const QString &table)
{
    const QString name = Catalogue::canonicalName(table);
    if (name.isEmpty())
        return;
    delete m_table;
    m_table = new QSqlTableModel(this, warehouse());
    m_tableName = name;
    // A work table is shown as stored, not as this connection's private copy.
    m_table->setTable(Catalogue::isWorkTable(name) ? WorkTable::storedName(warehouse(), name, m_settings.aktivRaktar())
                                                   : name);
    m_table->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_table->select();
    DBGrid1->setModel(m_table);
    chkSzuro->setChecked(false);
    edtSzuro->clear();
    ComboBox1->blockSignals(true);
    ComboBox1->clear();
    if (const TableDef *def = Catalogue::table(name)) {
        if (!def->key.isEmpty())
            ComboBox1->addItem(QStringLiteral("<elsődleges>"), def->key);
        for (const IndexDef &index : def->indexes)
            ComboBox1->addItem(index.name, index.fields);
    }
    ComboBox1->blockSignals(false);
    ComboBox1Change();
    setWindowTitle(QStringLiteral("Tábla editor <") + name + QLatin1Char('>'));
    DBGrid1->setFocus();
}

QSqlDatabase TfrmTableEdit::warehouse() const
{
    return Connections::activeWarehouse(m_services);
}

void TfrmTableEdit::spdOpenClick()
{
    const QString file = m_files.openFileName(QStringLiteral("Tábla megnyitása"), QString(),
        QStringLiteral("Paradox tábla (*.db)|*.DB|DBase tábla (*.dbf)|*.DBF"));
    if (file.isEmpty() || !QFileInfo::exists(file))
        return;
    if (!file.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive)) {
        cmbTabla->setCurrentText(Catalogue::canonicalName(QFileInfo(file).fileName()));
        return;
    }
    // A DOS dBASE file is shown read-only, through the same bounded reader as the converter.
    const auto opened = DbaseTable::open(file);
    if (showRefusal(this, m_messenger, opened.refusal))
        return;
    DbaseTable &dbf = *opened.value;
    delete m_table;
    m_table = nullptr;
    m_tableName.clear();
    m_rows->clear();
    QStringList headers;
    for (const DbaseTable::Field &field : dbf.fields())
        headers << field.name;
    m_rows->setHorizontalHeaderLabels(headers);
    while (dbf.next()) {
        QList<QStandardItem *> row;
        for (int i = 0; i < dbf.fields().size(); ++i)
            row << new QStandardItem(dbf.text(i));
        m_rows->appendRow(row);
    }
    DBGrid1->setModel(m_rows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ComboBox1->clear();
    Label3->setText(QString::number(m_rows->rowCount()));
    setWindowTitle(QStringLiteral("Tábla editor <") + QFileInfo(file).fileName() + QLatin1Char('>'));
}

void TfrmTableEdit::ComboBox1Change()
{
    if (!m_table)
        return;
    const QStringList fields = ComboBox1->currentData().toStringList();
    Label4->setText(fields.join(QLatin1Char(';')));
    if (!fields.isEmpty()) {
        m_table->setSort(m_table->fieldIndex(fields.first()), Qt::AscendingOrder);
        m_table->select();
    }
    showCount();
}

void TfrmTableEdit::showCount()
{
    if (!m_table)
        return;
    // The grid fetches lazily: "+" says that more rows follow than fetched so far.
    const bool filtered = chkSzuro->isChecked();
    Label3->setText(m_table->lastError().isValid() ? QString() : QString::number(m_table->rowCount())
            + (m_table->canFetchMore() ? QStringLiteral("+") : QString()));
    Label3->setStyleSheet(filtered ? QStringLiteral("color: red;") : QString());
}

void TfrmTableEdit::showResult(const QString &caption, bool ok, const QString &text)
{
    m_messenger.showMessage(ok ? caption : QStringLiteral("HIBA!"), ok ? 3 : 2, text, QStringLiteral("OK"));
}

void TfrmTableEdit::spdCheckClick()
{
    if (m_tableName.isEmpty())
        return;
    StatementWatchdog watchdog(warehouse());
    const TableMaintenance::Outcome outcome = TableMaintenance::check(warehouse(), m_tableName, watchdog);
    showResult(QStringLiteral("Információ!"), outcome.ok(),
        outcome.ok() ? outcome.text : QStringLiteral("A tábla fizikailag sérült!\r") + outcome.text);
}

void TfrmTableEdit::spdIndexClick()
{
    if (m_tableName.isEmpty())
        return;
    StatementWatchdog watchdog(warehouse());
    const TableMaintenance::Outcome outcome = TableMaintenance::reindex(warehouse(), m_tableName, watchdog);
    showResult(QStringLiteral("Információ!"), outcome.ok(), QStringLiteral("A javítás eredménye: \r") + outcome.text);
}

void TfrmTableEdit::spdCompressClick()
{
    if (m_tableName.isEmpty())
        return;
    StatementWatchdog watchdog(warehouse());
    const TableMaintenance::Outcome outcome = TableMaintenance::compact(warehouse(), m_tableName, watchdog);
    showResult(QStringLiteral("Információ!"), outcome.ok(),
        outcome.ok() ? QStringLiteral("A tömörítés sikeres.") : QStringLiteral("A tömörítés sikertelen volt!\r") + outcome.text);
    if (outcome.ok())
        m_table->select();
}

void TfrmTableEdit::spdCharClick()
{
    if (showRefusal(this, m_messenger, NameConversion::checkTable(m_tableName)))
        return;
    const auto preview = NameConversion::preview(warehouse());
    if (showRefusal(this, m_messenger, preview.refusal) || preview.value.isEmpty())
        return;
    QStringList sample;
    for (const NameConversion::Change &change : preview.value.mid(0, 10))
        sample << change.before + QStringLiteral(" -> ") + change.after;
    if (m_messenger.showMessage(QStringLiteral("Kérdés"), 4,
            NameConversion::question(int(preview.value.size())) + QLatin1Char('\r') + sample.join(QLatin1Char('\r')),
            QStringLiteral("Igen"), QStringLiteral("Nem"))
        != buttonResult(QStringLiteral("Igen"))) {
        return;
    }
    const auto applied = NameConversion::apply(warehouse(), preview.value, m_settings.aktivRaktar());
    if (showRefusal(this, m_messenger, applied.refusal))
        return;
    m_table->select();
}

void TfrmTableEdit::chkSzuroClick()
{
    if (!m_table)
        return;
    m_table->setFilter(chkSzuro->isChecked() ? edtSzuro->text() : QString());
    if (!m_table->select()) {
        showResult(QString(), false, QStringLiteral("Hibás szűrőmegadás!"));
        chkSzuro->setChecked(false);
        m_table->setFilter(QString());
        m_table->select();
    }
    showCount();
}

void TfrmTableEdit::btnMentesClick()
{
    if (!m_table)
        return;
    // Grid edits are written under the warehouse's write lock, all or nothing.
    TransactionGuard guard(warehouse(), m_settings.aktivRaktar());
    if (!guard.isActive()) {
        showResult(QString(), false, guard.errorText());
        return;
    }
    if (!m_table->submitAll()) {
        showResult(QString(), false, EngineError::cause(m_table->lastError()));
        return;
    }
    if (!guard.commit())
        showResult(QString(), false, guard.errorText());
}

void TfrmTableEdit::spdSQLClick()
{
    const bool toSql = m_panels->currentIndex() == 0;
    m_panels->setCurrentIndex(toSql ? 1 : 0);
    delete m_table;
    m_table = nullptr;
    m_tableName.clear();
    m_rows->clear();
    ComboBox1->clear();
    Label3->clear();
    Label7->clear();
    cmbTabla->setCurrentIndex(0);
    DBGrid1->setModel(m_rows);
    DBGrid1->setStyleSheet(toSql ? QStringLiteral("QTableView { background: #e0ffe0; }")
                                 : QStringLiteral("QTableView { background: #ffffe0; }"));
    setWindowTitle(toSql ? QStringLiteral("SQL editor - BDE alias: ") + m_settings.bdeAlias() : QStringLiteral("Tábla editor"));
    if (toSql)
        memSQL->setFocus();
}

void TfrmTableEdit::SpeedButton2Click()
{
    const auto result = FreeSql::run(warehouse(), memSQL->toPlainText(), FreeSql::Mode::Query, m_settings.aktivRaktar());
    if (showRefusal(this, m_messenger, result.refusal))
        return;
    m_rows->clear();
    m_rows->setHorizontalHeaderLabels(result.value.columns);
    for (const QVariantList &values : result.value.rows) {
        QList<QStandardItem *> row;
        for (const QVariant &value : values) {
            auto *item = new QStandardItem;
            item->setData(value, Qt::DisplayRole);
            row << item;
        }
        m_rows->appendRow(row);
    }
    DBGrid1->setModel(m_rows);
    Label7->setText(QString::number(result.value.rows.size()));
}

void TfrmTableEdit::SpeedButton3Click()
{
    const auto result
        = FreeSql::run(warehouse(), memSQL->toPlainText(), FreeSql::Mode::Statement, m_settings.aktivRaktar());
    if (showRefusal(this, m_messenger, result.refusal))
        return;
    m_messenger.showMessage(
        QStringLiteral("Információ!"), 3, FreeSql::successText(result.value.rowsAffected), QStringLiteral("OK"));
}

void TfrmTableEdit::SpeedButton4Click()
{
    if (m_rows->rowCount() == 0)
        return;
    TfrmCsvExport::run(this, m_files, m_messenger, m_rows, QStringLiteral("SQLresult.csv"), DBGrid1);
}

void TfrmTableEdit::SpeedButton5Click()
{
    const QString path = m_files.openFileName(
        QStringLiteral("SQL betöltése"), m_settings.programPath(), QStringLiteral("Szöveg (*.txt)|*.TXT|Minden fájl|*.*"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    memSQL->setPlainText(QString::fromUtf8(file.readAll()));
}

void TfrmTableEdit::SpeedButton6Click()
{
    const QString path = m_files.saveFileName(QStringLiteral("SQL mentése"), m_settings.programPath(),
        QStringLiteral("Szöveg (*.txt)|*.TXT|Minden fájl|*.*"), QStringLiteral(".txt"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(memSQL->toPlainText().toUtf8()) < 0)
        showResult(QString(), false, QStringLiteral("A fájl nem írható:\r") + path);
}
