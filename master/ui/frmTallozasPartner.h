#pragma once

#include "master/ui/frmTallozasBase.h"

// The browse screen of the partners.
class TfrmTallozasPartner : public TfrmTallozasBase
{
    Q_OBJECT
public:
    explicit TfrmTallozasPartner(const Services &services, QWidget *parent = nullptr);

protected:
    void newRow() override;
    void modifyRow(const QStringList &key) override;
    void deleteRow(const QStringList &key) override;
};
