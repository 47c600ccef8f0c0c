#include "formats/trn_size.h"

#include "core/error.h"
#include "core/number_text.h"

#include <algorithm>
#include <optional>

namespace tolvar {
namespace {

constexpr std::string_view Blanks = " \t\r";

bool sameWord(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

// The part of text[from, to) without blanks around it, as a position and length.
std::pair<std::size_t, std::size_t> trimmed(std::string_view text, std::size_t from, std::size_t to)
{
    while (from < to && Blanks.find(text[from]) != std::string_view::npos)
        ++from;
    while (to > from && Blanks.find(text[to - 1]) != std::string_view::npos)
        --to;
    return {from, to - from};
}

bool isText(std::string_view text)
{
    return std::ranges::none_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
    });
}

void requireNumber(const std::optional<std::size_t>& at, const std::string& value, const char* key)
{
    if (!at)
        throw Error(std::string("its [Size] section has no ") + key);
    try {
        StrToDouble(value);
    } catch (const Error&) {
        throw Error(std::string("its ") + key + " '" + value + "' is not a number");
    }
}

} // namespace

TrnSize ReadTrnSize(std::string_view text)
{
    if (!isText(text))
        throw Error("it is not a text file");
    TrnSize size;
    std::optional<std::size_t> widthAt, depthAt;
    bool sizeSection = false, sawSize = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        const auto [at, length] = trimmed(text, begin, end);
        const std::string_view line = text.substr(at, length);
        if (line.starts_with('[')) {
            sizeSection = sameWord(line.substr(1, line.find(']') - 1), "Size");
            sawSize = sawSize || sizeSection;
        } else if (const auto equals = line.find('='); sizeSection && equals != std::string_view::npos) {
            const auto [keyAt, keyLength] = trimmed(text, at, at + equals);
            const auto [valueAt, valueLength] = trimmed(text, at + equals + 1, at + length);
            const std::string_view key = text.substr(keyAt, keyLength);
            const std::string value(text.substr(valueAt, valueLength));
            if (sameWord(key, "Width")) {
                widthAt = valueAt;
                size.width = value;
            } else if (sameWord(key, "Depth")) {
                depthAt = valueAt;
                size.depth = value;
            }
        }
        begin = end + 1;
    }
    if (!sawSize)
        throw Error("it has no [Size] section");
    requireNumber(widthAt, size.width, "Width");
    requireNumber(depthAt, size.depth, "Depth");
    size.widthAt = *widthAt;
    size.depthAt = *depthAt;
    return size;
}

bool TrnSizeIs(const TrnSize& size, int metres)
{
    return StrToDouble(size.width) == metres && StrToDouble(size.depth) == metres;
}

std::string WithTrnSize(std::string_view text, const TrnSize& size, int metres)
{
    std::string edited(text);
    const std::string value = IntToStr(metres);
    // The later value first, so that the earlier one's place still holds.
    if (size.widthAt > size.depthAt) {
        edited.replace(size.widthAt, size.width.size(), value);
        edited.replace(size.depthAt, size.depth.size(), value);
    } else {
        edited.replace(size.depthAt, size.depth.size(), value);
        edited.replace(size.widthAt, size.width.size(), value);
    }
    return edited;
}

} // namespace tolvar
