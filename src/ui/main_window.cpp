#include "ui/main_window.h"

#include "core/boxes.h"
#include "core/error.h"
#include "core/map_commands.h"
#include "core/number_text.h"
#include "effects/effect_commands.h"
#include "formats/format_commands.h"
#include "formats/height_file.h"
#include "fractal/run_command.h"
#include "session/history_window.h"
#include "session/session_commands.h"
#include "session/states_window.h"
#include "ui/command_progress.h"
#include "ui/menu_keys_first.h"
#include "ui/menu_tree.h"
#include "ui/parameter_panel.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/toolbox_window.h"
#include "ui/tutorial.h"
#include "ui/wrapping_menu_bar.h"
#include "views/overhead_window.h"
#include "views/sculpt_window.h"
#include "views/view3d_window.h"
#include "views/view_commands.h"
#include "views/wing_window.h"
#include "views/wireframe_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <stdexcept>

namespace tolvar {
namespace {

QString caption(const QAction* action)
{
    return action->text().remove('&');
}

// The ticked item of a menu of choices.
const QAction* tickedItem(const QAction* menuItem)
{
    for (const QAction* action : menuItem->menu()->actions())
        if (action->isChecked())
            return action;
    return nullptr;
}

} // namespace

// "Smooth", "Rotate Left" for an item of a submenu, or "Run: Julia".
QString TForm1::stateName(const QAction* action) const
{
    QString name = caption(action);
    if (const auto* menu = qobject_cast<const QMenu*>(action->parent()); menu && qobject_cast<QMenu*>(menu->parent()))
        name = menu->title().remove('&') + ' ' + name;
    if (action->objectName() == "Run1")
        if (const QAction* type = tickedItem(requireItem("Type1")))
            name += ": " + caption(type);
    return name;
}

TForm1::TForm1(Prompter& prompter, AppSettings& settings)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), prompter_(prompter), runner_(*this, prompter),
      panel_(new ParameterPanel(this)), menuBar_(new WrappingMenuBar(buildMenus(mainMenuTree(), this), this))
{
    setObjectName("Form1");
    setWindowTitle("Tolvar");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(panel_);

    runner_.frame().state().params.FirstOperation = true;
    runner_.frame().state().params.Replaying = false;

    collectActions();
    giveMenuKeysPrecedence(*this);
    connectMenuItems();
    connectRecentFiles(settings);
    connectViewCommands();
    connectStepItems();
}

TForm1::~TForm1() = default;

void TForm1::attach(const ViewWindows& windows)
{
    windows_ = windows;
    mapViews_.emplace(*this, std::array<MapViews::View, MapViews::Count>{{
                                 {"Wireframe2", windows.display, true, false},
                                 {"Plan1", windows.mapDisplay, false, false},
                                 {"WinG1", windows.wing, true, false},
                                 {"Sculpt1", windows.sculpt, false, true},
                                 {"View3D1", windows.view3d, false, true},
                             }});
    connectWindows();
}

QWidget* TForm1::menuBar() const
{
    return menuBar_;
}

void TForm1::collectActions()
{
    for (QAction* action : findChildren<QAction*>())
        if (!action->objectName().isEmpty())
            actions_.insert(action->objectName(), action);
}

void TForm1::giveMenuKeysPrecedence(QWidget& window)
{
    QList<QKeySequence> keys;
    for (const QAction* action : std::as_const(actions_))
        if (!action->shortcut().isEmpty())
            keys << action->shortcut();
    auto* filter = new MenuKeysFirst(keys, &window);
    for (QWidget* box : window.findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box) || qobject_cast<QAbstractSpinBox*>(box))
            box->installEventFilter(filter);
}

void TForm1::connectMenuItems()
{
    for (const CommandTable table :
         {CoreCommands(), FractalCommands(), EffectCommands(), FormatCommands(), SessionCommands()})
        for (const Command& command : table)
            connectItem(command.item, [this, run = command.run] { run(runner_.frame()); });
    connectItem("Exit1", [this] { close(); });
    connectItem("Toolbox1", [this] { toggleWindow("Toolbox1", windows_.toolbox); });
    connectItem("About1", [this] { About1Click(); });
    connectItem("Tutorial1", [this] { Tutorial1Click(); });
    connectItem("History1", [this] { toggleWindow("History1", windows_.history); });
}

