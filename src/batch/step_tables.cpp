// The batch driver's step tables, one per window, in the order --help lists
// them and a step's name is looked up.
#include "ui/batch_driver.h"

namespace tolvar {
namespace {

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
    static const std::vector<StepKind> kinds = [] {
        std::vector<StepKind> all;
        for (auto table : {mainSteps, sculptSteps, view3dSteps, inputSteps, runSteps})
            for (const StepKind& kind : table())
                all.push_back(kind);
        return all;
    }();
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
                       "[--settings-dir DIR] [--help] STEP...\n"
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
                  "steps in front of all others answer that question.\n"
                  "With --settings-dir the run reads and keeps what Tolvar remembers between runs (the recent\n"
                  "files, the brush, the height scale, the window places) in DIR; without it every run starts\n"
                  "as a first run of Tolvar does and remembers nothing.\n";
}

} // namespace tolvar
