#include "alacarte/CartDraft.h"

#include "alacarte/CartIssue.h"
#include "alacarte/CartSheetBuilder.h"
#include "session/Settings.h"

static const QString RowsKey = QStringLiteral("Sorok");

CartDraft::CartDraft(QSqlDatabase db, Settings &settings, const QString &user)
    : m_db(db)
    , m_settings(settings)
    , m_draft(db, settings, user, place())
{
}

RationDraftPlace CartDraft::place()
{
    RationDraftPlace place;
    place.linesTable = QStringLiteral("TmpCartKiszabat");
    place.totalsTable = QStringLiteral("TmpCartKiszabat_2");
    place.sectionPrefix = QStringLiteral("CartKiszabat_");
    place.codeKey = QStringLiteral("Csop-");
    place.policy = RationPolicy::aLaCarte();
    place.openUnits = CartSheetBuilder::openGroups;
    return place;
}

QList<qint64> CartDraft::storedRows() const
{
    QList<qint64> rows;
    const QStringList texts
        = m_settings.readString(m_draft.section(), RowsKey).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &text : texts) {
        bool ok = false;
        const qint64 id = text.toLongLong(&ok);
        if (ok)
            rows << id;
    }
    return rows;
}

Refusal CartDraft::save(const RationSheet &sheet, const QList<qint64> &covered)
{
    if (const Refusal refusal = m_draft.save(sheet))
        return refusal;
    QStringList texts;
    for (const qint64 id : covered)
        texts << QString::number(id);
    m_settings.writeString(m_draft.section(), RowsKey, texts.join(QLatin1Char(',')));
    return Refusal();
}

Refusal CartDraft::clear()
{
    const Refusal refusal = m_draft.clear();
    if (refusal.isNull())
        forgetSection();
    return refusal;
}

void CartDraft::forgetSection()
{
    m_draft.forgetSection();
    m_settings.writeString(m_draft.section(), RowsKey, QString());
}

Checked<bool> CartDraft::offerable(const QDate &closedThrough)
{
    const auto fits = m_draft.offerable(closedThrough);
    if (!fits.ok() || !fits.value)
        return fits;
    const auto open = CartIssue::allOpen(
        m_db, m_settings.readDate(m_draft.section(), QStringLiteral("KezdDat"), QDate()), storedRows());
    if (!open.ok())
        return Checked<bool>::refused(open.refusal);
    if (open.value)
        return Checked<bool>::accepted(true);
    if (const Refusal refusal = clear())
        return Checked<bool>::refused(refusal);
    return Checked<bool>::accepted(false);
}

Checked<CartDraft::Stored> CartDraft::restore(RationStockSource &stock)
{
    const auto sheet = m_draft.restore(stock);
    if (!sheet.ok())
        return Checked<Stored>::refused(sheet.refusal);
    return Checked<Stored>::accepted(Stored {sheet.value, storedRows()});
}
