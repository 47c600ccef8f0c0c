#include "ui/about_window.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>

namespace tolvar {
namespace {

// A small drawn landscape: ridges of a height map seen from the side.
QPixmap aboutPicture()
{
    QPixmap picture(303, 186);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 186);
    sky.setColorAt(0, QColor(20, 30, 90));
    sky.setColorAt(1, QColor(120, 150, 220));
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ridges[] = {QColor(60, 90, 60), QColor(40, 120, 40), QColor(20, 150, 30)};
    for (int layer = 0; layer < 3; ++layer) {
        QPolygonF hill;
        hill << QPointF(0, 186);
        for (int x = 0; x <= 303; x += 3) {
            const double phase = x / (18.0 + 9 * layer) + layer;
            hill << QPointF(x, 90 + 28 * layer + 22 * std::sin(phase) + 9 * std::sin(phase * 2.7));
        }
        hill << QPointF(303, 186);
        painter.setBrush(ridges[layer]);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(hill);
    }
    return picture;
}

const char* aboutText()
{
    return "Program   : Tolvar\n"
           "Version   : 0.1.0\n"
           "Date      : December 2026\n"
           "Purpose   : height maps for Battlezone\n"
           "Credits   : the Tolvar developers\n"
           "\n"
           "See README.md and docs/TUTORIAL.md for more\n"
           "information.";
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmAbout");
    setWindowTitle("About Tolvar");

    auto* title = new QLabel("Tolvar", this);
    QFont titleFont = font();
    titleFont.setPixelSize(19);
    title->setFont(titleFont);
    title->setStyleSheet("color: red");
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(13, 12, 361, 28);

    auto* picture = new QLabel(this);
    picture->setPixmap(aboutPicture());
    picture->setScaledContents(true);
    picture->setGeometry(13, 48, 361, 225);

    auto* memo = new QPlainTextEdit(aboutText(), this);
    QFont mono("Courier New");
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(12);
    memo->setFont(mono);
    memo->setReadOnly(true);
    memo->setBackgroundRole(QPalette::Button);
    memo->setStyleSheet("QPlainTextEdit { background: palette(button); }");
    memo->setGeometry(13, 285, 361, 225);
}

} // namespace tolvar
