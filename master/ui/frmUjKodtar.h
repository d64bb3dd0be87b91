#pragma once

#include "master/CodeTableStore.h"

#include "widgets/UiEditDialog.h"

#include <QHash>

class QLabel;
class QPushButton;
class QWidget;

// The edit screen of a code table, built from the member's fields: new mode (all fields empty,
// the code enabled) or modify mode (the row's values, the code disabled). Its objectName is the
// member's edit screen (TfrmUjMozgnem ...).
class TfrmUjKodtar : public UiEditDialog
{
    Q_OBJECT
public:
    // Modify mode when `key` is given.
    TfrmUjKodtar(const Services &services, CodeTableStore &store, const QString &key = QString(),
        QWidget *parent = nullptr);

    // The control of a field (edtKod, edtMegnevezes, comIrany ...).
    QWidget *control(const QString &field) const { return m_controls.value(field); }

    QLabel *imgJelzes = nullptr;
    QPushButton *bbtOpenPicture = nullptr;

private:
    void record() override;
    void bbtOpenPictureClick();
    void clearFields();
    void fill(const QVariantMap &row);
    void updateAverage();
    void showPicture(const QString &fileName);
    QString picturesFolder() const;
    CodeEntry entry() const;

    CodeTableStore &m_store;
    QString m_key;
    QHash<QString, QWidget *> m_controls;
};
