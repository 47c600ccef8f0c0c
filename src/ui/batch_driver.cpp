#include "ui/batch_driver.h"

#include "core/app_state.h"
#include "core/boxes.h"
#include "core/error.h"
#include "core/scripted_prompter.h"
#include "formats/file_io.h"
#include "session/history_window.h"
#include "session/session_file.h"
#include "ui/app_windows.h"
#include "ui/crash_recovery.h"
#include "ui/game_terrain_window.h"
#include "ui/main_window.h"
#include "ui/menu_tree.h"
#include "ui/parameter_panel.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/toolbox_window.h"
#include "views/image_box.h"
#include "views/sculpt_window.h"
#include "views/terrain_view.h"
#include "views/view3d_window.h"
#include "views/view_form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <ostream>

namespace tolvar {

std::optional<int> BatchDriver::millisecondsOf(const std::string& text)
{
    bool ok = false;
    const int ms = qs(text).toInt(&ok);
    return ok && ms >= 0 ? std::optional(ms) : std::nullopt;
}

BatchDriver::BatchDriver(AppWindows& windows, ScriptedPrompter& prompter, std::ostream& out, std::ostream& err)
    : windows_(windows), prompter_(prompter), out_(out), err_(err)
{
    QObject::connect(&windows_.form1(), &TForm1::closed, [this] { exited_ = true; });
    prompter_.onAnswered([this](const std::string& text) { out_ << "box=" << text << std::endl; });
}

BatchDriver::~BatchDriver() = default;

int BatchDriver::run(const std::vector<std::string>& arguments)
{
    try {
        const std::vector<Step> steps = parse(arguments);
        for (const Step& step : steps)
            validate(step);
        auto next = steps.cbegin();
        if (recoveryDir_)
            startRecovery(next, steps.cend());
        for (; next != steps.cend() && !exited_; ++next) {
            perform(*next);
            QCoreApplication::processEvents();
            if (prompter_.unanswered())
                throw UsageError{"no answer waiting for " + *prompter_.unanswered()};
            if (!reportErrors())
                break;
        }
    } catch (const UsageError& e) {
        err_ << "usage: " << e.message << '\n';
        return 2;
    }
    return failed_ ? 1 : 0;
}

std::vector<BatchDriver::Step> BatchDriver::parse(const std::vector<std::string>& arguments)
{
    std::vector<Step> steps;
    bool optionsDone = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (!optionsDone && argument == "--keep-going") {
            keepGoing_ = true;
            continue;
        }
        if (!optionsDone && argument == "--recovery-dir") {
            recoveryDir_ = optionValue(arguments, at);
            continue;
        }
        if (!optionsDone && argument == "--autosave-seconds") {
            const auto seconds = millisecondsOf(optionValue(arguments, at));
            if (!seconds || *seconds < 1)
                throw UsageError{"--autosave-seconds takes a whole number of seconds"};
            autosaveSeconds_ = *seconds;
            continue;
        }
        if (!optionsDone && argument == SettingsOption) {
            optionValue(arguments, at);
            continue;
        }
        if (!optionsDone && argument == OnScreenOption)
            continue;
        optionsDone = true;
        if (argument.starts_with("--"))
            throw UsageError{"unknown option " + argument + " (options come before the steps)"};
        const auto equals = argument.find('=');
        if (equals == std::string::npos)
            steps.push_back({argument, std::nullopt});
        else
            steps.push_back({argument.substr(0, equals), argument.substr(equals + 1)});
    }
    return steps;
}

std::optional<std::string> BatchDriver::settingsFolder(const std::vector<std::string>& arguments)
{
    for (std::size_t at = 0; at + 1 < arguments.size() && arguments[at].starts_with("--"); ++at) {
        if (arguments[at] == SettingsOption)
            return arguments[at + 1];
        if (arguments[at] == "--recovery-dir" || arguments[at] == "--autosave-seconds")
            ++at; // its value
    }
    return std::nullopt;
}

std::string BatchDriver::optionValue(const std::vector<std::string>& arguments, std::size_t& at) const
{
    if (at + 1 >= arguments.size())
        throw UsageError{arguments[at] + " needs a value"};
    return arguments[++at];
}

void BatchDriver::validate(const Step& step) const
{
    const std::string& key = step.key;
    if (!step.value) {
        QObject* target = named(key);
        if (!qobject_cast<QAction*>(target) && !qobject_cast<QAbstractButton*>(target))
            throw UsageError{"no menu item or button named '" + key + "'"};
        return;
    }
    const std::string& value = *step.value;
    if (boxNamed(key) || otherBox(key))
        return;
    const StepKind* kind = stepKind(key);
    if (!kind)
        throw UsageError{"no box named '" + key + "'"};
    if (!kind->accepts(*this, value))
        throw UsageError{key + " takes " + std::string(kind->usage.substr(key.size() + 1)) + ", not '" + value + "'"};
}

void BatchDriver::perform(const Step& step)
{
    if (!step.value)
        click(step.key);
    else if (const StepKind* kind = stepKind(step.key))
        kind->run(*this, *step.value);
    else
        typeInto(step.key, *step.value);
}

bool BatchDriver::reportErrors()
{
    for (const std::string& message : prompter_.errors()) {
        err_ << "error: " << message << '\n';
        failed_ = true;
    }
    const bool stop = !prompter_.errors().empty() && !keepGoing_;
    prompter_.clearErrors();
    return !stop;
}

