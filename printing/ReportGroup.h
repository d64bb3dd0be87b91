#pragma once

#include "printing/ReportBand.h"

#include <QVariant>

// A grouping of consecutive rows with the same key: its header is printed before the first row
// of each group, its footer (with the group's totals) after the last.
class ReportGroup
{
public:
    using KeyFunction = std::function<QVariant(const ReportContext &)>;

    explicit ReportGroup(const QString &keyColumn);
    explicit ReportGroup(KeyFunction key);

    QString keyColumn() const { return m_keyColumn; }
    const KeyFunction &keyFunction() const { return m_keyFunction; }

    ReportBand &header() { return m_header; }
    const ReportBand &header() const { return m_header; }
    ReportBand &footer() { return m_footer; }
    const ReportBand &footer() const { return m_footer; }

    // Each group after the first starts on a new page.
    bool startsNewPage() const { return m_startNewPage; }
    void setStartNewPage(bool on) { m_startNewPage = on; }
    // The header is printed again at the top of every page the group continues on.
    bool repeatsHeader() const { return m_repeatHeader; }
    void setRepeatHeader(bool on) { m_repeatHeader = on; }

private:
    friend class ReportLayout;
    QString m_keyColumn;
    KeyFunction m_keyFunction;
    ReportBand m_header;
    ReportBand m_footer;
    bool m_startNewPage = false;
    bool m_repeatHeader = false;
    mutable int m_keyIndex = -1;
};