void TForm1::connectItem(const char* name, const std::function<void()>& handler)
{
    QAction* action = requireItem(name);
    connect(action, &QAction::triggered, this, [this, action, handler] {
        // Qt has already flipped a checkable item; its handler sets the
        // check mark itself, so start from the state the user saw.
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        runner_.run(handler, stateName(action));
    });
}

void TForm1::connectRecentFiles(AppSettings& settings)
{
    std::vector<QAction*> entries;
    for (QAction* entry : requireItem("OpenRecent1")->menu()->actions()) {
        entries.push_back(entry);
        connectItem(entry->objectName().toUtf8().constData(),
                    [this, entry] { OpenHeightFileNamed(runner_.frame(), entry->data().toString().toStdString()); });
    }
    recentFiles_ = new RecentFiles(settings, *requireItem("OpenRecent1")->menu(), std::move(entries));
}

void TForm1::connectStepItems()
{
    QUndoStack& stack = runner_.states().stack();
    connectItem("StepBack1", [&stack] { stack.undo(); });
    connectItem("StepForward1", [&stack] { stack.redo(); });
    statesWindow_ = new TfrmStates(stack, this);
    connectItem("HistoryStates1", [this] {
        statesWindow_->show();
        statesWindow_->raise();
    });
    connect(&stack, &QUndoStack::canUndoChanged, this, [this](bool can) { setEnabled("StepBack1", can); });
    connect(&stack, &QUndoStack::canRedoChanged, this, [this](bool can) { setEnabled("StepForward1", can); });
}

// The view commands are the six buttons and the Wireframe Options items.
void TForm1::connectViewCommands()
{
    for (const Command& command : ViewCommands()) {
        const auto handler = [this, run = command.run] { run(runner_.frame()); };
        if (QAbstractButton* button = panel_->button(command.item))
            connect(button, &QAbstractButton::clicked, this, [this, handler] { runner_.run(handler); });
        else
            connectItem(command.item, handler);
    }
}

void TForm1::connectWindows()
{
    // Resizing a wireframe window acts as a click on the checked size item.
    const auto resized = [this] { runner_.run([this] { ClickCheckedSizeItem(runner_.frame()); }); };
    connect(windows_.display, &ViewForm::resized, this, resized);
    connect(windows_.wing, &ViewForm::resized, this, resized);
    connect(windows_.display, &TfrmDisplay::doubleClicked, this,
            [this] { runner_.run([this] { windows_.display->savePicture(); }); });
    connect(windows_.view3d, &Tfrm3D::savePictureRequested, this, [this] { runner_.run([this] { Save3DPicture(); }); });
    connect(panel_->edit(Box::ediSeaLevel), &QLineEdit::textChanged, windows_.view3d, &Tfrm3D::followSeaLevel);

    for (const MapViews::View& view : mapViews_->views()) {
        connectItem(view.item, [this, item = view.item] { mapViews_->toggle(item); });
        connect(view.window, &ViewForm::closed, this, [this, item = view.item] { setChecked(item, false); });
    }
    connect(windows_.history, &TfrmHistory::closed, this, [this] { setChecked("History1", false); });
    connect(windows_.toolbox, &TfrmToolbox::closed, this, [this] { setChecked("Toolbox1", false); });
}

QAction* TForm1::requireItem(std::string_view name) const
{
    QAction* action = actions_.value(qs(name));
    if (!action)
        throw std::logic_error("no menu item " + std::string(name));
    return action;
}

bool TForm1::reachable(const QString& name) const
{
    const QAction* action = actions_.value(name);
    if (!action || !itemEnabled(action))
        return false;
    for (auto* menu = qobject_cast<QMenu*>(action->parent()); menu; menu = qobject_cast<QMenu*>(menu->parent()))
        if (!itemEnabled(menu->menuAction()))
            return false;
    return true;
}

// UiPort

std::string TForm1::text(Box box) const
{
    return panel_->edit(box)->text().toStdString();
}

