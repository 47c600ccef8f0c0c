#include "ui/arrow_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tolvar {
namespace {

constexpr int StraightSize = 13;
constexpr int TurnSize = 17;

// An arrow pointing up, turned by the given number of quarter turns.
QPixmap straightArrow(int quarterTurns, const QColor& colour)
{
    QPixmap pixmap(StraightSize, StraightSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(StraightSize / 2.0, StraightSize / 2.0);
    painter.rotate(90.0 * quarterTurns);
    QPainterPath path;
    path.moveTo(0, -6);
    path.lineTo(6, 0);
    path.lineTo(2, 0);
    path.lineTo(2, 6);
    path.lineTo(-2, 6);
    path.lineTo(-2, 0);
    path.lineTo(-6, 0);
    path.closeSubpath();
    painter.fillPath(path, colour);
    return pixmap;
}

// Three quarters of a circle with an arrow head at its end; mirrored for
// the other direction of turn.
QPixmap turningArrow(bool clockwise, const QColor& colour)
{
    QPixmap pixmap(TurnSize, TurnSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!clockwise) {
        painter.translate(TurnSize, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(colour, 2));
    painter.drawArc(QRectF(3, 3, 11, 11), 90 * 16, -270 * 16);
    QPainterPath head;
    head.moveTo(8.5, 0);
    head.lineTo(13, 3);
    head.lineTo(8.5, 6.5);
    head.closeSubpath();
    painter.fillPath(head, colour);
    return pixmap;
}

QPixmap arrowPixmap(Arrow arrow, const QColor& colour)
{
    switch (arrow) {
    case Arrow::Up:
        return straightArrow(0, colour);
    case Arrow::Right:
        return straightArrow(1, colour);
    case Arrow::Down:
        return straightArrow(2, colour);
    case Arrow::Left:
        return straightArrow(3, colour);
    case Arrow::TurnLeft:
        return turningArrow(false, colour);
    case Arrow::TurnRight:
        return turningArrow(true, colour);
    }
    return {};
}

} // namespace

// Grey when disabled, as the buttons are until the first operation.
QIcon arrowIcon(Arrow arrow)
{
    QIcon icon(arrowPixmap(arrow, Qt::black));
    icon.addPixmap(arrowPixmap(arrow, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

} // namespace tolvar
