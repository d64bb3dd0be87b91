#pragma once

#include "printing/PreparedReport.h"

#include <QStringList>

// Reading prepared pages in tests: texts in reading order (top to bottom, left to right).
namespace PrintedPages {

QList<PageItem> textItems(const PreparedReport &report, int page);
QStringList texts(const PreparedReport &report, int page);
QStringList allTexts(const PreparedReport &report);
// The page (0-based) holding an item with exactly this text, -1 when none.
int pageOf(const PreparedReport &report, const QString &text);
// The first text item with exactly this text on the page; kind 0 when there is none.
PageItem find(const PreparedReport &report, int page, const QString &text);

} // namespace PrintedPages
