#include "PrintedPages.h"

#include <algorithm>

namespace PrintedPages {

QList<PageItem> textItems(const PreparedReport &report, int page)
{
    QList<PageItem> items;
    for (const PageItem &item : report.pages.at(page).items) {
        if (item.kind == PageItem::Text)
            items.append(item);
    }
    std::stable_sort(items.begin(), items.end(), [](const PageItem &a, const PageItem &b) {
        if (qAbs(a.y - b.y) > 0.01f)
            return a.y < b.y;
        return a.x < b.x;
    });
    return items;
}

QStringList texts(const PreparedReport &report, int page)
{
    QStringList result;
    for (const PageItem &item : textItems(report, page))
        result.append(item.text);
    return result;
}

QStringList allTexts(const PreparedReport &report)
{
    QStringList result;
    for (int page = 0; page < report.pages.size(); ++page)
        result += texts(report, page);
    return result;
}

int pageOf(const PreparedReport &report, const QString &text)
{
    for (int page = 0; page < report.pages.size(); ++page) {
        if (texts(report, page).contains(text))
            return page;
    }
    return -1;
}

PageItem find(const PreparedReport &report, int page, const QString &text)
{
    for (const PageItem &item : report.pages.at(page).items) {
        if (item.kind == PageItem::Text && item.text == text)
            return item;
    }
    PageItem none;
    none.kind = PageItem::Kind(0);
    return none;
}

} // namespace PrintedPages
