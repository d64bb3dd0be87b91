#include "widgets/UiSymbolPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int PictureSize = 32;

// Draws one symbol either flat (plain colours, outline) or shaded (gradient body, drop shadow,
// gloss on the upper half, shadowed glyphs).
class SymbolPainter
{
public:
    SymbolPainter(QPainter &painter, bool shaded)
        : m_p(painter)
        , m_shaded(shaded)
    {
    }

    // A filled shape with an outline: the symbol's body.
    void body(const QPainterPath &shape, const QColor &base, const QColor &outline, qreal outlineWidth = 1.2)
    {
        if (m_shaded) {
            m_p.fillPath(shape.translated(1.8, 1.8), QColor(0, 0, 0, 45));
            m_p.fillPath(shape.translated(1.0, 1.0), QColor(0, 0, 0, 60));
            const QRectF r = shape.boundingRect();
            QRadialGradient gradient(
                r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, qMax(r.width(), r.height()) * 0.85);
            gradient.setColorAt(0.0, base.lighter(165));
            gradient.setColorAt(0.45, base);
            gradient.setColorAt(1.0, base.darker(150));
            m_p.fillPath(shape, gradient);
        } else {
            m_p.fillPath(shape, base);
        }
        m_p.strokePath(shape, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }

    // The shine on the upper part of a shaded body.
    void gloss(const QPainterPath &shape)
    {
        if (!m_shaded)
            return;
        const QRectF r = shape.boundingRect();
        QPainterPath shine;
        shine.addEllipse(
            QRectF(r.left() + r.width() * 0.14, r.top() + r.height() * 0.05, r.width() * 0.72, r.height() * 0.5));
        QLinearGradient gradient(0, r.top(), 0, r.top() + r.height() * 0.55);
        gradient.setColorAt(0.0, QColor(255, 255, 255, 150));
        gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
        m_p.fillPath(shine.intersected(shape), gradient);
    }

    // A sign drawn on the body (cross, letter, face); shaded pictures give it a small shadow.
    void glyph(const QPainterPath &shape, const QColor &colour)
    {
        if (m_shaded)
            m_p.fillPath(shape.translated(0.8, 0.8), QColor(0, 0, 0, 90));
        m_p.fillPath(shape, colour);
    }

    // A stroked line as a fillable shape.
    static QPainterPath stroke(const QPainterPath &line, qreal width)
    {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(line).simplified();
    }

private:
    QPainter &m_p;
    bool m_shaded;
};

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath exclamation(qreal top, qreal bottom)
{
    QPainterPath path;
    path.moveTo(14.3, top);
    path.lineTo(17.7, top);
    path.lineTo(16.9, bottom);
    path.lineTo(15.1, bottom);
    path.closeSubpath();
    path.addPath(circle(16, bottom + 3.6, 1.9));
    return path.simplified();
}

void drawWarning(SymbolPainter &s)
{
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    s.body(triangle, QColor(255, 205, 20), QColor(90, 60, 0), 1.6);
    s.gloss(triangle);
    s.glyph(exclamation(10.0, 20.5), QColor(20, 20, 20));
}

void drawError(SymbolPainter &s)
{
    const QPainterPath disc = circle(16, 16, 14);
    s.body(disc, QColor(215, 30, 30), QColor(120, 10, 10));
    s.gloss(disc);
    QPainterPath cross;
    cross.moveTo(10.5, 10.5);
    cross.lineTo(21.5, 21.5);
    cross.moveTo(21.5, 10.5);
    cross.lineTo(10.5, 21.5);
    s.glyph(SymbolPainter::stroke(cross, 4.0), Qt::white);
}

void drawInformation(SymbolPainter &s)
{
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 29, 23));
    QPainterPath tail;
    tail.moveTo(7, 19);
    tail.lineTo(4.5, 30.5);
    tail.lineTo(14.5, 23);
    tail.closeSubpath();
    bubble = bubble.united(tail).simplified();
    s.body(bubble, QColor(235, 243, 255), QColor(30, 80, 170), 1.4);
    s.gloss(bubble);
    QPainterPath letter = circle(16, 7.2, 2.1);
    letter.addRoundedRect(QRectF(14.2, 10.5, 3.6, 10.5), 1.0, 1.0);
    letter.addRect(QRectF(12.8, 10.5, 2.0, 1.6));
    letter.addRoundedRect(QRectF(12.6, 19.6, 6.8, 1.7), 0.6, 0.6);
    s.glyph(letter.simplified(), QColor(30, 80, 170));
}

