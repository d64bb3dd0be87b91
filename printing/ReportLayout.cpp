#include "printing/ReportLayout.h"

#include "core/Dates.h"
#include "printing/Report.h"
#include "printing/ReportData.h"
#include "printing/TextFit.h"
#include "printing/ValueFormat.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {
// Rounding slack for comparisons of millimetre positions.
constexpr double Epsilon = 1e-6;

quint32 argb(const QColor &color)
{
    return color.isValid() ? color.rgba() : 0;
}

quint16 hundredths(double millimetres)
{
    return quint16(qBound(0.0, std::round(millimetres * 100), 65535.0));
}
} // namespace

void ReportLayout::Total::add(double value)
{
    // Neumaier's compensated sum: the total of many amounts stays exact to the last cent.
    const double next = sum + value;
    if (std::fabs(sum) >= std::fabs(value))
        compensation += (sum - next) + value;
    else
        compensation += (value - next) + sum;
    sum = next;
    ++count;
}

PreparedReport ReportLayout::prepare(Report &report, QString *error)
{
    ReportLayout layout(report);
    PreparedReport prepared = layout.run();
    if (error)
        *error = layout.m_error;
    return prepared;
}

ReportLayout::ReportLayout(Report &report)
    : m_report(report)
{
}

PreparedReport ReportLayout::run()
{
    m_out.jobTitle = m_report.jobTitle();
    m_out.pageSize = m_report.pageSize();
    m_baseFont = m_report.baseFont();
    m_out.fontIndex(m_baseFont);

    const QMarginsF margins = m_report.margins();
    m_left = margins.left();
    m_top = margins.top();
    m_contentWidth = m_report.contentWidth();
    m_footerTop = m_out.pageSize.height() - margins.bottom() - chainHeight(m_report.pageFooter());
    m_bodyBottom = m_footerTop;

    const ReportData *data = m_report.data();
    m_context.m_data = data;
    m_context.m_printTime = m_report.printTime().isValid() ? m_report.printTime() : QDateTime::currentDateTime();
    m_rowCount = data ? data->rowCount() : 0;

    auto &groups = m_report.groups();
    const int groupCount = int(groups.size());
    resolve(m_report.pageHeader());
    resolve(m_report.title());
    resolve(m_report.detail());
    resolve(m_report.summary());
    resolve(m_report.pageFooter());
    for (int g = 0; g < groupCount; ++g) {
        ReportGroup &group = groups[size_t(g)];
        group.m_keyIndex = data && !group.keyColumn().isEmpty() ? data->columnIndex(group.keyColumn()) : -1;
        resolve(group.header());
        resolve(group.footer());
    }
    m_totals.assign(size_t(groupCount + 1), std::vector<Total>(m_slots.size()));
    m_groupOpen.assign(size_t(groupCount), false);
    m_groupFirstRow.assign(size_t(groupCount), -1);
    m_context.m_groupNumbers.assign(size_t(groupCount), 0);

    startPage();
    placeChain(m_report.title(), 0);

    std::vector<QVariant> keys;
    for (int row = 0; row < m_rowCount; ++row) {
        m_context.m_row = row;
        std::vector<QVariant> next = groupKeys();
        int changed = groupCount;
        if (row == 0) {
            changed = 0;
        } else {
            for (int g = 0; g < groupCount; ++g) {
                if (next[size_t(g)] != keys[size_t(g)]) {
                    changed = g;
                    break;
                }
            }
            if (changed < groupCount) {
                m_context.m_row = row - 1;
                for (int g = groupCount - 1; g >= changed; --g)
                    closeGroup(g);
                m_context.m_row = row;
            }
        }
        for (int g = changed; g < groupCount; ++g)
            openGroup(g, row > 0);
        keys = std::move(next);
        accumulate();
        placeChain(m_report.detail(), 0);
    }

    m_context.m_row = m_rowCount - 1;
    if (m_rowCount > 0) {
        for (int g = groupCount - 1; g >= 0; --g)
            closeGroup(g);
    }
    placeChain(m_report.summary(), 0);
    finishPage(true);

    const QString pageCount = QString::number(m_out.pages.size());
    for (const auto &[page, item] : std::as_const(m_pageCountItems))
        m_out.pages[page].items[item].text = pageCount;
    return std::move(m_out);
}

