#include "core/comma_field.h"

#include <gtest/gtest.h>

using tolvar::CommaField;

TEST(CommaField, CountsFieldsFromOne)
{
    EXPECT_EQ(CommaField("12,,7", 1), "12");
    EXPECT_EQ(CommaField("12,,7", 2), "");
    EXPECT_EQ(CommaField("12,,7", 3), "7");
}

TEST(CommaField, BeyondTheLastCommaRepeatsTheLastField)
{
    EXPECT_EQ(CommaField("x", 1), "x");
    EXPECT_EQ(CommaField("x", 4), "x");
    EXPECT_EQ(CommaField("a,b,c", 5), "c");
    EXPECT_EQ(CommaField("10,20,", 3), "");
}

TEST(CommaField, ZeroOrLessGivesTheEmptyText)
{
    EXPECT_EQ(CommaField("a,b", 0), "");
    EXPECT_EQ(CommaField("a,b", -3), "");
}

TEST(CommaField, FieldsAreNotTrimmed)
{
    EXPECT_EQ(CommaField("10, 20 ,5", 2), " 20 ");
}
