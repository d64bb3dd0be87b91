#include "widgets/UiAllergenPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

namespace {

constexpr int PictureSize = 32;
constexpr qreal Centre = 16.0;
constexpr qreal BadgeRadius = 15.3;
constexpr qreal InnerRadius = 12.7;

// Dark brown ink for every pictogram's outline: it carries the shape in black-and-white print.
const QColor Ink(45, 30, 15);

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

// An ellipse of the given width and height around (cx, cy), turned by angle degrees (clockwise).
QPainterPath ellipse(qreal cx, qreal cy, qreal width, qreal height, qreal angle = 0)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), width / 2, height / 2);
    QTransform t;
    t.translate(cx, cy);
    t.rotate(angle);
    return t.map(path);
}

QPainterPath turned(const QPainterPath &path, qreal angle, qreal cx = Centre, qreal cy = Centre)
{
    QTransform t;
    t.translate(cx, cy);
    t.rotate(angle);
    t.translate(-cx, -cy);
    return t.map(path);
}

// A stroked line as a fillable shape.
QPainterPath stroke(const QPainterPath &line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    QPainterPath path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    return path;
}

// The colour mixed with white: weight 0 is white, 1 the colour itself.
QColor tint(const QColor &colour, qreal weight)
{
    return QColor::fromRgbF(1.0 - (1.0 - colour.redF()) * weight, 1.0 - (1.0 - colour.greenF()) * weight,
        1.0 - (1.0 - colour.blueF()) * weight);
}

