#include "formats/fractint_batch.h"

#include "core/error.h"
#include "import_fixture.h"

using namespace tolvar;
using namespace tolvar::testing;

TEST(FractintBatch, ReadsTheFirstCornersEntry)
{
    const struct {
        const char* text;
        const char* real;
        const char* imaginary;
        const char* spread;
    } cases[] = {
        {"  reset type=mandel corners=-2.5/1.5/-1.5/1.5", "-2.5", "-1.5", "3"},
        {"mandel {\n reset corners=-2.5/1.5/-1.5/1.5 maxiter=150\n}\n", "-2.5", "-1.5", "3"},
        {"x { corners=-0.75/-0.25/0.1/\\\n       0.6 maxiter=150\n}", "-0.75", "0.1", "0.5"},
        {"corners=-2/2/-1.25/1.75/-2/-1.25 \r\ncorners=9/9/9/9", "-2", "-1.25", "3"},
        {"; ends in corners=\r\ncorners=0/1/0.25/0.75", "0", "0.25", "0.5"},
        {"corners=-0.745/-0.744/0.113/0.11302", "-0.745", "0.113", "2e-05"},
        {"corners=1/2/-1/0.3333333333333333333", "1", "-1", "1.33333333333333"},
    };
    for (const auto& test : cases) {
        const FractalCorners corners = ReadCorners(test.text);
        EXPECT_EQ(corners.real, test.real) << test.text;
        EXPECT_EQ(corners.imaginary, test.imaginary) << test.text;
        EXPECT_EQ(corners.spread, test.spread) << test.text;
    }
}

using FractintBatchFile = ImportTest;

TEST_F(FractintBatchFile, SetsTheThreeBoxesAndNothingElse)
{
    const Grid before = map();
    ASSERT_EQ(run(OpenBatchFile, file("a.par", "corners=-2.5/1.5/-1.5/1.5\n")), "");
    EXPECT_EQ(ui.texts[Box::ediReal], "-2.5");
    EXPECT_EQ(ui.texts[Box::ediImaginary], "-1.5");
    EXPECT_EQ(ui.texts[Box::cboMagnify], "3");
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_TRUE(ui.enabled.empty());
    EXPECT_EQ(map(), before);
}
