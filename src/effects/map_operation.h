#pragma once

#include "core/error.h"
#include "core/frame.h"

#include <initializer_list>
#include <string>

namespace tolvar {

// The frame most effects run in: their history lines first, so that a bad
// parameter box still leaves them written, then the prologue, the rewrite of
// the map and the views.
template <typename Rewrite> void RewriteMap(Frame& frame, std::initializer_list<std::string> lines, Rewrite rewrite)
{
    for (const std::string& line : lines)
        frame.LogCommand(line);
    frame.BeginOperation();
    rewrite(frame.state());
    frame.RefreshViews();
}

// The busy cursor for as long as it lives, also when a command fails.
class BusyCursor {
public:
    explicit BusyCursor(Frame& frame) : frame_(frame) { frame_.BusyCursorOn(); }
    ~BusyCursor() { frame_.BusyCursorOff(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Frame& frame_;
};

// As RewriteMap, under the busy cursor. A rewrite the user cancels (it
// throws Cancelled) puts back everything from BeginOperation on, as a
// cancelled Run does; the history lines stay.
template <typename Rewrite>
void BusyRewriteMap(Frame& frame, std::initializer_list<std::string> lines, Rewrite rewrite)
{
    for (const std::string& line : lines)
        frame.LogCommand(line);
    const BusyCursor busy(frame);
    const Frame::Mark before = frame.mark();
    try {
        frame.BeginOperation();
        rewrite(frame.state());
        frame.RefreshViews();
    } catch (const Cancelled&) {
        frame.rollBack(before);
        throw;
    }
}

} // namespace tolvar
