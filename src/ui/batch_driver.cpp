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
namespace {

constexpr int ScreenSettleMs = 700;

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// "WINDOW:NUMBER,NUMBER..." split at the colon, with its whole numbers.
std::optional<std::pair<std::string, std::vector<int>>> windowAndNumbers(const std::string& value, int count)
{
    const auto colon = value.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const QStringList parts = qs(value.substr(colon + 1)).split(',');
    std::vector<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.push_back(part.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    if (static_cast<int>(numbers.size()) != count)
        return std::nullopt;
    return std::pair{value.substr(0, colon), numbers};
}

// What a key types: its character, when no Ctrl, Alt or Meta is held.
QString typedText(QKeyCombination keys)
{
    const int key = keys.key();
    if (key < 0x20 || key > 0x7e || keys.keyboardModifiers() & ~Qt::ShiftModifier)
        return {};
    const QChar typed(key);
    return keys.keyboardModifiers() & Qt::ShiftModifier ? typed : typed.toLower();
}

std::string stateWords(bool enabled, bool checked, bool visible)
{
    return std::string(enabled ? "enabled" : "disabled") + (checked ? " checked" : " unchecked") +
           (visible ? " visible" : " hidden");
}


} // namespace

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

void BatchDriver::startRecovery(std::vector<Step>::const_iterator& next, std::vector<Step>::const_iterator end)
{
    for (; next != end && next->key == "answer" && next->value; ++next)
        perform(*next);
    recovery_ = std::make_unique<CrashRecovery>(windows_.form1().runner(), prompter_, qs(*recoveryDir_), autosaveSeconds_);
    recovery_->offerLeftCopy();
    if (prompter_.unanswered())
        throw UsageError{"no answer waiting for " + *prompter_.unanswered()};
    reportErrors();
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

void BatchDriver::print(const std::string& name)
{
    std::string shown;
    QObject* target = named(name);
    if (auto* list = qobject_cast<QAbstractItemView*>(target)) {
        printRows(name, *list);
        return;
    }
    if (const auto box = boxNamed(name))
        shown = windows_.form1().text(*box);
    else if (auto* edit = qobject_cast<QLineEdit*>(target))
        shown = edit->text().toStdString();
    else if (auto* list = qobject_cast<QComboBox*>(target))
        shown = list->currentText().toStdString();
    else if (auto* spin = qobject_cast<QSpinBox*>(target))
        shown = QString::number(spin->value()).toStdString();
    else if (auto* label = qobject_cast<QLabel*>(target))
        shown = label->text().toStdString();
    else if (auto* action = qobject_cast<QAction*>(target))
        shown = stateWords(itemEnabled(action), action->isChecked(), action->isVisible());
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        shown = stateWords(button->isEnabled(), button->isChecked(), button->isVisible());
    else if (auto* widget = qobject_cast<QWidget*>(target))
        shown = stateWords(widget->isEnabled(), false, widget->isVisible());
    out_ << name << '=' << shown << std::endl;
    if (auto* view3d = qobject_cast<Tfrm3D*>(target))
        out_ << name << ".camera=" << view3d->cameraText() << std::endl;
    if (auto* terrain = qobject_cast<TfrmGameTerrain*>(target))
        for (const auto& [box, text] : terrain->boxTexts())
            out_ << name << '.' << box << '=' << text << std::endl;
    if (target == &windows_.toolbox())
        for (const auto& [item, button] : windows_.toolbox().buttons())
            out_ << name << '.' << item.toStdString() << '='
                 << stateWords(button->isEnabled(), button->isChecked(), button->isVisible()) << std::endl;
    if (name == "OpenRecent1")
        printRecentFiles();
}

// As the submenu shows them when it opens: the files gone since are greyed.
void BatchDriver::printRecentFiles()
{
    windows_.form1().recentFiles().refresh();
    int number = 0;
    for (const QAction* entry : windows_.form1().item("OpenRecent1")->menu()->actions())
        if (entry->isVisible())
            out_ << "OpenRecent1." << ++number << '=' << entry->data().toString().toStdString()
                 << (itemEnabled(entry) ? "" : " (missing)") << std::endl;
}

void BatchDriver::printFrame(const std::string& name)
{
    const QRect frame = qobject_cast<QWidget*>(named(name))->frameGeometry();
    out_ << name << ".frame=" << frame.x() << ',' << frame.y() << ' ' << frame.width() << 'x' << frame.height()
         << std::endl;
}

void BatchDriver::printRows(const std::string& name, const QAbstractItemView& list)
{
    const QAbstractItemModel& model = *list.model();
    for (int row = 0; row < model.rowCount(); ++row)
        out_ << name << ".row=" << model.index(row, 0).data().toString().toStdString() << std::endl;
}

void BatchDriver::writeGrid(const std::string& path)
{
    createFile(path, GridBytes(appState().HeightMap));
}

// The file's lines replace the memo's text, as if typed over it; the memo
// takes "\r\n" as one line break.
void BatchDriver::readHistory(const std::string& path)
{
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(path, SessionFileLimit);
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        qobject_cast<TfrmHistory*>(named("frmHistory"))->setText(text);
    } catch (const Error& e) {
        prompter_.showError(e.what());
    }
}

void BatchDriver::writeHistory(const std::string& path)
{
    const std::string text = WriteSessionRecords(windows_.form1().historyLines());
    createFile(path, TextBytes(text));
}

// A file the driver writes; a failure shows the error box, as in the program.
void BatchDriver::createFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    try {
        CreateWholeFile(path, bytes);
    } catch (const Error& e) {
        prompter_.showError(e.what());
    }
}

