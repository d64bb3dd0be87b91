#include "master/ui/frmTallozasKodtar.h"

#include "master/ui/frmUjKodtar.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"

#include <QComboBox>
#include <QPushButton>

namespace {

QSqlDatabase databaseOf(const Services &services, CodeTableId id)
{
    return CodeTables::member(id).shared ? Connections::shared(services) : Connections::activeWarehouse(services);
}

} // namespace

TfrmTallozasKodtar::TfrmTallozasKodtar(const Services &services, CodeTableId id, QWidget *parent)
    : TfrmTallozasBase(services, databaseOf(services, id), CodeTables::member(id).browse, parent)
    , m_store(databaseOf(services, id), CodeTables::member(id))
{
    const CodeTable &table = member();
    if (table.browse.searches.isEmpty())
        hideSearchAndOrder();
    btnFelvitel->setVisible(table.canCreate);
    btnTorol->setVisible(table.canDelete);
    btnPrint->setVisible(!table.browse.reportTitle.isEmpty());
    btnExport->setVisible(!table.browse.csvName.isEmpty());
}

void TfrmTallozasKodtar::newRow()
{
    TfrmUjKodtar editor(m_services, m_store, QString(), this);
    editor.exec();
    refresh(currentKey());
}

void TfrmTallozasKodtar::modifyRow(const QStringList &key)
{
    if (const Refusal refused = m_store.checkModify(key.first())) {
        refused.show(m_services.messenger);
        return;
    }
    TfrmUjKodtar editor(m_services, m_store, key.first(), this);
    editor.exec();
    refresh(key);
}

void TfrmTallozasKodtar::deleteRow(const QStringList &key)
{
    if (const Refusal refused = m_store.checkDelete(key.first())) {
        refused.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refused = m_store.remove(key.first()))
        refused.show(m_services.messenger);
    refresh();
}
