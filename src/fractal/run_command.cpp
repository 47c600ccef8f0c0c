#include "fractal/run_command.h"

#include "core/frame.h"
#include "fractal/circle_field.h"
#include "fractal/diamond_square.h"
#include "fractal/escape_time.h"
#include "fractal/julia_points.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace tolvar {
namespace {

struct TypeItem {
    std::string_view item;
    std::string_view line;
};

// In the order their check marks are cleared.
constexpr std::array<TypeItem, 6> TypeItems{{
    {"Mandelbrot1", "Typ=Mandel"},
    {"Mountains1", "Typ=DiamondSquare"},
    {"MandelHigh1", "Typ=MandelHigh"},
    {"JuliaBrot1", "Typ=Juliabrot"},
    {"Julia1", "Typ=Julia"},
    {"Circle1", "Typ=Circle"},
}};

// The boxes Run records, as typed, before anything is converted.
constexpr std::array<std::pair<std::string_view, Box>, 9> RunLines{{
    {"Siz=", Box::cboHeight},
    {"Itr=", Box::ediIterations},
    {"Spr=", Box::cboMagnify},
    {"Stp=", Box::cboSteep},
    {"Rea=", Box::ediReal},
    {"Img=", Box::ediImaginary},
    {"Dis=", Box::cboDistort},
    {"Sea=", Box::ediSeaLevel},
    {"Rnd=", Box::ediRandSeed},
}};

// An escape-time generator, which can run long enough that the user stops
// it: then everything it changed is put back, as if Run had not started.
void runStoppable(Frame& frame, void (*generator)(Frame&, unsigned))
{
    const Frame::Mark before = frame.mark();
    try {
        generator(frame, DefaultWorkers());
    } catch (const Cancelled&) {
        frame.rollBack(before);
        frame.BusyCursorOff();
        throw;
    }
}

} // namespace

void RunFractal(Frame& frame)
{
    frame.BusyCursorOn();
    UiPort& ui = frame.ui();
    for (const auto& [tag, box] : RunLines)
        frame.LogCommand(std::string(tag) + ui.text(box));
    frame.LogCommand("Run");

    if (ui.isChecked("Mandelbrot1") || ui.isChecked("MandelHigh1"))
        runStoppable(frame, EscapeTimeMandel);
    if (ui.isChecked("Mountains1")) {
        frame.BeginOperation();
        DiamondSquare(frame);
        frame.RefreshViews();
    }
    if (ui.isChecked("Julia1"))
        JuliaPoints(frame);
    if (ui.isChecked("JuliaBrot1"))
        runStoppable(frame, JuliaBrot);
    if (ui.isChecked("Circle1"))
        CircleField(frame);
    frame.BusyCursorOff();
}

void SelectFractalType(Frame& frame, std::string_view item)
{
    const TypeItem* chosen = nullptr;
    for (const TypeItem& type : TypeItems)
        if (type.item == item)
            chosen = &type;
    if (!chosen)
        throw std::invalid_argument("not a fractal type item: " + std::string(item));

    for (const TypeItem& type : TypeItems)
        frame.ui().setChecked(type.item, false);
    frame.ui().setChecked(chosen->item, true);
    frame.LogCommand(std::string(chosen->line));
}

CommandTable FractalCommands()
{
    static constexpr std::array<Command, 7> table{{
        {"Run1", RunFractal},
        {"Circle1", [](Frame& f) { SelectFractalType(f, "Circle1"); }},
        {"Mountains1", [](Frame& f) { SelectFractalType(f, "Mountains1"); }},
        {"Julia1", [](Frame& f) { SelectFractalType(f, "Julia1"); }},
        {"JuliaBrot1", [](Frame& f) { SelectFractalType(f, "JuliaBrot1"); }},
        {"Mandelbrot1", [](Frame& f) { SelectFractalType(f, "Mandelbrot1"); }},
        {"MandelHigh1", [](Frame& f) { SelectFractalType(f, "MandelHigh1"); }},
    }};
    return table;
}

} // namespace tolvar