void BatchDriver::writeShot(const std::string& target)
{
    const auto colon = target.find(':');
    const std::string path = target.substr(colon + 1);
    ViewForm* window = shotWindow(target);
    // A docked view behind another's tab draws nothing until it is in front.
    if (auto* dock = qobject_cast<QDockWidget*>(window->parentWidget())) {
        dock->raise();
        QCoreApplication::processEvents();
    }
    const QImage image = window->viewBuffer();
    if (image.isNull())
        throw UsageError{"the window " + target.substr(0, colon) + " has no picture yet"};
    if (!image.save(qs(path), "PNG"))
        prompter_.showError("Cannot create file " + path);
}

// The window manager frames, places and paints the windows in its own time;
// the picture waits for it.
void BatchDriver::writeScreen(const std::string& path)
{
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < ScreenSettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(qs(path), "PNG"))
        prompter_.showError("Cannot create file " + path);
}

void BatchDriver::wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
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

// The 3D View of an orbit, pan or zoom step, and the step's numbers.
std::optional<std::pair<QWidget*, std::vector<int>>> BatchDriver::terrainStep(const std::string& value, int count) const
{
    const auto parsed = windowAndNumbers(value, count);
    if (!parsed)
        return std::nullopt;
    auto* view = qobject_cast<ViewForm*>(named(parsed->first));
    auto* terrain = view ? view->findChild<TerrainView*>() : nullptr;
    if (!terrain)
        return std::nullopt;
    return std::pair{static_cast<QWidget*>(terrain), parsed->second};
}

// Presses the button in the middle of the view, moves by DX, DY and lets
// go, through the view's own mouse handlers.
void BatchDriver::dragTerrain(const std::string& value, Qt::MouseButton button)
{
    const auto [view, numbers] = *terrainStep(value, 2);
    requireShown(view, value);
    const QPoint from = view->rect().center();
    const QPoint to = from + QPoint(numbers[0], numbers[1]);
    const auto send = [view, button](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, from, button);
    send(QEvent::MouseMove, to, button);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void BatchDriver::turnWheel(const std::string& value)
{
    const auto [view, numbers] = *terrainStep(value, 1);
    requireShown(view, value);
    const QPointF at = view->rect().center();
    QWheelEvent event(at, view->mapToGlobal(at), {}, QPoint(0, 120 * numbers[0]), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

// "WINDOW:KEYS": a window and one key with its modifiers, "Ctrl+Shift+Z".
std::optional<std::pair<QWidget*, QKeyCombination>> BatchDriver::keyStep(const std::string& target) const
{
    const auto colon = target.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    auto* window = qobject_cast<QWidget*>(named(target.substr(0, colon)));
    const QKeySequence keys = QKeySequence::fromString(qs(target.substr(colon + 1)), QKeySequence::PortableText);
    if (!window || !window->isWindow() || keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return std::pair{window, keys[0]};
}

// The window is made active and the key goes to its focus, through the
// application as a key from the keyboard does, so that the menu's keys and
// the window's own are found as they are for a user.
void BatchDriver::pressKey(const std::string& target)
{
    const auto [window, keys] = *keyStep(target);
    requireShown(window, target);
    window->activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (QApplication::activeWindow() != window && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (QApplication::activeWindow() != window)
        throw UsageError{"the window of " + target + " did not become active"};
    QWidget* focus = QApplication::focusWidget() && QApplication::focusWidget()->window() == window
                         ? QApplication::focusWidget()
                         : window;
    const QString text = typedText(keys);
    QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers(), text);
    QApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, keys.key(), keys.keyboardModifiers(), text);
    QApplication::sendEvent(focus, &release);
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

// The text after "frmSculpt:", or nothing for another window.
std::optional<std::string> BatchDriver::sculptArgument(const std::string& target)
{
    constexpr std::string_view window = "frmSculpt:";
    return target.starts_with(window) ? std::optional(target.substr(window.size())) : std::nullopt;
}

std::optional<int> BatchDriver::zoomPercent(const std::string& target)
{
    const auto argument = sculptArgument(target);
    bool ok = false;
    const int percent = argument ? qs(*argument).toInt(&ok) : 0;
    return ok && percent >= SculptCanvas::LeastZoom && percent <= SculptCanvas::MostZoom ? std::optional(percent)
                                                                                         : std::nullopt;
}

std::optional<std::vector<MapSpot>> BatchDriver::dragPath(const std::string& target)
{
    const auto argument = sculptArgument(target);
    if (!argument)
        return std::nullopt;
    std::vector<MapSpot> path;
    for (const QString& point : qs(*argument).split(';')) {
        const QStringList cells = point.split(',');
        bool rowOk = false, colOk = false;
        if (cells.size() != 2)
            return std::nullopt;
        path.push_back({cells[0].toDouble(&rowOk), cells[1].toDouble(&colOk)});
        if (!rowOk || !colOk)
            return std::nullopt;
    }
    return path;
}

// The left button down at the first point, moved through the others and up at
// the last, sent to the view's picture as the mouse would.
void BatchDriver::drag(const std::vector<MapSpot>& path)
{
    SculptCanvas& canvas = windows_.sculpt().canvas();
    requireShown(&canvas, "frmSculpt");
    QWidget* picture = canvas.viewport();
    const auto send = [&](QEvent::Type type, MapSpot spot, Qt::MouseButtons held) {
        const QPointF at = canvas.pointOf(spot);
        QMouseEvent event(type, at, picture->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    };
    send(QEvent::MouseButtonPress, path.front(), Qt::LeftButton);
    for (std::size_t i = 1; i < path.size(); ++i)
        send(QEvent::MouseMove, path[i], Qt::LeftButton);
    send(QEvent::MouseButtonRelease, path.back(), Qt::NoButton);
}

} // namespace tolvar
