#pragma once

#include "master/CodeTableStore.h"
#include "master/ui/frmTallozasBase.h"

// The browse screen of one code table (its objectName is the member's browse screen,
// TfrmTallozasMozgnem ...): New, Modify and Delete through the member's edit screen and checks.
class TfrmTallozasKodtar : public TfrmTallozasBase
{
    Q_OBJECT
public:
    TfrmTallozasKodtar(const Services &services, CodeTableId id, QWidget *parent = nullptr);

    const CodeTable &member() const { return m_store.member(); }

protected:
    void newRow() override;
    void modifyRow(const QStringList &key) override;
    void deleteRow(const QStringList &key) override;

private:
    CodeTableStore m_store;
};
