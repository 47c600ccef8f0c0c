#include "ui/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace tolvar {
namespace {

constexpr int Side = 20;
using Glyph = std::function<void(QPainter&)>;

const QColor Ink(30, 30, 30);
const QColor Earth(150, 105, 60);
const QColor Water(40, 110, 220);

void pen(QPainter& p, const QColor& colour, qreal width = 1.6)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// A Bezier curve from the first point to the last, bent by the two between.
void curve(QPainter& p, const QColor& colour, qreal width, const QPolygonF& points)
{
    pen(p, colour, width);
    QPainterPath path;
    path.moveTo(points[0]);
    path.cubicTo(points[1], points[2], points[3]);
    p.drawPath(path);
}

void letters(QPainter& p, const QString& text)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 10 : 15);
    p.setFont(font);
    p.setPen(QColor(120, 30, 140));
    p.drawText(QRect(0, 0, Side, Side), Qt::AlignCenter, text);
}

// A crater seen from above: a rim and a darker floor.
void crater(QPainter& p)
{
    p.setPen(QPen(Earth, 1.6));
    p.setBrush(QColor(210, 180, 140));
    p.drawEllipse(QPointF(10, 10), 7, 7);
}

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, const QColor& colour)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back1);
    head.lineTo(back2);
    head.closeSubpath();
    p.fillPath(head, colour);
}

const std::map<QString, Glyph>& glyphs()
{
    static const std::map<QString, Glyph> table{
        {"Run1",
         [](QPainter& p) {
             QPainterPath play;
             play.moveTo(5, 3);
             play.lineTo(17, 10);
             play.lineTo(5, 17);
             play.closeSubpath();
             p.fillPath(play, QColor(30, 150, 50));
         }},
        {"Circle1",
         [](QPainter& p) {
             pen(p, QColor(200, 60, 40));
             p.drawEllipse(QPointF(10, 10), 7, 7);
             p.drawEllipse(QPointF(7, 8), 3, 3);
         }},
        {"Mountains1",
         [](QPainter& p) {
             pen(p, QColor(40, 90, 170));
             p.drawPolygon(QPolygonF({{10, 2}, {18, 10}, {10, 18}, {2, 10}}));
             p.drawRect(QRectF(6, 6, 8, 8));
         }},
        {"Julia1", [](QPainter& p) { letters(p, "J"); }},
        {"JuliaBrot1", [](QPainter& p) { letters(p, "JB"); }},
        {"Mandelbrot1", [](QPainter& p) { letters(p, "M"); }},
        {"MandelHigh1", [](QPainter& p) { letters(p, "MH"); }},
        {"UndoZ1",
         [](QPainter& p) {
             pen(p, Ink, 2);
             p.drawArc(QRectF(4, 5, 12, 11), 90 * 16, -250 * 16);
             arrowHead(p, {3, 6}, {9, 2}, {9, 10}, Ink);
         }},
        {"Store1",
         [](QPainter& p) {
             pen(p, Ink, 1.2);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(2.5, 2.5, 9, 11));
             p.drawRect(QRectF(8.5, 6.5, 9, 11));
         }},
        {"Retrieve1",
         [](QPainter& p) {
             pen(p, Ink, 1.2);
             p.setBrush(QColor(210, 170, 110));
             p.drawRect(QRectF(3.5, 3.5, 13, 15));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(6.5, 1.5, 7, 4));
             p.drawRect(QRectF(6.5, 8.5, 8, 8));
         }},
        {"Smooth1",
         [](QPainter& p) {
             curve(p, QColor(40, 140, 90), 2, {{1, 12}, {6, 4}, {13, 18}, {19, 9}});
         }},
        {"Angled1",
         [](QPainter& p) {
             pen(p, QColor(230, 120, 20), 2.2);
             p.drawLine(QPointF(2, 2), QPointF(8, 8));
             p.setPen(QPen(Earth, 1.6));
             p.setBrush(QColor(210, 180, 140));
             p.drawEllipse(QPointF(12, 12), 6, 4);
         }},
        {"Meteor1",
         [](QPainter& p) {
             crater(p);
             pen(p, Earth, 1);
             p.drawEllipse(QPointF(10, 10), 4, 4);
             p.drawEllipse(QPointF(10, 10), 1.5, 1.5);
         }},
        {"LevelMeteor1",
         [](QPainter& p) {
             crater(p);
             pen(p, Earth, 1.6);
             p.drawLine(QPointF(4, 10), QPointF(16, 10));
         }},
        {"MeteorExplosive1",
         [](QPainter& p) {
             pen(p, QColor(200, 60, 20), 1.6);
             for (int k = 0; k < 8; ++k) {
                 p.save();
                 p.translate(10, 10);
                 p.rotate(45.0 * k);
                 p.drawLine(QPointF(0, 4), QPointF(0, 8.5));
                 p.restore();
             }
             p.setBrush(QColor(210, 180, 140));
             p.drawEllipse(QPointF(10, 10), 3.5, 3.5);
         }},
        {"Volcano1",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Earth);
             p.drawPolygon(QPolygonF({{1, 18}, {8, 7}, {12, 7}, {19, 18}}));
             p.setBrush(QColor(230, 50, 20));
             p.drawPolygon(QPolygonF({{8, 7}, {10, 1}, {12, 7}}));
         }},
        {"Earthquake1",
         [](QPainter& p) {
             pen(p, QColor(120, 80, 40), 1.8);
             p.drawPolyline(QPolygonF({{1, 10}, {4, 4}, {7, 16}, {10, 3}, {13, 17}, {16, 6}, {19, 10}}));
         }},
        {"River1",
         [](QPainter& p) {
             curve(p, Water, 2.6, {{3, 1}, {16, 6}, {2, 13}, {16, 19}});
         }},
        {"Thermal1",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Earth);
             p.drawPolygon(QPolygonF({{1, 18}, {11, 6}, {13, 18}}));
             p.setBrush(QColor(230, 150, 30));
             for (const QPointF& crumb : {QPointF(15, 16), QPointF(17.5, 17), QPointF(16, 13.5)})
                 p.drawEllipse(crumb, 1.3, 1.3);
         }},
        {"RainRivers1",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Water);
             for (const QPointF& drop : {QPointF(5, 4), QPointF(13, 3), QPointF(9, 11)}) {
                 QPainterPath shape;
                 shape.moveTo(drop);
                 shape.cubicTo(drop + QPointF(-3.5, 5), drop + QPointF(3.5, 5), drop);
                 p.drawPath(shape);
             }
             pen(p, Water, 1.6);
             p.drawLine(QPointF(2, 18), QPointF(18, 18));
         }},
    };
    return table;
}

} // namespace

QIcon toolIcon(const QString& item)
{
    const auto found = glyphs().find(item);
    if (found == glyphs().end())
        return {};
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace tolvar