void TForm1::setText(Box box, const std::string& text)
{
    panel_->edit(box)->setText(QString::fromStdString(text));
}

void TForm1::setBoxEnabled(Box box, bool enabled)
{
    panel_->box(box)->setEnabled(enabled);
}

bool TForm1::isBoxEnabled(Box box) const
{
    return panel_->box(box)->isEnabled();
}

bool TForm1::isChecked(std::string_view item) const
{
    return requireItem(item)->isChecked();
}

void TForm1::setChecked(std::string_view item, bool checked)
{
    requireItem(item)->setChecked(checked);
}

void TForm1::setEnabled(std::string_view control, bool enabled)
{
    if (QAbstractButton* button = panel_->button(qs(control)))
        button->setEnabled(enabled);
    else
        setItemEnabled(requireItem(control), enabled);
}

bool TForm1::isEnabled(std::string_view control) const
{
    if (const QAbstractButton* button = panel_->button(qs(control)))
        return button->isEnabled();
    return itemEnabled(requireItem(control));
}

void TForm1::refreshViews() { mapViews_->refresh(); }

void TForm1::refreshViewsAfterStroke() { mapViews_->refreshAfterStroke(); }

void TForm1::redrawWireframes() { mapViews_->redrawWireframes(); }

void TForm1::hideViewsForNewMap() { mapViews_->hideForNewMap(); }

void TForm1::newOverheadBitmap()
{
    windows_.mapDisplay->newBitmap();
}

void TForm1::setPointInfo(const std::string& text)
{
    runner_.notePointInfoWritten();
    windows_.mapDisplay->setPointInfo(QString::fromStdString(text));
}

void TForm1::appendHistory(const std::string& line)
{
    windows_.history->appendLine(QString::fromStdString(line));
}

std::vector<std::string> TForm1::historyLines() const
{
    return windows_.history->lines();
}

void TForm1::replaceHistory(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    windows_.history->setText(texts.join('\n'));
}

void TForm1::setBusyCursor(bool busy)
{
    for (QWidget* window : {static_cast<QWidget*>(this), static_cast<QWidget*>(windows_.display),
                            static_cast<QWidget*>(windows_.mapDisplay)}) {
        if (busy)
            window->setCursor(Qt::WaitCursor);
        else
            window->unsetCursor();
    }
}

std::unique_ptr<Progress> TForm1::startProgress(int steps, std::string_view title, std::string_view stepName)
{
    return std::make_unique<CommandProgress>(this, steps, title, stepName, runner_);
}

void TForm1::heightFileUsed(const std::string& path)
{
    recentFiles_->add(QString::fromStdString(path));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A long run is still writing the map; its Cancel comes first.
    if (runner_.inLongRun() || !mayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    emit closed();
}

bool TForm1::mayClose()
{
    if (!runner_.hasUnsavedMap())
        return true;
    switch (prompter_.ask("Tolvar", "Save changes to the map before closing?")) {
    case Answer::No:
        return true;
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        runner_.run([this] { SaveHeightFile(runner_.frame()); });
        break;
    }
    // A cancelled or failed save leaves the map unsaved.
    return !runner_.hasUnsavedMap();
}

void TForm1::openHeightFile(const std::string& path)
{
    runner_.run([this, &path] { OpenHeightFileNamed(runner_.frame(), path); }, "Open");
}

// Commands

void TForm1::About1Click()
{
    windows_.about->show();
    windows_.about->raise();
    windows_.about->activateWindow();
}

void TForm1::Tutorial1Click()
{
    prompter_.showDocument(TutorialPath(QCoreApplication::applicationDirPath()));
}

void TForm1::Save3DPicture()
{
    static constexpr FileDialog dialog{"dlgSave3DPicture", "png", "PNG Pictures", "*.png", true};
    if (const auto path = prompter_.chooseFile(dialog))
        windows_.view3d->savePicture(*path);
}

void TForm1::toggleWindow(const char* item, QWidget* window)
{
    const bool show = !isChecked(item);
    setChecked(item, show);
    window->setVisible(show);
}

} // namespace tolvar