void drawQuestion(SymbolPainter &s)
{
    const QPainterPath disc = circle(16, 16, 14);
    s.body(disc, QColor(40, 110, 210), QColor(15, 50, 120));
    s.gloss(disc);
    QPainterPath hook;
    const QRectF arc(11.0, 6.0, 10.0, 10.0);
    hook.arcMoveTo(arc, 160);
    hook.arcTo(arc, 160, -225);
    hook.quadTo(16, 16.5, 16, 19.0);
    QPainterPath mark = SymbolPainter::stroke(hook, 3.3);
    mark.addPath(circle(16, 23.8, 2.0));
    s.glyph(mark.simplified(), Qt::white);
}

QPainterPath eyes()
{
    QPainterPath path;
    path.addEllipse(QRectF(10.2, 9.5, 3.2, 4.6));
    path.addEllipse(QRectF(18.6, 9.5, 3.2, 4.6));
    return path;
}

void drawFace(SymbolPainter &s, bool smiling)
{
    const QPainterPath face = circle(16, 16, 14);
    s.body(face, QColor(255, 215, 50), QColor(150, 105, 0));
    s.gloss(face);
    QPainterPath mouth;
    if (smiling) {
        mouth.moveTo(9.0, 18.0);
        mouth.cubicTo(11.0, 24.5, 21.0, 24.5, 23.0, 18.0);
    } else {
        mouth.moveTo(9.5, 24.0);
        mouth.cubicTo(11.5, 18.0, 20.5, 18.0, 22.5, 24.0);
    }
    QPainterPath features = SymbolPainter::stroke(mouth, 2.2);
    features.addPath(eyes());
    s.glyph(features.simplified(), QColor(60, 35, 0));
}

void drawKey(SymbolPainter &s)
{
    QPainterPath key = circle(9.5, 16, 6.5);
    key.addRect(QRectF(14.5, 14.4, 15.0, 3.4));
    key.addRect(QRectF(22.5, 17.0, 2.4, 4.2));
    key.addRect(QRectF(26.6, 17.0, 2.4, 3.2));
    key = key.simplified().subtracted(circle(8.6, 16, 2.4));
    s.body(key, QColor(225, 180, 40), QColor(110, 80, 0), 1.0);
    QPainterPath bar;
    bar.moveTo(4.0, 28.0);
    bar.lineTo(28.0, 4.0);
    s.glyph(SymbolPainter::stroke(bar, 5.2), Qt::white);
    s.glyph(SymbolPainter::stroke(bar, 3.2), QColor(210, 20, 20));
}

// "STOP" written with strokes, each letter in a 4.2 × 7 box.
QPainterPath stopLetters()
{
    const qreal top = 12.6, height = 6.8, width = 4.2, gap = 1.1;
    qreal x = 6.0;
    QPainterPath lines;

    // S: an upper and a lower bow meeting in the middle.
    const QRectF upper(x, top, width, height / 2);
    const QRectF lower(x, top + height / 2, width, height / 2);
    lines.arcMoveTo(upper, 20);
    lines.arcTo(upper, 20, 250);
    lines.arcTo(lower, 90, -250);
    x += width + gap;

    // T
    lines.moveTo(x, top);
    lines.lineTo(x + width, top);
    lines.moveTo(x + width / 2, top);
    lines.lineTo(x + width / 2, top + height);
    x += width + gap;

    // O
    lines.addEllipse(QRectF(x, top, width, height));
    x += width + gap;

    // P
    lines.moveTo(x, top + height);
    lines.lineTo(x, top);
    lines.lineTo(x + width - 1.8, top);
    lines.arcTo(QRectF(x + width - 3.6, top, 3.6, height * 0.55), 90, -180);
    lines.lineTo(x, top + height * 0.55);
    return SymbolPainter::stroke(lines, 1.35);
}

