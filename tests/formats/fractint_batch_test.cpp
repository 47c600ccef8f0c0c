#include "formats/fractint_batch.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace tolvar;

TEST(FractintBatch, ReadsTheFirstCornersEntry)
{
    const std::tuple<const char*, FractalCorners> cases[] = {
        {"  reset type=mandel corners=-2.5/1.5/-1.5/1.5", {"-2.5", "-1.5", "3"}},
        {"mandel {\n reset corners=-2.5/1.5/-1.5/1.5 maxiter=150\n}\n", {"-2.5", "-1.5", "3"}},
        {"x { corners=-0.75/-0.25/0.1/\\\n       0.6 maxiter=150\n}", {"-0.75", "0.1", "0.5"}},
        {"corners=-2/2/-1.25/1.75/-2/-1.25 \r\ncorners=9/9/9/9", {"-2", "-1.25", "3"}},
        {"; ends in corners=\r\ncorners=0/1/0.25/0.75", {"0", "0.25", "0.5"}},
        {"corners=-0.745/-0.744/0.113/0.11302", {"-0.745", "0.113", "2e-05"}},
        {"corners=1/2/-1/0.3333333333333333333", {"1", "-1", "1.33333333333333"}},
    };
    for (const auto& [text, expected] : cases) {
        const FractalCorners corners = ReadCorners(text);
        EXPECT_EQ(std::vector({corners.real, corners.imaginary, corners.spread}),
                  std::vector({expected.real, expected.imaginary, expected.spread}))
            << text;
    }
}
