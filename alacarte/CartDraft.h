#pragma once

#include "core/Refusal.h"
#include "menu/RationDraft.h"

#include <QList>

// Each user's unfinished a-la-carte sheet, kept as the ration sheet keeps its own (RationDraft):
// lines and totals in TmpCartKiszabat and TmpCartKiszabat_2 under the user's name, the date and
// the groups in the settings section "CartKiszabat_" + user (KezdDat, Count, Csop-0 ...), and
// beside them the menu rows the sheet covers ("Sorok"), so a restored sheet issues exactly what
// it was computed from.
class CartDraft
{
public:
    CartDraft(QSqlDatabase db, Settings &settings, const QString &user);

    static RationDraftPlace place();

    struct Stored
    {
        RationSheet sheet;
        QList<qint64> covered;
    };

    Refusal save(const RationSheet &sheet, const QList<qint64> &covered);
    Refusal clear();
    // Empties the section after an issue has removed the rows.
    void forgetSection();
    // True when the user has a stored sheet that may still be issued: besides the ration sheet's
    // tests, every covered menu row must still be open. A sheet that no longer fits is forgotten.
    Checked<bool> offerable(const QDate &closedThrough);
    Checked<Stored> restore(RationStockSource &stock);

private:
    QList<qint64> storedRows() const;

    QSqlDatabase m_db;
    Settings &m_settings;
    RationDraft m_draft;
};
