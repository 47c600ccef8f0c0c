// The batch driver's steps on the main window and its dialogs, and those of
// the run itself: answers, prints, files, pictures and waits.
#include "core/app_state.h"
#include "core/boxes.h"
#include "core/error.h"
#include "core/scripted_prompter.h"
#include "formats/file_io.h"
#include "session/history_window.h"
#include "session/session_file.h"
#include "ui/app_windows.h"
#include "ui/batch_driver.h"
#include "ui/game_terrain_window.h"
#include "ui/main_window.h"
#include "ui/menu_tree.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/toolbox_window.h"
#include "views/view3d_window.h"
#include "views/view_form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QString>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <map>
#include <ostream>

namespace tolvar {
namespace {

constexpr int ScreenSettleMs = 700;

using Driver = BatchDriver;
using Value = const std::string&;

const std::map<std::string, Answer> answerWords{{"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}};

bool anyValue(const Driver&, Value)
{
    return true;
}
bool fileName(const Driver&, Value path)
{
    return !path.empty();
}
bool pngName(const Driver&, Value path)
{
    return path.ends_with(".png");
}

std::string stateWords(bool enabled, bool checked, bool visible)
{
    return std::string(enabled ? "enabled" : "disabled") + (checked ? " checked" : " unchecked") +
           (visible ? " visible" : " hidden");
}

} // namespace

std::vector<BatchDriver::StepKind> BatchDriver::mainSteps()
{
    return {
        {"dialog=PATH", "answer the next file dialog with PATH (dialog= cancels it)", anyValue,
         [](Driver& d, Value path) { d.prompter_.queueFile(path.empty() ? std::nullopt : std::optional(path)); }},
        {"confirm=ok|cancel", "answer the next OK/Cancel box",
         [](const Driver&, Value word) { return word == "ok" || word == "cancel"; },
         [](Driver& d, Value word) { d.prompter_.queueConfirm(word == "ok"); }},
        {"answer=yes|no|cancel", "answer the next Yes/No/Cancel box",
         [](const Driver&, Value word) { return answerWords.contains(word); },
         [](Driver& d, Value word) { d.prompter_.queueAnswer(answerWords.at(word)); }},
        {"print=NAME",
         "print a box's or label's text (a spin box's number), or the state of an item,\n"
         "button or window (print=frmToolbox adds a line for each of its buttons,\n"
         "print=frm3D a line with the camera's azimuth, elevation and distance,\n"
         "print=lstStates a lstStates.row= line for each row of History States,\n"
         "print=frmGameTerrain a line for each of its boxes,\n"
         "print=OpenRecent1 one for each recent file, newest first)",
         [](const Driver& d, Value name) { return d.named(name) != nullptr; },
         [](Driver& d, Value name) { d.print(name); }},
        {"frame=NAME", "print where the window NAME stands, frame and title bar included:\nNAME.frame=X,Y WxH",
         [](const Driver& d, Value name) {
             const auto* window = qobject_cast<const QWidget*>(d.named(name));
             return window && window->isWindow();
         },
         [](Driver& d, Value name) { d.printFrame(name); }},
        {"tool=NAME", "click the Toolbox button of the menu item or button NAME (tool=Smooth1)",
         [](const Driver& d, Value name) {
             return d.windows_.toolbox().button(QString::fromStdString(name)) != nullptr;
         },
         [](Driver& d, Value name) { d.clickTool(name); }},
        {"grid=PATH", "write the 514 x 514 height grid as little-endian 16-bit words", fileName,
         [](Driver& d, Value path) { d.writeGrid(path); }},
        {"history=PATH", "replace the lines of the session history with the lines of a text file", fileName,
         [](Driver& d, Value path) { d.readHistory(path); }},
        {"history-out=PATH", "write the lines of the session history to a text file, one per line", fileName,
         [](Driver& d, Value path) { d.writeHistory(path); }},
        {"shot=NAME:PATH.png", "write the picture of the view window NAME",
         [](const Driver& d, Value target) { return target.ends_with(".png") && d.shotWindow(target); },
         [](Driver& d, Value target) { d.writeShot(target); }},
        {"press=imgMap:X,Y", "press the plan image at X,Y (0..255)",
         [](const Driver& d, Value target) { return d.pressPoint(target).has_value(); },
         [](Driver& d, Value target) { d.press(target); }},
    };
}

std::vector<BatchDriver::StepKind> BatchDriver::runSteps()
{
    const auto milliseconds = [](const Driver&, Value ms) { return millisecondsOf(ms).has_value(); };
    return {
        {"cancel-after=MS",
         "press Cancel in the progress dialog of the next long run, MS\n"
         "milliseconds after it started (the dialog shows after a second)",
         milliseconds, [](Driver& d, Value ms) { d.cancelAfter_ = millisecondsOf(ms); }},
        {"screen=PATH.png", "write a picture of the whole screen, once the windows have settled", pngName,
         [](Driver& d, Value path) { d.writeScreen(path); }},
        {"wait=MS", "let MS milliseconds pass, with the events going", milliseconds,
         [](Driver& d, Value ms) { d.wait(*millisecondsOf(ms)); }},
    };
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

} // namespace tolvar
