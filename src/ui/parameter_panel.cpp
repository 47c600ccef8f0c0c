#include "ui/parameter_panel.h"

#include "core/boxes.h"
#include "ui/arrow_icons.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvar {
namespace {

struct BoxRow {
    Box box;
    const char* label;
    const char* labelName; // only two labels carry a name of their own
    QStringList list;      // a drop-down list when not empty
    const char* toolTip = "";
};

const std::array<BoxRow, 10>& boxRows()
{
    static const std::array<BoxRow, 10> rows{{
        {Box::cboHeight,
         "Height / Width",
         "",
         {"1280", "2560", "3840", "5120"},
         "The map's size: a tenth of it in cells each way (1280 is 128 x 128); locked from the first operation "
         "until New."},
        {Box::ediIterations,
         "Bail Out Value",
         "",
         {},
         "Bail Out Value: the escape limit of Fractal > Run;\n"
         "the passes of Effects > Erosion > Thermal (1 to 100000);\n"
         "the droplets of Effects > Erosion > Rain/Rivers, in hundreds (1 to 100000)"},
        {Box::cboMagnify,
         "Spread",
         "Magnification",
         {"0.0001", "0.001", "0.01", "0.025", "0.05", "0.075", "0.1", "0.15", "0.2", "0.25", "0.3", "0.4", "0.5", "1",
          "2", "3", "4", "5"},
         "The width of the window on the fractal plane that Mandelbrot, MandelHigh, JuliaBrot and Julia "
         "draw."},
        {Box::cboSteep,
         "Steepness",
         "Steepness",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         "Steepness: the height step of Fractal > Run and of the effects;\n"
         "the talus of Effects > Erosion > Thermal, in height units per cell (0 or more);\n"
         "the strength of Effects > Erosion > Rain/Rivers (1 to 100);\n"
         "the cells Effects > Volcanic > EarthQuake (Shear) slides one side of its fault by"},
        {Box::ediReal, "Real Part", "", {}, "The real part of the plane point Mandelbrot, MandelHigh, JuliaBrot and Julia start from."},
        {Box::ediImaginary,
         "Imaginary Part",
         "",
         {},
         "The imaginary part of the plane point Mandelbrot, MandelHigh, JuliaBrot and Julia start from."},
        {Box::cboDistort,
         "Distortion",
         "",
         {".75", "1.0", "1.25", "1.5", "1.75", "2.0"},
         "The distortion factor every fractal type applies; 1 leaves it plain."},
        {Box::ediRandSeed,
         "Random Seed",
         "",
         {},
         "The seed Fractal > Set Random Seed starts the random numbers from; Randomize writes a new one here."},
        {Box::ediSeaLevel,
         "Sea Level",
         "",
         {},
         "The level Effects > Water > Flood floods to, and the water of Sculpt and the 3D View."},
        {Box::ediShift,
         "Shift",
         "",
         {},
         "The first profile Open USGS DEM File imports (0 and 1 both start with the first)."},
    }};
    return rows;
}

struct ButtonPlace {
    const char* name;
    int x;
    int y;
    Arrow arrow;
    int glyph;
    const char* toolTip;
};

constexpr std::array<ButtonPlace, 6> buttonPlaces{{
    {"btnUp", 64, 264, Arrow::Up, 13, "Moves the wireframe views up the map."},
    {"btnLeft", 48, 288, Arrow::Left, 13, "Moves the wireframe views left on the map."},
    {"btnRight", 80, 288, Arrow::Right, 13, "Moves the wireframe views right on the map."},
    {"btnDown", 64, 312, Arrow::Down, 13, "Moves the wireframe views down the map."},
    {"btnRotRight", 16, 288, Arrow::TurnRight, 17, "Turns the wireframe views right."},
    {"btnRotLeft", 112, 288, Arrow::TurnLeft, 17, "Turns the wireframe views left."},
}};

constexpr int LabelRight = 76;
constexpr int BoxLeft = 80;
constexpr int BoxWidth = 57;
constexpr int BoxHeight = 21;
constexpr int FirstRowTop = 16;
constexpr int RowPitch = 24;
constexpr int ButtonSize = 25;

} // namespace

ParameterPanel::ParameterPanel(QWidget* parent) : QWidget(parent)
{
    addBoxes();
    addButtons();
    setTabOrder();
    // Only as large as the controls: the menu and the frame share the
    // window's outer size with the panel.
    const QRect controls = childrenRect();
    setMinimumSize(controls.right() + 1, controls.bottom() + 1);
}

void ParameterPanel::addBoxes()
{
    int top = FirstRowTop;
    for (const BoxRow& row : boxRows()) {
        auto* label = new QLabel(row.label, this);
        label->setObjectName(row.labelName);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(0, top, LabelRight, BoxHeight);

        const BoxInfo& info = boxInfo(row.box);
        QWidget* control = nullptr;
        QLineEdit* edit = nullptr;
        if (row.list.isEmpty()) {
            edit = new QLineEdit(this);
            control = edit;
        } else {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(row.list);
            edit = combo->lineEdit();
            control = combo;
        }
        control->setObjectName(QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size())));
        control->setGeometry(BoxLeft, top, BoxWidth, BoxHeight);
        control->setToolTip(row.toolTip);
        edit->setText(QString::fromUtf8(info.defaultText.data(), static_cast<int>(info.defaultText.size())));
        boxes_[static_cast<std::size_t>(row.box)] = control;
        edits_[static_cast<std::size_t>(row.box)] = edit;
        top += RowPitch;
    }
}

void ParameterPanel::addButtons()
{
    for (const ButtonPlace& place : buttonPlaces) {
        auto* button = new QPushButton(this);
        button->setObjectName(place.name);
        button->setGeometry(place.x, place.y, ButtonSize, ButtonSize);
        button->setIcon(arrowIcon(place.arrow));
        button->setIconSize(QSize(place.glyph, place.glyph));
        button->setToolTip(place.toolTip);
        button->setEnabled(false);
        buttons_[place.name] = button;
    }
}

void ParameterPanel::setTabOrder()
{
    const std::array order{Box::ediReal,    Box::ediImaginary, Box::cboHeight,   Box::ediIterations, Box::cboMagnify,
                           Box::cboSteep,   Box::ediRandSeed,  Box::ediSeaLevel, Box::cboDistort,    Box::ediShift};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(box(order[i - 1]), box(order[i]));
}

QAbstractButton* ParameterPanel::button(const QString& name) const
{
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

} // namespace tolvar