// A filled shape with an ink outline.
void part(QPainter &p, const QPainterPath &shape, const QColor &fill, qreal outlineWidth = 0.9)
{
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(Ink, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The round badge every allergen mark sits in: a ring in the group's colour around a pale disc.
void badge(QPainter &p, const QColor &colour)
{
    p.fillPath(circle(Centre, Centre, BadgeRadius), colour);
    p.strokePath(circle(Centre, Centre, BadgeRadius), QPen(colour.darker(160), 0.9));
    p.fillPath(circle(Centre, Centre, InnerRadius), tint(colour, 0.10));
}

// 01: an ear of wheat, kernels in pairs up a stem, slightly leaning.
void drawGluten(QPainter &p)
{
    const QColor grain(236, 186, 62);
    QPainterPath stem = stroke(line(16, 27.0, 16, 9), 1.4);
    QPainterPath leaf;
    leaf.moveTo(16, 25.5);
    leaf.quadTo(20.5, 24.5, 22.5, 19.5);
    leaf.quadTo(18.5, 21.0, 16, 23.0);
    leaf.closeSubpath();
    part(p, turned(stem.united(leaf), 14), QColor(150, 120, 40), 0.7);
    const qreal rows[] = {21.0, 16.2, 11.4};
    for (const qreal y : rows) {
        part(p, turned(ellipse(13.4, y, 3.9, 6.6, -32), 14), grain);
        part(p, turned(ellipse(18.6, y, 3.9, 6.6, 32), 14), grain);
    }
    part(p, turned(ellipse(16, 7.6, 3.6, 6.2), 14), grain);
}

// 02: a crab seen from above, claws raised.
void drawCrustacean(QPainter &p)
{
    QPainterPath legs;
    for (const qreal side : {-1.0, 1.0}) {
        auto x = [side](qreal dx) { return Centre + side * dx; };
        QPainterPath leg;
        leg.moveTo(x(5.0), 18.2);
        leg.lineTo(x(9.0), 16.4);
        leg.lineTo(x(11.0), 18.6);
        leg.moveTo(x(5.5), 20.5);
        leg.lineTo(x(9.8), 20.4);
        leg.lineTo(x(11.4), 23.0);
        leg.moveTo(x(4.5), 22.5);
        leg.lineTo(x(7.6), 24.6);
        leg.lineTo(x(8.4), 26.6);
        leg.moveTo(x(4.0), 16.5);
        leg.lineTo(x(6.2), 12.5);
        legs.addPath(leg);
    }
    QPainterPath crab = stroke(legs, 1.5);
    crab = crab.united(ellipse(16, 19.3, 14.5, 10.0));
    for (const qreal side : {-1.0, 1.0}) {
        // A pincer: a round claw with a wedge cut out of its top.
        const qreal cx = Centre + side * 6.6, cy = 9.6;
        QPainterPath claw = ellipse(cx, cy, 6.4, 6.0);
        QPainterPath gap;
        gap.moveTo(cx - side * 0.2, cy + 0.6);
        gap.lineTo(cx - side * 1.2, cy - 4.2);
        gap.lineTo(cx + side * 2.2, cy - 3.6);
        gap.closeSubpath();
        crab = crab.united(turned(claw.subtracted(gap), side * -20, cx, cy));
    }
    part(p, crab.simplified(), QColor(226, 70, 40));
    // Eyes on short stalks.
    part(p, stroke(line(14.2, 14.9, 13.6, 12.6), 1.0).united(stroke(line(17.8, 14.9, 18.4, 12.6), 1.0)), Ink, 0.2);
    p.fillPath(circle(13.5, 12.3, 1.25).united(circle(18.5, 12.3, 1.25)), Ink);
    // Shell markings.
    QPainterPath marks;
    marks.moveTo(12.5, 21.5);
    marks.quadTo(16, 23.8, 19.5, 21.5);
    p.strokePath(marks, QPen(QColor(140, 30, 15), 0.9, Qt::SolidLine, Qt::RoundCap));
}

// 03: a hen's egg with a shine.
void drawEgg(QPainter &p)
{
    QPainterPath egg;
    egg.moveTo(16, 5.6);
    egg.cubicTo(20.8, 5.6, 23.4, 12.6, 23.4, 18.4);
    egg.cubicTo(23.4, 23.6, 20.2, 27.0, 16, 27.0);
    egg.cubicTo(11.8, 27.0, 8.6, 23.6, 8.6, 18.4);
    egg.cubicTo(8.6, 12.6, 11.2, 5.6, 16, 5.6);
    part(p, egg, QColor(246, 222, 180), 1.1);
    p.fillPath(ellipse(12.7, 12.6, 2.6, 5.0, 25), Qt::white);
}

// 04: a fish swimming to the left.
void drawFish(QPainter &p)
{
    QPainterPath fish;
    fish.moveTo(5.2, 16.5);
    fish.cubicTo(8.5, 10.0, 17.5, 8.5, 22.5, 15.0);
    fish.lineTo(27.2, 10.8);
    fish.quadTo(25.4, 16.0, 27.2, 21.2);
    fish.lineTo(22.5, 17.4);
    fish.cubicTo(17.5, 23.8, 8.5, 22.6, 5.2, 16.5);
    fish.closeSubpath();
    QPainterPath fin;
    fin.moveTo(12.5, 11.3);
    fin.quadTo(15.0, 7.2, 19.0, 8.2);
    fin.quadTo(17.6, 9.8, 17.8, 11.8);
    fin.closeSubpath();
    part(p, fin, QColor(70, 130, 200));
    part(p, fish, QColor(110, 170, 230));
    QPainterPath gill;
    gill.moveTo(11.6, 12.4);
    gill.quadTo(13.6, 16.3, 11.6, 20.4);
    p.strokePath(gill, QPen(Ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.fillPath(circle(8.9, 15.2, 1.7), Qt::white);
    p.fillPath(circle(8.7, 15.2, 1.0), Ink);
}

// 05: a peanut in its waisted shell, lying diagonally.
void drawPeanut(QPainter &p)
{
    QPainterPath nut = circle(16, 10.6, 5.2);
    nut = nut.united(circle(16, 21.4, 5.6));
    nut = nut.united(ellipse(16, 16, 7.6, 9.0)).simplified();
    nut = turned(nut, 40);
    part(p, nut, QColor(214, 168, 106), 1.1);
    // The net pattern of the shell as rows of dots.
    QPainterPath dots;
    for (int row = 0; row < 6; ++row) {
        for (int col = -1; col <= 1; ++col) {
            const qreal y = 7.4 + row * 3.4 + (col == 0 ? 1.7 : 0.0);
            dots.addPath(circle(16 + col * 2.9, y, 0.62));
        }
    }
    p.fillPath(turned(dots, 40).intersected(nut), QColor(140, 95, 40));
}

// 06: a soybean pod with three beans.
void drawSoy(QPainter &p)
{
    const QPointF beans[] = {{10.6, 20.8}, {16.0, 16.2}, {21.2, 11.0}};
    QPainterPath spine;
    spine.moveTo(beans[0]);
    spine.quadTo(QPointF(16.0, 17.4), beans[2]);
    QPainterPath pod = stroke(spine, 6.0);
    for (const QPointF &b : beans)
        pod = pod.united(circle(b.x(), b.y(), 3.9));
    QPainterPath tip = stroke(line(8.4, 23.2, 7.2, 25.0), 1.2);
    QPainterPath stalk = stroke(line(23.2, 9.0, 24.8, 7.0), 1.5);
    part(p, pod.united(tip).united(stalk).simplified(), QColor(118, 168, 58));
    for (const QPointF &b : beans)
        part(p, ellipse(b.x(), b.y(), 5.0, 4.2, -40), QColor(222, 222, 128), 0.7);
}

// 07: a milk bottle with a cap and a label band.
void drawMilk(QPainter &p)
{
    QPainterPath bottle;
    bottle.moveTo(13.2, 8.6);
    bottle.lineTo(18.8, 8.6);
    bottle.lineTo(18.8, 10.6);
    bottle.quadTo(21.8, 12.6, 21.8, 15.6);
    bottle.lineTo(21.8, 25.2);
    bottle.quadTo(21.8, 27.0, 20.0, 27.0);
    bottle.lineTo(12.0, 27.0);
    bottle.quadTo(10.2, 27.0, 10.2, 25.2);
    bottle.lineTo(10.2, 15.6);
    bottle.quadTo(10.2, 12.6, 13.2, 10.6);
    bottle.closeSubpath();
    part(p, bottle, Qt::white, 1.1);
    QPainterPath band;
    band.addRect(QRectF(10.2, 17.0, 11.6, 6.0));
    p.fillPath(band.intersected(bottle), QColor(60, 150, 215));
    // A drop on the label.
    QPainterPath drop;
    drop.moveTo(16, 17.8);
    drop.cubicTo(17.2, 19.4, 18.0, 20.2, 18.0, 21.0);
    drop.cubicTo(18.0, 22.2, 14.0, 22.2, 14.0, 21.0);
    drop.cubicTo(14.0, 20.2, 14.8, 19.4, 16, 17.8);
    p.fillPath(drop, Qt::white);
    p.strokePath(bottle, QPen(Ink, 1.1));
    QPainterPath cap;
    cap.addRoundedRect(QRectF(12.4, 5.0, 7.2, 3.8), 1.0, 1.0);
    part(p, cap, QColor(30, 95, 175));
}

// 08: a hazelnut, pointed at the top, sitting in its leafy husk.
void drawTreeNut(QPainter &p)
{
    QPolygonF husk;
    for (int i = 0; i <= 12; ++i) {
        const qreal angle = qDegreesToRadians(-12.0 + i * 204.0 / 12);
        const qreal r = (i % 2 == 0) ? 10.2 : 7.8;
        husk << QPointF(16 + r * qCos(angle), 17.6 + r * qSin(angle));
    }
    QPainterPath leaves;
    leaves.addPolygon(husk);
    leaves.closeSubpath();
    part(p, leaves.united(circle(16, 19.6, 7.4)).simplified(), QColor(120, 170, 60), 0.9);
    QPainterPath nut;
    nut.moveTo(16, 6.0);
    nut.cubicTo(18.6, 8.0, 23.2, 11.4, 23.2, 16.6);
    nut.cubicTo(23.2, 21.0, 20.0, 23.6, 16, 23.6);
    nut.cubicTo(12.0, 23.6, 8.8, 21.0, 8.8, 16.6);
    nut.cubicTo(8.8, 11.4, 13.4, 8.0, 16, 6.0);
    p.fillPath(nut, QColor(168, 98, 40));
    QPainterPath streaks;
    streaks.moveTo(12.8, 10.4);
    streaks.quadTo(11.0, 14.0, 11.6, 18.6);
    streaks.moveTo(16.0, 8.2);
    streaks.lineTo(16.0, 19.6);
    streaks.moveTo(19.2, 10.4);
    streaks.quadTo(21.0, 14.0, 20.4, 18.6);
    p.strokePath(streaks, QPen(QColor(110, 58, 20), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.fillPath(ellipse(12.9, 13.4, 1.6, 4.0, 20), QColor(214, 150, 86));
    p.strokePath(nut, QPen(Ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// 09: a bunch of celery stalks with leaves on top.
void drawCelery(QPainter &p)
{
    const QColor leafColour(64, 140, 50);
    const QPointF tops[] = {{9.6, 11.0}, {16.0, 8.8}, {22.4, 11.0}};
    for (const QPointF &t : tops) {
        QPainterPath leaves = circle(t.x(), t.y() - 1.6, 2.3);
        leaves = leaves.united(circle(t.x() - 2.1, t.y() + 0.2, 2.1));
        leaves = leaves.united(circle(t.x() + 2.1, t.y() + 0.2, 2.1));
        part(p, leaves.simplified(), leafColour, 0.8);
    }
    const QColor stalkColour(178, 222, 110);
    QPainterPath left;
    left.moveTo(14.6, 26.6);
    left.quadTo(10.8, 20.0, 9.6, 12.4);
    QPainterPath right;
    right.moveTo(17.4, 26.6);
    right.quadTo(21.2, 20.0, 22.4, 12.4);
    part(p, stroke(left, 3.4), stalkColour);
    part(p, stroke(right, 3.4), stalkColour);
    part(p, stroke(line(16, 26.8, 16, 10.4), 3.6), stalkColour);
    p.strokePath(line(16, 25.4, 16, 12.4), QPen(QColor(110, 160, 60), 0.7, Qt::SolidLine, Qt::RoundCap));
}

// 10: a mustard jar with a spoon in it.
void drawMustard(QPainter &p)
{
    QPainterPath spoon = stroke(line(17.0, 13.0, 21.4, 7.2), 1.8);
    spoon = spoon.united(ellipse(21.8, 6.6, 2.8, 3.8, 37));
    part(p, spoon, QColor(200, 150, 90), 0.8);
    QPainterPath jar;
    jar.addRoundedRect(QRectF(9.0, 13.6, 14.0, 13.2), 2.6, 2.6);
    part(p, jar, QColor(240, 196, 24), 1.1);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(8.2, 10.6, 15.6, 3.4), 1.0, 1.0);
    part(p, rim, QColor(196, 62, 40));
    QPainterPath label;
    label.addRoundedRect(QRectF(11.2, 17.2, 9.6, 6.4), 1.2, 1.2);
    part(p, label, Qt::white, 0.7);
    // A mustard seed sprig on the label.
    p.fillPath(
        circle(14.2, 20.4, 1.2).united(circle(16.2, 19.4, 1.2)).united(circle(17.9, 21.0, 1.2)), QColor(200, 150, 0));
}

// 11: sesame seeds.
void drawSesame(QPainter &p)
{
    struct Seed
    {
        qreal x, y, angle;
    };
    const Seed seeds[] = {{12.4, 10.2, -25}, {19.6, 10.2, 25}, {9.4, 17.6, -70}, {16.0, 16.8, 0}, {22.6, 17.6, 70},
        {12.6, 23.2, -35}, {19.4, 23.2, 35}};
    for (const Seed &s : seeds) {
        // A flat teardrop, its point up before turning.
        QPainterPath seed;
        seed.moveTo(0, -3.4);
        seed.cubicTo(1.6, -2.1, 2.2, 0.7, 2.1, 1.7);
        seed.cubicTo(1.9, 3.3, -1.9, 3.3, -2.1, 1.7);
        seed.cubicTo(-2.2, 0.7, -1.6, -2.1, 0, -3.4);
        QTransform t;
        t.translate(s.x, s.y);
        t.rotate(s.angle);
        part(p, t.map(seed), QColor(240, 220, 164), 0.9);
    }
}

// 12: sulphur dioxide and sulphites: a glass of wine.
void drawSulphite(QPainter &p)
{
    QPainterPath bowl;
    bowl.moveTo(10.0, 5.6);
    bowl.lineTo(22.0, 5.6);
    bowl.cubicTo(22.8, 11.0, 21.6, 16.6, 16.0, 17.6);
    bowl.cubicTo(10.4, 16.6, 9.2, 11.0, 10.0, 5.6);
    bowl.closeSubpath();
    QPainterPath foot = stroke(line(16, 17.0, 16, 24.4), 1.6, Qt::FlatCap);
    foot = foot.united(ellipse(16, 25.0, 11.0, 3.2)).simplified();
    part(p, foot, QColor(236, 240, 244), 0.9);
    p.fillPath(bowl, QColor(236, 240, 244));
    QPainterPath wine;
    wine.addRect(QRectF(8, 9.8, 16, 10));
    p.fillPath(wine.intersected(bowl), QColor(150, 20, 60));
    p.fillPath(ellipse(12.2, 8.0, 1.2, 3.2, 10), Qt::white);
    p.strokePath(bowl, QPen(Ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// 13: a lupin: a spike of small flowers over palm-shaped leaves.
void drawLupin(QPainter &p)
{
    const QColor leafColour(80, 150, 60);
    part(p, stroke(line(16, 27.0, 16, 20.0), 1.5), leafColour, 0.6);
    for (const qreal angle : {-62.0, -30.0, 30.0, 62.0}) {
        QPainterPath leaflet = ellipse(16, 21.6, 2.2, 7.0);
        part(p, turned(leaflet, angle, 16, 25.4), leafColour, 0.7);
    }
    // Florets in whorls, narrowing to the top; the upper ones overlap the lower ones.
    struct Row
    {
        qreal y, width;
    };
    const Row rows[] = {{20.4, 11.0}, {17.6, 10.0}, {14.9, 8.8}, {12.3, 7.4}, {9.9, 5.8}, {7.6, 4.0}};
    for (int i = 0; i < int(sizeof(rows) / sizeof(rows[0])); ++i) {
        const Row &row = rows[i];
        const QColor colour = (i % 2 == 0) ? QColor(140, 84, 200) : QColor(184, 140, 228);
        part(p, ellipse(Centre - row.width / 4, row.y, row.width / 2 + 0.8, 3.4, -14), colour, 0.8);
        part(p, ellipse(Centre + row.width / 4, row.y, row.width / 2 + 0.8, 3.4, 14), colour, 0.8);
    }
    part(p, ellipse(Centre, 5.8, 2.4, 3.0), QColor(184, 140, 228), 0.8);
}

// 14: molluscs: a snail with a spiral shell.
void drawMollusc(QPainter &p)
{
    QPainterPath body;
    body.moveTo(26.4, 25.4);
    body.lineTo(9.4, 25.4);
    body.cubicTo(6.4, 25.4, 5.4, 22.0, 5.8, 18.6);
    body.cubicTo(6.2, 16.2, 9.6, 16.2, 10.2, 18.6);
    body.lineTo(11.0, 21.6);
    body.lineTo(24.0, 21.6);
    body.quadTo(27.4, 22.8, 26.4, 25.4);
    body.closeSubpath();
    QPainterPath feelers = stroke(line(7.0, 17.4, 5.6, 12.2), 1.0).united(stroke(line(9.2, 17.2, 10.0, 12.0), 1.0));
    part(p, body.united(feelers).simplified(), QColor(200, 196, 176), 0.9);
    p.fillPath(circle(5.5, 11.8, 1.2).united(circle(10.1, 11.6, 1.2)), Ink);
    const QPointF centre(18.2, 14.6);
    part(p, circle(centre.x(), centre.y(), 8.0), QColor(224, 164, 84), 1.1);
    // The spiral: a curve whose radius grows with the angle.
    QPainterPath spiral;
    for (int step = 0; step <= 60; ++step) {
        const qreal angle = step * (2.6 * M_PI / 60.0);
        const qreal r = 0.6 + angle * 0.78;
        const QPointF point(centre.x() + r * qCos(angle + M_PI), centre.y() - r * qSin(angle + M_PI));
        if (step == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    p.strokePath(spiral, QPen(QColor(110, 60, 15), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The mark printed as the last one when a dish has more allergens than there are places.
void drawAttention(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(16, 3.0);
    triangle.lineTo(29.8, 27.6);
    triangle.lineTo(2.2, 27.6);
    triangle.closeSubpath();
    p.fillPath(triangle, QColor(255, 214, 0));
    p.strokePath(triangle, QPen(QColor(205, 20, 20), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(14.4, 10.6);
    mark.lineTo(17.6, 10.6);
    mark.lineTo(16.8, 19.8);
    mark.lineTo(15.2, 19.8);
    mark.closeSubpath();
    mark.addPath(circle(16, 23.0, 1.8));
    p.fillPath(mark.simplified(), Ink);
}

struct Allergen
{
    void (*draw)(QPainter &);
    QColor colour;
};

// Group 01 .. 14 in the order of the allergen table.
const Allergen Allergens[] = {
    {drawGluten, QColor(200, 150, 20)},
    {drawCrustacean, QColor(210, 50, 40)},
    {drawEgg, QColor(236, 130, 20)},
    {drawFish, QColor(30, 86, 180)},
    {drawPeanut, QColor(170, 110, 50)},
    {drawSoy, QColor(110, 140, 30)},
    {drawMilk, QColor(60, 160, 220)},
    {drawTreeNut, QColor(115, 65, 30)},
    {drawCelery, QColor(40, 150, 70)},
    {drawMustard, QColor(225, 185, 0)},
    {drawSesame, QColor(135, 120, 100)},
    {drawSulphite, QColor(140, 30, 100)},
    {drawLupin, QColor(105, 70, 180)},
    {drawMollusc, QColor(0, 135, 140)},
};
constexpr int AllergenCount = int(sizeof(Allergens) / sizeof(Allergens[0]));

QString allergenFileName(int group)
{
    return QStringLiteral("A%1.bmp").arg(group, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList allergenPictureNames()
{
    QStringList names;
    for (int group = 1; group <= AllergenCount; ++group)
        names << allergenFileName(group);
    names << QStringLiteral("feher.bmp") << QStringLiteral("figyelem.bmp");
    return names;
}

QImage allergenPicture(const QString &fileName)
{
    const int index = allergenPictureNames().indexOf(fileName);
    if (index < 0)
        return QImage();

    QImage image(PictureSize, PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (index < AllergenCount) {
        badge(p, Allergens[index].colour);
        Allergens[index].draw(p);
    } else if (fileName == QLatin1String("figyelem.bmp")) {
        drawAttention(p);
    }
    p.end();
    return image;
}
