#include "master/ui/frmTallozasPartner.h"

#include "master/Partners.h"
#include "master/ui/frmUjPartner.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"

TfrmTallozasPartner::TfrmTallozasPartner(const Services &services, QWidget *parent)
    : TfrmTallozasBase(services, Connections::activeWarehouse(services),
          Partners::browse(), parent)
{
}

void TfrmTallozasPartner::newRow()
{
    TfrmUjPartner editor(m_services, m_db, QString(), this);
    editor.exec();
    refresh(currentKey());
}

void TfrmTallozasPartner::modifyRow(const QStringList &key)
{
    if (const Refusal refused = Partners::checkModify(key.first())) {
        refused.show(m_services.messenger);
        return;
    }
    TfrmUjPartner editor(m_services, m_db, key.first(), this);
    editor.exec();
    refresh(key);
}

void TfrmTallozasPartner::deleteRow(const QStringList &key)
{
    if (const Refusal refused = Partners::checkDelete(m_db, key.first())) {
        refused.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refused = Partners::remove(m_db, key.first()))
        refused.show(m_services.messenger);
    refresh();
}
