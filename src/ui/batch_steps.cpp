// The batch driver's NAME=VALUE steps other than typing into a box: one row
// each, with its --help line, the check of its value made before any step
// runs, and what it does.
#include "core/scripted_prompter.h"
#include "ui/app_windows.h"
#include "ui/batch_driver.h"
#include "ui/toolbox_window.h"
#include "views/sculpt_window.h"

#include <QString>
#include <map>

namespace tolvar {
namespace {

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

// The help lines of one step: its form, then its text from column 21.
std::string helpLines(std::string_view usage, std::string_view help)
{
    constexpr std::size_t column = 21;
    std::string lines = "  " + std::string(usage);
    lines += lines.size() < column ? std::string(column - lines.size(), ' ') : std::string("  ");
    for (const char c : help)
        lines += c == '\n' ? "\n" + std::string(column, ' ') : std::string(1, c);
    return lines + '\n';
}

} // namespace

const std::vector<BatchDriver::StepKind>& BatchDriver::stepKinds()
{
    const auto milliseconds = [](const Driver&, Value ms) { return millisecondsOf(ms).has_value(); };
    const auto terrainDrag = [](const Driver& d, Value target) { return d.terrainStep(target, 2).has_value(); };
    static const std::vector<StepKind> kinds{
        {"dialog=PATH", "answer the next file dialog with PATH (dialog= cancels it)", anyValue,
         [](Driver& d, Value path) { d.prompter_.queueFile(path.empty() ? std::nullopt : std::optional(path)); }},
        {"confirm=ok|cancel", "answer the next OK/Cancel box",
         [](const Driver&, Value word) { return word == "ok" || word == "cancel"; },
         [](Driver& d, Value word) { d.prompter_.queueConfirm(word == "ok"); }},
        {"answer=yes|no|cancel", "answer the next Yes/No/Cancel box",
         [](const Driver&, Value word) { return answerWords.contains(word); },
         [](Driver& d, Value word) { d.prompter_.queueAnswer(answerWords.at(word)); }},
        {"print=NAME",
         "print a box's or label's text, or the state of an item, button or window\n"
         "(print=frmToolbox adds a line for each of its buttons,\n"
         "print=frm3D a line with the camera's azimuth, elevation and distance,\n"
         "print=lstStates a lstStates.row= line for each row of History States)",
         [](const Driver& d, Value name) { return d.named(name) != nullptr; },
         [](Driver& d, Value name) { d.print(name); }},
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
        {"drag=frmSculpt:R,C;R,C;...",
         "draw on the Sculpt view with the left button, from the first\n"
         "map row,column to the last (decimals allowed), at the current zoom",
         [](const Driver&, Value target) { return dragPath(target).has_value(); },
         [](Driver& d, Value target) { d.drag(*dragPath(target)); }},
        {"zoom=frmSculpt:PERCENT",
         "zoom the Sculpt view, 25 to 800; zoom=frm3D:STEPS turns the mouse wheel\n"
         "over the 3D View STEPS notches (positive comes closer)",
         [](const Driver& d, Value target) { return zoomPercent(target) || d.terrainStep(target, 1); },
         [](Driver& d, Value target) {
             if (const auto percent = zoomPercent(target))
                 d.windows_.sculpt().canvas().setZoom(*percent);
             else
                 d.turnWheel(target);
         }},
        {"orbit=frm3D:DX,DY",
         "drag the 3D View DX, DY pixels with the left button (turns the camera);\n"
         "the 3D View needs OpenGL on a display: use --on-screen",
         terrainDrag, [](Driver& d, Value target) { d.dragTerrain(target, Qt::LeftButton); }},
        {"pan=frm3D:DX,DY",
         "drag the 3D View DX, DY pixels with the right button (slides the map\n"
         "with the pointer); needs --on-screen, as orbit= does",
         terrainDrag, [](Driver& d, Value target) { d.dragTerrain(target, Qt::RightButton); }},
        {"dblclick=frmDisplay", "double-click the wireframe display (saves WireFram.bmp)",
         [](const Driver& d, Value name) { return d.imageOf(name) != nullptr; },
         [](Driver& d, Value name) { d.doubleClick(name); }},
        {"cancel-after=MS",
         "press Cancel in the progress dialog of the next long run, MS\n"
         "milliseconds after it started (the dialog shows after a second)",
         milliseconds, [](Driver& d, Value ms) { d.cancelAfter_ = millisecondsOf(ms); }},
        {"screen=PATH.png", "write a picture of the whole screen, once the windows have settled", pngName,
         [](Driver& d, Value path) { d.writeScreen(path); }},
        {"wait=MS", "let MS milliseconds pass, with the events going", milliseconds,
         [](Driver& d, Value ms) { d.wait(*millisecondsOf(ms)); }},
    };
    return kinds;
}

const BatchDriver::StepKind* BatchDriver::stepKind(const std::string& name)
{
    for (const StepKind& kind : stepKinds())
        if (kind.usage.substr(0, kind.usage.find('=')) == name)
            return &kind;
    return nullptr;
}

std::string BatchDriver::helpText()
{
    std::string text = "usage: tolvar-batch [--keep-going] [--on-screen] [--recovery-dir DIR [--autosave-seconds N]] "
                       "[--help] STEP...\n"
                       "Runs Tolvar's main window headless, one step after another:\n" +
                       helpLines("NAME=TEXT", "type TEXT into the box NAME (cboHeight, ediIterations, ...)") +
                       helpLines("NAME", "click the menu item or button NAME (Run1, SetRandSeed1, btnUp, ...)");
    for (const StepKind& kind : stepKinds())
        text += helpLines(kind.usage, kind.help);
    return text + "Exit status: 0 done, 1 an error box was shown, 2 a usage error.\n"
                  "With --keep-going the run goes on after an error, as a user goes on after closing the box.\n"
                  "With --on-screen the windows show on the display (an X server such as Xvfb with a window\n"
                  "manager) instead of the fixed 1280 x 1024 offscreen screen.\n"
                  "With --recovery-dir the run keeps a recovery copy of an unsaved map in DIR every N seconds\n"
                  "(60), and first offers a copy that a run which ended without saving left there; answer=\n"
                  "steps in front of all others answer that question.\n";
}

} // namespace tolvar
