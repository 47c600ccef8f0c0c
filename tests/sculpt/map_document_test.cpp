#include "frame_fixture.h"
#include "irregular_map.h"

#include "core/map_commands.h"
#include "sculpt/stroke_commands.h"

using namespace tolvar;

namespace {

struct Heard : MapListener {
    void regionChanged(const CellRect& cells) override { regions.push_back(cells); }
    void mapReplaced() override { ++replaced; }
    void sizeChanged(MapSize size) override { sizes.push_back(size); }

    std::vector<CellRect> regions;
    int replaced = 0;
    std::vector<MapSize> sizes;
};

class MapDocumentTest : public tolvar::testing::FrameTest {
protected:
    MapDocumentTest() { frame.document().addListener(heard); }

    Heard heard;
};

} // namespace

// Each dab reports the cells within the brush's radius of its segment, cut
// at the map's edge; no cell outside them changes.
TEST_F(MapDocumentTest, AStrokeReportsTheCellsOfEachDab)
{
    ui.texts[Box::cboHeight] = "3000"; // 300 x 300
    tolvar::testing::fillIrregular(map(), 9, 0x7FFF);
    const Grid before = map();

    const auto stroke = StartStroke(frame, {BrushKind::Raise, 3, 60, 50, 0}, PathPointAt(10.5, 20.25));
    EXPECT_EQ(heard.sizes, (std::vector<MapSize>{{300, 300}}));
    // Rows 7.5..13.5 and columns 17.25..23.25 hold the disc's cells.
    EXPECT_EQ(heard.regions, (std::vector<CellRect>{{8, 13, 18, 23}}));
    // Toward the far corner: rows -1.8..13.5 and columns 17.25..302.6.
    stroke->moveTo(PathPointAt(1.2, 299.6));
    EXPECT_EQ(heard.regions.back(), (CellRect{1, 13, 18, 300}));
    ASSERT_EQ(heard.regions.size(), 2u);
    EXPECT_EQ(heard.replaced, 0);

    int changed = 0;
    for (int r = 0; r < Grid::Side; ++r)
        for (int c = 0; c < Grid::Side; ++c)
            if (map()(r, c) != before(r, c)) {
                ++changed;
                EXPECT_TRUE(r >= 1 && r <= 13 && c >= 18 && c <= 300) << r << ',' << c;
            }
    EXPECT_GT(changed, 300);
    // The release tells nothing new: the views that did not follow the dabs redraw.
    FinishStroke(frame, *stroke);
    EXPECT_EQ(heard.replaced, 0);
    EXPECT_EQ(ui.calls.back(), "refresh views after stroke");
}

TEST_F(MapDocumentTest, TellsOfANewSizeAndOfWholeMapCommandsUntilTheListenerGoes)
{
    ui.texts[Box::cboHeight] = "2560";
    frame.BeginOperation();
    frame.BeginOperation();
    ui.texts[Box::cboHeight] = "5139";
    frame.BeginOperation();
    EXPECT_EQ(heard.sizes, (std::vector<MapSize>{{256, 256}, {512, 512}}));
    EXPECT_EQ(heard.replaced, 0);

    Undo(frame);
    EXPECT_EQ(heard.replaced, 1);
    EXPECT_TRUE(heard.regions.empty());

    frame.document().removeListener(heard);
    ui.texts[Box::cboHeight] = "40";
    frame.BeginOperation();
    Undo(frame);
    EXPECT_EQ(heard.sizes.size(), 2u);
    EXPECT_EQ(heard.replaced, 1);
}