void BatchDriver::typeInto(const std::string& name, const std::string& text)
{
    if (!boxNamed(name))
        return typeIntoOther(name, text);
    const Box box = *boxNamed(name);
    const ParameterPanel& panel = windows_.form1().panel();
    if (!panel.box(box)->isEnabled())
        throw UsageError{"the box " + name + " is disabled"};
    panel.edit(box)->setText(qs(text));
}

void BatchDriver::click(const std::string& name)
{
    QObject* target = named(name);
    if (auto* action = qobject_cast<QAction*>(target)) {
        if (!windows_.form1().reachable(qs(name)))
            throw UsageError{"the item " + name + " is disabled"};
        withCancel([action] { action->trigger(); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        if (!button->isEnabled())
            throw UsageError{"the button " + name + " is disabled"};
        button->click();
    }
}

void BatchDriver::clickTool(const std::string& name)
{
    QAbstractButton* button = windows_.toolbox().button(qs(name));
    if (!windows_.toolbox().isVisible())
        throw UsageError{"the Toolbox is hidden"};
    if (!button->isEnabled())
        throw UsageError{"the Toolbox button " + name + " is disabled"};
    withCancel([button] { button->click(); });
}

// Clicks an item or button. With a Cancel waiting, presses it once the
// command has run for the time asked and shows a progress dialog; the dialog
// keeps the events going, so the timer fires while the command works.
void BatchDriver::withCancel(const std::function<void()>& click)
{
    QTimer canceller;
    QElapsedTimer clock;
    clock.start();
    canceller.callOnTimeout([&] {
        if (cancelAfter_ && clock.elapsed() >= *cancelAfter_ && pressProgressCancel()) {
            cancelAfter_.reset();
            canceller.stop();
        }
    });
    if (cancelAfter_)
        canceller.start(10);
    click();
}

// Clicks Cancel in a progress dialog on the screen, as a user would.
bool BatchDriver::pressProgressCancel() const
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
            progress->findChild<QPushButton*>()->click();
            return true;
        }
    return false;
}

// The image and point of a press step, "imgMap:X,Y".
std::optional<std::pair<QWidget*, QPoint>> BatchDriver::pressPoint(const std::string& target) const
{
    const auto colon = target.find(':');
    const auto comma = target.find(',', colon);
    if (colon == std::string::npos || comma == std::string::npos)
        return std::nullopt;
    QWidget* image = imageOf(target.substr(0, colon));
    bool xOk = false, yOk = false;
    const int x = qs(target.substr(colon + 1, comma - colon - 1)).toInt(&xOk);
    const int y = qs(target.substr(comma + 1)).toInt(&yOk);
    if (!image || !xOk || !yOk || x < 0 || x > 255 || y < 0 || y > 255)
        return std::nullopt;
    return std::pair{image, QPoint(x, y)};
}

void BatchDriver::press(const std::string& target)
{
    const auto [image, point] = *pressPoint(target);
    requireShown(image, target);
    QMouseEvent event(QEvent::MouseButtonPress, point, image->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(image, &event);
}

void BatchDriver::doubleClick(const std::string& name)
{
    QWidget* image = imageOf(name);
    requireShown(image, name);
    const QPoint point(1, 1);
    QMouseEvent event(QEvent::MouseButtonDblClick, point, image->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(image, &event);
}

void BatchDriver::requireShown(const QWidget* widget, const std::string& name) const
{
    if (!widget->isVisible())
        throw UsageError{"the window of " + name + " is hidden"};
}

// An image control by its name, or the one a view window shows.
QWidget* BatchDriver::imageOf(const std::string& name) const
{
    QObject* target = named(name);
    if (auto* view = qobject_cast<ViewForm*>(target))
        return view->findChild<ImageBox*>();
    return qobject_cast<ImageBox*>(target);
}

// A menu item, button, box, label or window by its design name.
QObject* BatchDriver::named(const std::string& name) const
{
    const QString wanted = qs(name);
    if (QAction* action = windows_.form1().item(wanted))
        return action;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == wanted)
            return window;
        if (auto* child = window->findChild<QWidget*>(wanted))
            return child;
    }
    return nullptr;
}

ViewForm* BatchDriver::shotWindow(const std::string& target) const
{
    const auto colon = target.find(':');
    return colon == std::string::npos ? nullptr : qobject_cast<ViewForm*>(named(target.substr(0, colon)));
}

// A box of another window than the main one, such as the Sculpt tool bar's.
QWidget* BatchDriver::otherBox(const std::string& name) const
{
    QObject* target = named(name);
    const bool box =
        qobject_cast<QLineEdit*>(target) || qobject_cast<QComboBox*>(target) || qobject_cast<QSpinBox*>(target);
    return box ? static_cast<QWidget*>(target) : nullptr;
}

// Typed and confirmed, as with Enter; a list box takes one of its items.
void BatchDriver::typeIntoOther(const std::string& name, const std::string& text)
{
    QWidget* box = otherBox(name);
    if (!box->isEnabled())
        throw UsageError{"the box " + name + " is disabled"};
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setText(qs(text));
        emit edit->editingFinished();
    } else if (auto* list = qobject_cast<QComboBox*>(box)) {
        const int index = list->findText(qs(text));
        if (index < 0)
            throw UsageError{"the box " + name + " has no item '" + text + "'"};
        list->setCurrentIndex(index);
    } else if (auto* spin = qobject_cast<QSpinBox*>(box)) {
        bool ok = false;
        const int value = qs(text).toInt(&ok);
        if (!ok || value < spin->minimum() || value > spin->maximum())
            throw UsageError{"the box " + name + " takes " + std::to_string(spin->minimum()) + " to " +
                             std::to_string(spin->maximum()) + ", not '" + text + "'"};
        spin->setValue(value);
    }
}

} // namespace tolvar
