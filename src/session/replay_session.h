#pragma once

#include <string_view>

namespace tolvar {

class Frame;

// The codes of the history lines, four characters each. A code's number is
// its place in the text counting from 1; "sea" stands twice and the lookup
// finds the first, so its number is always 7.
inline constexpr std::string_view SessionCodes =
    "new.mtr.crc.cfl.low.inv.sea.fld.smz.siz.itr.spr.stp.rea.img.dis.sea.run.typ.add."
    "ave.sub.max.min.frl.flr.ftb.fbt.inc.rdc.cpy.pst.rtl.rtr.rnd.";

// The number of the code at the first place where the line's first three
// characters, lower-cased, occur in SessionCodes; 0 when they occur nowhere
// or the line is empty. The search runs over the whole text, so fragments
// such as "ru" find a code too, and the fourth character is never read.
int SessionCodeNumber(std::string_view line);

// Session > Rerun Session: walks the history lines from top to bottom,
// replaying "Crc" lines as circles, "Run" lines as a Run with the current
// fields and "Brs" lines as brush strokes, and skipping every other line.
// Nothing is logged meanwhile. An error stops the walk; the lines before it
// stay carried out.
void ReplaySession(Frame& frame);

} // namespace tolvar