void ReportLayout::resolve(ReportBand &band)
{
    const ReportData *data = m_report.data();
    for (ReportElement &element : band.elements()) {
        element.m_fontIndex = m_out.fontIndex(element.resolvedFont(m_baseFont));
        element.m_columnIndex = -1;
        element.m_slot = -1;
        switch (element.kind()) {
        case ReportElement::Kind::Field:
        case ReportElement::Kind::PictureField:
        case ReportElement::Kind::Sum:
        case ReportElement::Kind::Count:
            if (data && !element.column().isEmpty()) {
                element.m_columnIndex = data->columnIndex(element.column());
                if (element.m_columnIndex < 0)
                    qWarning("Report column not found: %s", qPrintable(element.column()));
            }
            if (element.kind() == ReportElement::Kind::Sum || element.kind() == ReportElement::Kind::Count)
                element.m_slot = slotFor(element);
            break;
        case ReportElement::Kind::Picture:
            element.m_slot = element.image().isNull() ? -1 : m_out.imageIndex(element.image());
            break;
        default:
            break;
        }
    }
    if (band.childBand())
        resolve(*band.childBand());
}

int ReportLayout::slotFor(const ReportElement &element)
{
    if (!element.valueFunction()) {
        for (size_t i = 0; i < m_slots.size(); ++i) {
            if (!m_slots[i].function && m_slots[i].column == element.m_columnIndex)
                return int(i);
        }
    }
    Slot slot;
    slot.column = element.m_columnIndex;
    slot.function = element.valueFunction() ? &element : nullptr;
    m_slots.push_back(slot);
    return int(m_slots.size()) - 1;
}

void ReportLayout::accumulate()
{
    const ReportData *data = m_report.data();
    const int row = m_context.m_row;
    for (size_t s = 0; s < m_slots.size(); ++s) {
        const Slot &slot = m_slots[s];
        double value = 0;
        if (slot.function) {
            value = slot.function->valueFunction()(m_context);
        } else if (slot.column >= 0) {
            const QVariant cell = data->value(row, slot.column);
            if (cell.isNull() || (cell.metaType().id() == QMetaType::QString && cell.toString().isEmpty()))
                continue; // an empty cell is neither summed nor counted
            value = cell.toDouble();
        }
        for (auto &level : m_totals)
            level[s].add(value);
    }
}

std::vector<QVariant> ReportLayout::groupKeys() const
{
    std::vector<QVariant> keys;
    for (const ReportGroup &group : m_report.groups()) {
        if (group.keyFunction())
            keys.push_back(group.keyFunction()(m_context));
        else
            keys.push_back(m_context.value(group.m_keyIndex));
    }
    return keys;
}

void ReportLayout::openGroup(int group, bool afterFirst)
{
    ReportGroup &g = m_report.groups()[size_t(group)];
    for (Total &total : m_totals[size_t(group + 1)])
        total = Total();
    ++m_context.m_groupNumbers[size_t(group)];
    m_groupFirstRow[size_t(group)] = m_context.m_row;
    if (g.startsNewPage() && afterFirst && m_bodyOnPage) {
        finishPage(false);
        startPage();
    }
    placeChain(g.header(), group + 1, m_report.detail().isEnabled() ? m_report.detail().height() : 0);
    m_groupOpen[size_t(group)] = true;
}

void ReportLayout::closeGroup(int group)
{
    placeChain(m_report.groups()[size_t(group)].footer(), group + 1);
    m_groupOpen[size_t(group)] = false;
}

void ReportLayout::startPage()
{
    m_out.pages.append(PreparedReport::Page());
    m_context.m_page = int(m_out.pages.size());
    m_y = m_top;
    m_bodyOnPage = false;
    if (m_context.m_page > 1 || m_report.pageHeaderOnFirstPage())
        placeChain(m_report.pageHeader(), 0, 0, false);
    // A repeated group header shows the group's first row, as it did above the group's start.
    auto &groups = m_report.groups();
    const int row = m_context.m_row;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (m_groupOpen[g] && groups[g].repeatsHeader()) {
            m_context.m_row = m_groupFirstRow[g];
            placeChain(groups[g].header(), int(g) + 1, 0, false);
        }
    }
    m_context.m_row = row;
}

void ReportLayout::finishPage(bool last)
{
    if (last && !m_report.pageFooterOnLastPage())
        return;
    m_y = m_footerTop;
    placeChain(m_report.pageFooter(), 0, 0, false);
}

double ReportLayout::chainHeight(ReportBand &band) const
{
    if (!band.isEnabled())
        return 0;
    double height = band.isUsed() ? band.height() : 0;
    if (band.childBand())
        height += chainHeight(*band.childBand());
    return height;
}

void ReportLayout::placeChain(ReportBand &band, int level, double keepSpace, bool body)
{
    if (!band.isEnabled())
        return;
    if (band.isUsed()) {
        if (band.beforePrint() && !band.beforePrint()(m_context))
            return;
        if (band.keepsWithChild() && band.childBand())
            keepSpace += chainHeight(*band.childBand());
        placeBand(band, level, keepSpace, body);
    }
    if (band.childBand())
        placeChain(*band.childBand(), level, 0, body);
}

