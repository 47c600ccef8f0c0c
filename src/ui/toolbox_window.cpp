#include "ui/toolbox_window.h"

#include "ui/main_window.h"
#include "ui/parameter_panel.h"
#include "ui/tool_icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace tolvar {
namespace {

// The buttons left to right, by the name of the menu item or main-window
// button each one runs; "-" leaves a gap between groups.
constexpr std::pair<const char*, const char*> ToolButtons[] = {
    {"Run1", "Run"},
    {"-", ""},
    {"Circle1", "Circle"},
    {"Mountains1", "Diamond-Square"},
    {"Julia1", "Julia"},
    {"JuliaBrot1", "JuliaBrot"},
    {"Mandelbrot1", "Mandelbrot"},
    {"MandelHigh1", "MandelHigh"},
    {"-", ""},
    {"UndoZ1", "Undo"},
    {"Store1", "Copy"},
    {"Retrieve1", "Paste"},
    {"-", ""},
    {"Smooth1", "Smooth"},
    {"Thermal1", "Thermal erosion"},
    {"RainRivers1", "Rain/Rivers erosion"},
    {"Angled1", "Angled meteors"},
    {"Meteor1", "Contour meteors"},
    {"LevelMeteor1", "Level meteors"},
    {"MeteorExplosive1", "Ridged meteors"},
    {"Volcano1", "Volcano"},
    {"Earthquake1", "Earthquake (height)"},
    {"River1", "River (contour)"},
    {"-", ""},
    {"btnRotRight", "Turn right"},
    {"btnLeft", "Move left"},
    {"btnUp", "Move up"},
    {"btnDown", "Move down"},
    {"btnRight", "Move right"},
    {"btnRotLeft", "Turn left"},
};

constexpr int ButtonSide = 34;
constexpr int GroupGap = 12;

} // namespace

TfrmToolbox::TfrmToolbox(TForm1& form) : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), form_(form)
{
    setObjectName("frmToolbox");
    setWindowTitle("Toolbox");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    for (const auto& [name, tip] : ToolButtons) {
        if (QString(name) == "-")
            row->addSpacing(GroupGap);
        else
            addButton(name, tip);
    }
    row->addStretch();
}

QToolButton* TfrmToolbox::button(const QString& name) const
{
    for (const auto& [item, button] : buttons_)
        if (item == name)
            return button;
    return nullptr;
}

void TfrmToolbox::addButton(const QString& name, const QString& tip)
{
    auto* button = new QToolButton(this);
    button->setObjectName("tool" + name);
    button->setToolTip(tip);
    button->setFixedSize(ButtonSide, ButtonSide);
    button->setIconSize(QSize(20, 20));
    layout()->addWidget(button);
    buttons_.emplace_back(name, button);
    if (QAbstractButton* original = form_.panel().button(name))
        addPanelButton(button, original);
    else
        addMenuButton(button, name);
}

// Clicking triggers the item itself, so the button runs exactly what the
// menu runs; a change of the item or of a menu above it is mirrored.
void TfrmToolbox::addMenuButton(QToolButton* button, const QString& name)
{
    QAction* action = form_.item(name);
    button->setIcon(toolIcon(name));
    button->setCheckable(action->isCheckable());
    connect(button, &QToolButton::clicked, this, [this, action, button, name] {
        action->trigger();
        mirror(button, name);
    });
    const auto follow = [this, button, name](QAction* control) {
        connect(control, &QAction::changed, this, [this, button, name] { mirror(button, name); });
    };
    follow(action);
    for (auto* menu = qobject_cast<QMenu*>(action->parent()); menu; menu = qobject_cast<QMenu*>(menu->parent()))
        follow(menu->menuAction());
    mirror(button, name);
}

void TfrmToolbox::addPanelButton(QToolButton* button, QAbstractButton* original)
{
    button->setIcon(original->icon());
    button->setIconSize(original->iconSize());
    button->setEnabled(original->isEnabled());
    connect(button, &QToolButton::clicked, original, &QAbstractButton::click);
    original->installEventFilter(this);
}

void TfrmToolbox::mirror(QToolButton* button, const QString& name)
{
    button->setEnabled(form_.reachable(name));
    button->setChecked(form_.item(name)->isChecked());
}

// A main-window button's enabled state has no signal of its own.
bool TfrmToolbox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        if (QToolButton* mirrorButton = button(watched->objectName()))
            mirrorButton->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
    return QWidget::eventFilter(watched, event);
}

void TfrmToolbox::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tolvar