void drawStop(SymbolPainter &s)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * i);
        octagon << QPointF(16 + 14.6 * qCos(angle), 16 + 14.6 * qSin(angle));
    }
    QPainterPath sign;
    sign.addPolygon(octagon);
    sign.closeSubpath();
    s.body(sign, QColor(205, 25, 25), QColor(110, 0, 0));
    QPolygonF inner;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * i);
        inner << QPointF(16 + 12.6 * qCos(angle), 16 + 12.6 * qSin(angle));
    }
    QPainterPath rim;
    rim.addPolygon(inner);
    rim.closeSubpath();
    s.glyph(SymbolPainter::stroke(rim, 1.1), Qt::white);
    s.gloss(sign);
    s.glyph(stopLetters(), Qt::white);
}

void drawStopwatch(SymbolPainter &s)
{
    QPainterPath watch = circle(16, 18.5, 12.5);
    watch.addRoundedRect(QRectF(13.0, 1.0, 6.0, 3.0), 1.0, 1.0);
    watch.addRect(QRectF(14.8, 3.5, 2.4, 3.0));
    QPainterPath button;
    button.addRoundedRect(QRectF(-1.6, -1.2, 3.2, 4.2), 0.8, 0.8);
    QTransform side;
    side.translate(25.6, 7.6);
    side.rotate(45);
    watch.addPath(side.map(button));
    watch = watch.simplified();
    s.body(watch, QColor(165, 170, 180), QColor(45, 50, 60));

    const QPainterPath face = circle(16, 18.5, 10.0);
    s.body(face, QColor(250, 250, 245), QColor(80, 85, 95), 0.8);
    s.gloss(face);

    QPainterPath ticks;
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(30.0 * i);
        const qreal inner = (i % 3 == 0) ? 6.8 : 8.0;
        ticks.moveTo(16 + inner * qSin(angle), 18.5 - inner * qCos(angle));
        ticks.lineTo(16 + 9.0 * qSin(angle), 18.5 - 9.0 * qCos(angle));
    }
    s.glyph(SymbolPainter::stroke(ticks, 1.0), QColor(50, 50, 60));

    QPainterPath hand;
    hand.moveTo(16, 18.5);
    hand.lineTo(16 + 7.0 * qSin(qDegreesToRadians(40.0)), 18.5 - 7.0 * qCos(qDegreesToRadians(40.0)));
    QPainterPath hands = SymbolPainter::stroke(hand, 1.5);
    hands.addPath(circle(16, 18.5, 1.6));
    s.glyph(hands.simplified(), QColor(200, 20, 20));
}

} // namespace

bool isSymbolPicture(const QString &name)
{
    if (!name.startsWith(QLatin1Char('D')))
        return false;
    bool ok = false;
    const int number = name.mid(1).toInt(&ok);
    if (!ok || name.mid(1) != QString::number(number))
        return false;
    return (number >= 1 && number <= 9) || (number >= 11 && number <= 19);
}

QImage symbolImage(const QString &name)
{
    if (!isSymbolPicture(name))
        return QImage();
    const int number = name.mid(1).toInt();
    const bool shaded = number > 10;
    const int symbol = shaded ? number - 10 : number;

    QImage image(PictureSize, PictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (shaded) {
        // Leave room for the drop shadow at the right and bottom.
        p.scale(30.0 / PictureSize, 30.0 / PictureSize);
    }
    SymbolPainter s(p, shaded);
    switch (symbol) {
    case 1:
        drawWarning(s);
        break;
    case 2:
        drawError(s);
        break;
    case 3:
        drawInformation(s);
        break;
    case 4:
        drawQuestion(s);
        break;
    case 5:
        drawFace(s, true);
        break;
    case 6:
        drawFace(s, false);
        break;
    case 7:
        drawKey(s);
        break;
    case 8:
        drawStop(s);
        break;
    case 9:
        drawStopwatch(s);
        break;
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPixmap symbolPicture(const QString &name)
{
    return QPixmap::fromImage(symbolImage(name));
}
