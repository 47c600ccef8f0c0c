// The batch driver's keys and double clicks, sent to a window as a user's are.
#include "ui/batch_driver.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QString>
#include <QWidget>

namespace tolvar {
namespace {

// What a key types: its character, when no Ctrl, Alt or Meta is held.
QString typedText(QKeyCombination keys)
{
    const int key = keys.key();
    if (key < 0x20 || key > 0x7e || keys.keyboardModifiers() & ~Qt::ShiftModifier)
        return {};
    const QChar typed(key);
    return keys.keyboardModifiers() & Qt::ShiftModifier ? typed : typed.toLower();
}

} // namespace

std::vector<BatchDriver::StepKind> BatchDriver::inputSteps()
{
    using Driver = BatchDriver;
    using Value = const std::string&;
    return {
        {"key=WINDOW:KEYS",
         "press KEYS in the shown window WINDOW, made active (key=frmSculpt:Ctrl+Z,\n"
         "key=frmSculpt:]): the menu's keys and the window's own work as for a user",
         [](const Driver& d, Value target) { return d.keyStep(target).has_value(); },
         [](Driver& d, Value target) { d.pressKey(target); }},
        {"dblclick=frmDisplay", "double-click the wireframe display (saves WireFram.bmp)",
         [](const Driver& d, Value name) { return d.imageOf(name) != nullptr; },
         [](Driver& d, Value name) { d.doubleClick(name); }},
    };
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

} // namespace tolvar