void ReportLayout::placeBand(ReportBand &band, int level, double keepSpace, bool body)
{
    if (m_pendingPool.size() <= size_t(m_depth))
        m_pendingPool.resize(size_t(m_depth) + 1); // a deque: the outer levels' buffers stay put
    std::vector<Pending> &pending = m_pendingPool[size_t(m_depth)];
    pending.clear();

    double height = band.height();
    for (const ReportElement &element : band.elements()) {
        if (!element.isVisible())
            continue;
        Pending entry {&element, QString(), QStringList(), -1, element.m_fontIndex, 0};
        if (element.isText()) {
            if (band.fontFunction()) {
                ReportFont font = m_out.fonts.at(element.m_fontIndex);
                band.fontFunction()(font, m_context);
                entry.font = m_out.fontIndex(font);
            }
            entry.text = textOf(element, level);
            if (element.wordWrap()) {
                const ReportFont font = m_out.fonts.at(entry.font);
                entry.lines = m_measure.breakLines(font, entry.text, element.rect().width());
                const double textHeight = entry.lines.size() * m_measure.lineHeight(font);
                height = std::max(height, element.rect().top() + std::max(textHeight, element.rect().height()));
            } else if (element.isWhole(entry.text)) {
                fitFigure(entry);
            }
        } else if (element.kind() == ReportElement::Kind::Picture
            || element.kind() == ReportElement::Kind::PictureField) {
            entry.image = pictureOf(element);
        }
        pending.push_back(std::move(entry));
    }

    if (body && m_bodyOnPage && m_y + height + keepSpace > m_bodyBottom + Epsilon) {
        ++m_depth;
        finishPage(false);
        startPage();
        --m_depth;
    }
    emitItems(band, pending, height);
    m_y += height;
    if (body)
        m_bodyOnPage = true;
}

void ReportLayout::fitFigure(Pending &entry)
{
    const double box = entry.element->rect().width();
    const ReportFont font = m_out.fonts.at(entry.font);
    const ReportFont fitted = TextFit::fitted(m_measure, font, entry.text, box);
    if (fitted == font)
        return;
    entry.font = m_out.fontIndex(fitted);
    const double width = m_measure.width(fitted, entry.text);
    if (width > box)
        entry.width = width;
}

QString ReportLayout::textOf(const ReportElement &element, int level) const
{
    switch (element.kind()) {
    case ReportElement::Kind::Label:
        return element.text();
    case ReportElement::Kind::Field:
        if (m_context.m_row < 0 || element.m_columnIndex < 0)
            return QString();
        return ValueFormat::text(m_context.value(element.m_columnIndex), element.format(), element.dateFormat());
    case ReportElement::Kind::Sum: {
        const double value = m_totals[size_t(level)][size_t(element.m_slot)].value();
        return ValueFormat::text(QVariant(value), element.format(), QString());
    }
    case ReportElement::Kind::Count: {
        const qint64 count = m_totals[size_t(level)][size_t(element.m_slot)].count;
        return element.format().isEmpty() ? QString::number(count)
                                          : ValueFormat::number(element.format(), double(count));
    }
    case ReportElement::Kind::Expression:
        return element.textFunction() ? element.textFunction()(m_context) : QString();
    case ReportElement::Kind::System: {
        const QDateTime time = m_context.m_printTime;
        const QString pattern = element.dateFormat();
        switch (element.systemField()) {
        case ReportElement::SystemField::PageNumber:
        case ReportElement::SystemField::PageCount:
            return QString(); // known only when the band is placed
        case ReportElement::SystemField::Date:
            return pattern.isEmpty() ? Dates::shortText(time.date()) : time.toString(pattern);
        case ReportElement::SystemField::Time:
            return time.toString(pattern.isEmpty() ? QStringLiteral("hh:mm:ss") : pattern);
        case ReportElement::SystemField::DateTime:
            return pattern.isEmpty() ? Dates::shortDateTimeText(time) : time.toString(pattern);
        }
        return QString();
    }
    default:
        return QString();
    }
}

