#include "fractal_support.h"

#include "sculpt/stroke_line.h"

#include <gtest/gtest.h>

using namespace tolvar;
using tolvar::testing::errorOf;

TEST(StrokeLine, ReadsWhatItWritesInHundredthsOfACell)
{
    const StrokeRecord stroke{{BrushKind::SetHeight, 16, 50, 0, 1000}, {{12050, 3300}, {12125, -7}, {5, 51200}}};
    const std::string line = "Brs=Set Height,16,50,0,1000,120.5,33;121.25,-0.07;0.05,512";
    EXPECT_EQ(StrokeLine(stroke), line);
    EXPECT_EQ(ParseStrokeLine(line.substr(4)), stroke);
    // As a rerun hands it over: lower case, blanks before numbers.
    EXPECT_EQ(ParseStrokeLine("set height, 16, 50,0,1000, 120.50, 33;121.25,-0.07;0.05,512"), stroke);
}

TEST(StrokeLine, RefusesWhatItCannotReplayExactly)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Raise,16,50,50,1000,1.234,5", "'1.234' is not a valid stroke point"},
        {"Raise,16,50,50,1000,1,5;7", "'7' is not a valid stroke point"},
        {"Raise,16,50,50,1000,1,5;", "'' is not a valid stroke point"},
        {"Raise,16,50,50,1000", "'Raise,16,50,50,1000' is not a valid stroke"},
        {"Raise,0,50,50,1000,1,5", "'0' is not a valid radius: it takes 1 to 128"},
        {"Raise,16,50,101,1000,1,5", "'101' is not a valid hardness: it takes 0 to 100"},
        {"Raise,16,50,50,70000,1,5", "'70000' is not a valid target height: it takes 0 to 65535"},
        {"Dig,16,50,50,1000,1,5", "'Dig' is not a brush"},
        {"Raise,16,50,50,1000,99999,5", "'99999' is not a valid stroke point"},
    };
    for (const auto& [arguments, message] : cases)
        EXPECT_EQ(errorOf([&] { ParseStrokeLine(arguments); }).substr(0, message.size()), message) << arguments;
}
