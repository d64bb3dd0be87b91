#include "widgets/UiDatePrompt.h"

#include "widgets/frmDatum.h"

QDate UiDatePrompt::askDate(const QString &label, const QDate &proposed)
{
    TfrmDatum dialog(m_parent);
    dialog.setLabel(label);
    return dialog.askDate(proposed);
}
