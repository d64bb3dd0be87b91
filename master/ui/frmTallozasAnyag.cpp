#include "master/ui/frmTallozasAnyag.h"

#include "master/Materials.h"
#include "master/ui/frmUjAnyag.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"

TfrmTallozasAnyag::TfrmTallozasAnyag(const Services &services, QWidget *parent)
    : TfrmTallozasBase(services, Connections::activeWarehouse(services),
          Materials::browse(), parent)
{
}

void TfrmTallozasAnyag::newRow()
{
    TfrmUjAnyag editor(m_services, m_db, QString(), QString(), this);
    editor.exec();
    refresh(currentKey());
}

void TfrmTallozasAnyag::modifyRow(const QStringList &key)
{
    TfrmUjAnyag editor(m_services, m_db, key.at(0), key.at(1), this);
    const bool recorded = editor.exec() == QDialog::Accepted;
    // A changed material asks for the nutrient recalculation of the recipes that use it.
    if (recorded && Materials::usedInRecipes(m_db, key.at(0), key.at(1)))
        m_services.settings.setTapValt(true);
    refresh(key);
}

void TfrmTallozasAnyag::deleteRow(const QStringList &key)
{
    if (const Refusal refused = Materials::checkDelete(m_db, key.at(0), key.at(1))) {
        refused.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refused = Materials::remove(m_db, key.at(0), key.at(1)))
        refused.show(m_services.messenger);
    refresh();
}
