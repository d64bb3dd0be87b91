#include "widgets/UiLogo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// One lance-shaped sage leaf along the x axis from 0 to length, its stalk to the left of 0.
void drawLeaf(QPainter &p, qreal length, qreal width, const QColor &light, const QColor &dark)
{
    QPainterPath blade;
    blade.moveTo(0, 0);
    blade.cubicTo(length * 0.25, -width * 0.75, length * 0.7, -width * 0.55, length, 0);
    blade.cubicTo(length * 0.7, width * 0.55, length * 0.25, width * 0.75, 0, 0);

    QLinearGradient fill(0, -width / 2, 0, width / 2);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), 1.2));
    p.setBrush(fill);
    p.drawPath(blade);

    // Stalk, midrib and the side veins that give sage its quilted look.
    QPen vein(dark.darker(140), 1.0);
    vein.setCapStyle(Qt::RoundCap);
    p.setPen(QPen(dark.darker(140), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-length * 0.12, width * 0.05), QPointF(0, 0));
    p.setPen(vein);
    p.drawLine(QPointF(0, 0), QPointF(length * 0.93, 0));
    for (int i = 1; i <= 6; ++i) {
        const qreal x = length * (0.1 + 0.12 * i);
        const qreal reach = width * 0.42 * (1.0 - qAbs(x / length - 0.45) * 1.1);
        p.drawLine(QPointF(x - length * 0.06, 0), QPointF(x + length * 0.02, -reach));
        p.drawLine(QPointF(x - length * 0.06, 0), QPointF(x + length * 0.02, reach));
    }
}

void drawSprig(QPainter &p, qreal scale)
{
    const QColor sage(160, 190, 150);
    const QColor sageDark(95, 130, 95);
    p.save();
    p.scale(scale, scale);
    // The stem with two leaves, one above the other.
    p.setPen(QPen(sageDark.darker(130), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(10, 118);
    stem.quadTo(30, 80, 58, 30);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);

    p.save();
    p.translate(36, 74);
    p.rotate(-62);
    drawLeaf(p, 70, 30, sage.lighter(115), sageDark);
    p.restore();

    p.save();
    p.translate(26, 92);
    p.rotate(-15);
    drawLeaf(p, 78, 34, sage, sageDark);
    p.restore();
    p.restore();
}

} // namespace

QPixmap salviaLogo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal unit = size.height() / 180.0;
    p.save();
    p.translate(size.width() * 0.02, size.height() * 0.04);
    drawSprig(p, unit * 1.1);
    p.restore();

    // The name, set in a light italic serif, with a faint shadow so it reads on any ground.
    QFont font(QStringLiteral("serif"));
    font.setStyleHint(QFont::Serif);
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(qRound(46 * unit));
    p.setFont(font);
    const QRectF textRect(size.width() * 0.36, size.height() * 0.45, size.width() * 0.62, size.height() * 0.40);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(textRect.translated(2 * unit, 2 * unit), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Salvia"));
    p.setPen(QColor(244, 248, 240));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Salvia"));

    // A thin sage rule under the name.
    const qreal ruleY = textRect.bottom() - 4 * unit;
    p.setPen(QPen(QColor(160, 190, 150), 2 * unit, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(textRect.left() + 4 * unit, ruleY), QPointF(size.width() - 12 * unit, ruleY));
    return pixmap;
}

QPixmap salviaIcon(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side * 0.1, side * 0.0);
    drawSprig(p, side / 130.0);
    return pixmap;
}
