#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvar {

// The [Size] section of the game's terrain (.trn) file, an INI-style text:
// the map's width and depth in metres, and where their values stand in the
// text, so that they can be rewritten with every other byte kept.
struct TrnSize {
    std::string width;
    std::string depth;
    std::size_t widthAt = 0;
    std::size_t depthAt = 0;
};

// Throws Error saying what keeps the text from being read: not text, no
// [Size] section, no Width or Depth in it, or a value that is not a number.
TrnSize ReadTrnSize(std::string_view text);

// True when both values are this many metres.
bool TrnSizeIs(const TrnSize& size, int metres);

// The text with the values of Width and Depth replaced by metres.
std::string WithTrnSize(std::string_view text, const TrnSize& size, int metres);

} // namespace tolvar
