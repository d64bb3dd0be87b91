#pragma once

#include "core/Refusal.h"
#include "stock/MaterialStock.h"

#include <QList>

// The minimum/maximum stock notices of the materials a write left outside their limits, shown
// after the commit (under DisplayTetelWarning).
class StockNotices
{
public:
    // The material's notice when its new stock is below its minimum or above its maximum.
    void add(const MaterialStock &material);

    bool isEmpty() const { return m_notices.isEmpty(); }
    qsizetype size() const { return m_notices.size(); }
    const Refusal &first() const { return m_notices.first(); }
    QList<Refusal>::const_iterator begin() const { return m_notices.begin(); }
    QList<Refusal>::const_iterator end() const { return m_notices.end(); }

private:
    QList<Refusal> m_notices;
};
