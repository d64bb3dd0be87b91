#include "alacarte/ui/frmTallozasCartCsop.h"

#include "alacarte/DishGroups.h"
#include "alacarte/ui/frmUjCartCsop.h"
#include "core/HungarianOrder.h"
#include "exchange/ui/frmCsvExport.h"
#include "printing/ui/ListReport.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

TfrmTallozasCartCsop::TfrmTallozasCartCsop(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiBrowseScreen(services, QStringLiteral("frmTallozasCartCsop"),
        QStringLiteral("A la Carte étel csoportok karbantartása"), QStringLiteral("TallozasCartCsop.htm"), parent)
    , m_db(db)
    , m_model(new QStandardItemModel(this))
{
    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), m_model);
    DBGrid1->verticalHeader()->hide();
    btnFelvitel = button(QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), [this] { btnFelvitelClick(); });
    btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] { btnModositClick(); });
    btnTorol = button(QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), [this] { btnTorolClick(); });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] {
        TfrmCsvExport::run(
            this, m_services.files, m_services.messenger, m_model, QStringLiteral("CartCsop.csv"), DBGrid1);
    });
    auto *grid = new QVBoxLayout;
    grid->addWidget(DBGrid1);
    setBody(orderAndSearchRow({},
                {QStringLiteral("Csoportkód szerint rendez"), QStringLiteral("Megnevezés szerint rendez")},
                {QStringLiteral("Csoport kód"), QStringLiteral("Megnevezés")}),
        grid, {btnFelvitel, btnModosit, btnTorol, btnPrint, btnExport});
    edtSearch->setToolTip(QStringLiteral("Kereséshez üsee le az ENTER-t"));
    resize(560, 480);
    rebuild();
}

QString TfrmTallozasCartCsop::currentCode() const
{
    const int row = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    return row < m_model->rowCount() ? m_model->item(row, 0)->text() : QString();
}

void TfrmTallozasCartCsop::rebuild(const QString &select)
{
    auto groups = DishGroups::read(m_db);
    if (groups.refusal)
        groups.refusal.show(m_services.messenger);
    if (comOrder->currentIndex() == 1)
        std::stable_sort(groups.value.begin(), groups.value.end(),
            [](const DishGroup &a, const DishGroup &b) { return HungarianOrder::less(a.name, b.name); });
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QStringLiteral("Csop. kód"), QStringLiteral("Megnevezés")});
    int current = 0;
    for (const DishGroup &group : std::as_const(groups.value)) {
        auto *code = new QStandardItem(group.code);
        code->setBackground(Qt::yellow);
        m_model->appendRow({code, new QStandardItem(group.name)});
        if (group.code == select)
            current = m_model->rowCount() - 1;
    }
    DBGrid1->setCurrentIndex(m_model->index(current, 0));
}

void TfrmTallozasCartCsop::search()
{
    const QString text = edtSearch->text().trimmed();
    const bool byCode = comSearch->currentIndex() == 0;
    if (byCode && DishGroups::checkCodeSearch(text)) {
        DishGroups::checkCodeSearch(text).show(m_services.messenger);
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row, byCode ? 0 : 1)->text().startsWith(text, Qt::CaseInsensitive)) {
            DBGrid1->setCurrentIndex(m_model->index(row, 0));
            return;
        }
    DishGroups::notFound().show(m_services.messenger);
}

void TfrmTallozasCartCsop::btnFelvitelClick()
{
    TfrmUjCartCsop edit(m_services, m_db, this);
    edit.exec();
    rebuild(edit.savedCode().isEmpty() ? currentCode() : edit.savedCode());
}

void TfrmTallozasCartCsop::btnModositClick()
{
    if (!hasRow(m_model->rowCount() > 0))
        return;
    const int row = DBGrid1->currentIndex().row();
    TfrmUjCartCsop edit(m_services, m_db, this);
    edit.setChangeMode(m_model->item(row, 0)->text(), m_model->item(row, 1)->text());
    edit.exec();
    rebuild(currentCode());
}

void TfrmTallozasCartCsop::btnTorolClick()
{
    const QString code = currentCode();
    if (!hasRow(!code.isEmpty()))
        return;
    if (const Refusal refusal = DishGroups::checkRemove(m_db, code)) {
        refusal.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refusal = DishGroups::remove(m_db, code))
        refusal.show(m_services.messenger);
    rebuild();
}

void TfrmTallozasCartCsop::btnPrintClick()
{
    ListReport::print(m_services.settings, m_services.messenger, QStringLiteral("A la Carte csoportok listája"),
        {{QStringLiteral("Csop. kód"), QStringLiteral("Csop. kód"), 20},
            {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezés"), 90}},
        m_model, this, &m_services.files);
}