int ReportLayout::pictureOf(const ReportElement &element)
{
    if (element.kind() == ReportElement::Kind::Picture)
        return element.m_slot;
    QString name;
    if (element.textFunction())
        name = element.textFunction()(m_context).trimmed();
    else if (m_context.m_row >= 0 && element.m_columnIndex >= 0)
        name = m_context.value(element.m_columnIndex).toString().trimmed();
    if (name.isEmpty())
        return -1;
    const QString path = QFileInfo(name).isAbsolute() ? name : QDir(element.folder()).filePath(name);
    auto found = m_pictures.constFind(path);
    if (found == m_pictures.constEnd()) {
        const QImage image(path);
        found = m_pictures.insert(path, image.isNull() ? -1 : m_out.imageIndex(image));
    }
    if (found.value() < 0 && element.isRequired() && m_error.isEmpty())
        m_error = QStringLiteral("A fájl nem nyitható meg:\r") + QDir::toNativeSeparators(path);
    return found.value();
}

void ReportLayout::emitItems(const ReportBand &band, const std::vector<Pending> &pending, double height)
{
    QList<PageItem> &items = m_out.pages.last().items;
    const double top = m_y;

    if (band.background()) {
        const QColor color = band.background()(m_context);
        if (color.isValid()) {
            PageItem item;
            item.kind = PageItem::Rect;
            item.x = float(m_left);
            item.y = float(top);
            item.w = float(m_contentWidth);
            item.h = float(height);
            item.penWidth = 0;
            item.fill = argb(color);
            items.append(item);
        }
    }

    for (const Pending &entry : pending) {
        const ReportElement &element = *entry.element;
        const QRectF rect = element.rect();
        PageItem item;
        item.x = float(m_left + rect.left());
        item.y = float(top + rect.top());
        item.w = float(rect.width());
        item.h = float(rect.height());
        item.color = argb(element.color());

        switch (element.kind()) {
        case ReportElement::Kind::Line:
            item.kind = PageItem::Line;
            item.penWidth = hundredths(element.penWidth());
            if (element.stretchToBand())
                item.h = float(height - rect.top());
            items.append(item);
            continue;
        case ReportElement::Kind::Rectangle:
            item.kind = PageItem::Rect;
            item.penWidth = hundredths(element.penWidth());
            item.fill = argb(element.fill());
            if (element.stretchToBand())
                item.h = float(height - rect.top());
            items.append(item);
            continue;
        case ReportElement::Kind::Picture:
        case ReportElement::Kind::PictureField: {
            if (entry.image < 0)
                continue;
            item.kind = PageItem::Picture;
            item.image = entry.image;
            const QSize size = m_out.images.at(entry.image).size();
            if (element.keepAspect() && size.width() > 0 && size.height() > 0) {
                const double scale = std::min(rect.width() / size.width(), rect.height() / size.height());
                const double w = size.width() * scale;
                const double h = size.height() * scale;
                const Qt::Alignment align = element.alignment();
                double x = rect.left();
                double y = rect.top();
                if (align & Qt::AlignRight)
                    x = rect.right() - w;
                else if (align & Qt::AlignHCenter)
                    x = rect.left() + (rect.width() - w) / 2;
                if (align & Qt::AlignBottom)
                    y = rect.bottom() - h;
                else if (align & Qt::AlignVCenter)
                    y = rect.top() + (rect.height() - h) / 2;
                item.x = float(m_left + x);
                item.y = float(top + y);
                item.w = float(w);
                item.h = float(h);
            }
            items.append(item);
            continue;
        }
        default:
            break;
        }

        // Text elements.
        item.kind = PageItem::Text;
        item.font = quint16(entry.font);
        item.flags = quint16(element.alignment());
        item.fill = argb(element.fill());
        if (element.kind() == ReportElement::Kind::System) {
            if (element.systemField() == ReportElement::SystemField::PageNumber) {
                item.text = QString::number(m_context.m_page);
            } else if (element.systemField() == ReportElement::SystemField::PageCount) {
                m_pageCountItems.append({int(m_out.pages.size()) - 1, int(items.size())});
                items.append(item);
                continue;
            } else {
                item.text = entry.text;
            }
        } else if (element.wordWrap() && entry.lines.size() > 1) {
            const double lineHeight = m_measure.lineHeight(m_out.fonts.at(item.font));
            item.h = float(lineHeight);
            item.flags = quint16((element.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
            for (int i = 0; i < entry.lines.size(); ++i) {
                if (entry.lines.at(i).isEmpty())
                    continue;
                item.y = float(top + rect.top() + i * lineHeight);
                item.text = entry.lines.at(i);
                items.append(item);
            }
            continue;
        } else {
            item.text = entry.text;
            if (entry.width > 0) {
                const double grow = entry.width - rect.width();
                if (element.alignment() & Qt::AlignRight)
                    item.x -= float(grow);
                else if (element.alignment() & Qt::AlignHCenter)
                    item.x -= float(grow / 2);
                item.w = float(entry.width);
            }
        }
        if (item.text.isEmpty() && !item.fill)
            continue;
        items.append(item);
    }
}
