#include "app/drop_target.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "support/path_placement.h"
#include "support/started_form.h"

namespace tarvel {
namespace {

using K = ControlKind;
using testing::place;
using testing::startedForm;

struct Expect {
    float x, y;
    ControlRef control;
};

TEST(DropTarget, EachKindOfControlCatchesAtItsCentre) {
    auto form = startedForm();
    const Expect centres[] = {
        {5767.5f, 3817.5f, {K::Label1}},
        {607.5f, 337.5f, {K::Label2}},
        {2227.5f, 5227.5f, {K::LblAt, 20}},
        {547.5f, 4507.5f, {K::LblAt, 9}},
        {6127.5f, 4297.5f, {K::CmdRand}},
        {2257.5f, 8947.5f, {K::CmdGo, 0}},
        {3517.5f, 8947.5f, {K::CmdGo, 1}},
        {2887.5f, 8527.5f, {K::HscFade}},
        {14107.5f, 8587.5f, {K::VscSpectrumRange}},
        {3577.5f, 9480, {K::CmbSymbol}},
        {2550, 10140, {K::ImgZelm}},
        {10447.5f, 1147.5f, {K::PicIndividual}},
        {10507.5f, 3277.5f, {K::PicCombo}},
        {10507.5f, 5377.5f, {K::PicSumGraph}},
        {9607.5f, 8587.5f, {K::PicSpectrum}},
        {11737.5f, 7507.5f, {K::ChkLinear}},
        {13267.5f, 7507.5f, {K::ChkMemory}},
        {547.5f, 4087.5f, {K::CmdSource, 7}},
    };
    for (const Expect& e : centres) {
        const auto hit = controlAt(*form, e.x, e.y);
        ASSERT_TRUE(hit.has_value()) << e.x << ' ' << e.y;
        EXPECT_EQ(*hit, e.control) << e.x << ' ' << e.y;
        EXPECT_FALSE(isWindowSurfaceAt(*form, e.x, e.y));
    }
}

TEST(DropTarget, LinesFramesAndImpulsesBelongToTheWindowSurface) {
    auto form = startedForm();
    form->cmdShape[2].left = 3000;
    form->cmdShape[2].top = 1000;
    form->cmdShape[2].visible = true;
    form->lneImpulse[2].visible = true;
    form->lneImpulse[2].x1 = form->lneImpulse[2].x2 = 2000;
    form->lneImpulse[2].y1 = 1500;
    form->lneImpulse[2].y2 = 4080;
    for (const auto& [x, y] : {std::pair{540.0f, 2000.0f},   // power axis
                               std::pair{3000.0f, 4080.0f},  // delay axis
                               std::pair{5400.0f, 4080.0f},  // arrow head
                               std::pair{3100.0f, 1100.0f},  // a visible frame
                               std::pair{2000.0f, 3000.0f},  // an impulse line
                               std::pair{0.0f, 0.0f}, std::pair{14294.0f, 10514.0f}}) {
        EXPECT_FALSE(controlAt(*form, x, y).has_value()) << x << ' ' << y;
        EXPECT_TRUE(isWindowSurfaceAt(*form, x, y)) << x << ' ' << y;
    }
}

TEST(DropTarget, OutsideTheClientAreaIsNotTheWindow) {
    auto form = startedForm();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [x, y] :
         {std::pair{-1.0f, 2000.0f}, std::pair{2000.0f, -0.01f}, std::pair{14295.0f, 2000.0f},
          std::pair{2000.0f, 10515.0f}, std::pair{1e30f, 1e30f}, std::pair{nan, 2000.0f},
          std::pair{2000.0f, nan}}) {
        EXPECT_FALSE(isWindowSurfaceAt(*form, x, y)) << x << ' ' << y;
        EXPECT_FALSE(controlAt(*form, x, y).has_value()) << x << ' ' << y;
    }
}

TEST(DropTarget, BoxesIncludeTheirLeftAndTopEdgesOnly) {
    auto form = startedForm();
    EXPECT_EQ(controlAt(*form, 5580, 4080), (ControlRef{K::CmdRand}));
    EXPECT_FALSE(controlAt(*form, 6675, 4300).has_value());
    EXPECT_FALSE(controlAt(*form, 6000, 4515).has_value());
    EXPECT_FALSE(controlAt(*form, 5579.9f, 4300).has_value());
}

TEST(DropTarget, MarkerStackTopmostFirst) {
    auto form = startedForm();
    EXPECT_EQ(controlAt(*form, 400, 4000), (ControlRef{K::CmdSource, 7}));
    place(*form, 7, 2400, 1500);
    EXPECT_EQ(controlAt(*form, 400, 4000), (ControlRef{K::CmdSource, 6}));
    EXPECT_EQ(controlAt(*form, 2500, 1600), (ControlRef{K::CmdSource, 7}));
    form->bringMarkerToFront(2);
    EXPECT_EQ(controlAt(*form, 400, 4000), (ControlRef{K::CmdSource, 2}));
    // Two markers overlapping away from the stack: the later one in the stack wins.
    place(*form, 0, 2500, 1600);
    EXPECT_EQ(controlAt(*form, 2600, 1700), (ControlRef{K::CmdSource, 7}));
    form->bringMarkerToFront(0);
    EXPECT_EQ(controlAt(*form, 2600, 1700), (ControlRef{K::CmdSource, 0}));
}

TEST(DropTarget, StackingWhereControlsOverlap) {
    auto form = startedForm();
    // Markers over the label "Delay", the tick labels and "Random".
    place(*form, 7, 5220, 3600);
    EXPECT_EQ(controlAt(*form, 5400, 3700), (ControlRef{K::CmdSource, 7}));
    place(*form, 6, 5220, 3900);
    EXPECT_EQ(controlAt(*form, 5590, 4100), (ControlRef{K::CmdSource, 6}));
    EXPECT_EQ(controlAt(*form, 500, 4265), (ControlRef{K::CmdSource, 5}));
    // The toggles over the spectrum plot, the plot over its title and a tick label.
    EXPECT_EQ(controlAt(*form, 11000, 7300), (ControlRef{K::ChkLinear}));
    EXPECT_EQ(controlAt(*form, 6000, 7300), (ControlRef{K::PicSpectrum}));
    EXPECT_EQ(controlAt(*form, 6000, 6900), (ControlRef{K::LblAt, 0}));
    EXPECT_EQ(controlAt(*form, 13800, 9905), (ControlRef{K::PicSpectrum}));
    EXPECT_EQ(controlAt(*form, 13800, 10000), (ControlRef{K::LblAt, 13}));
}

// Neighbours that share a strip a pixel wide: the one the window shows on
// top catches there (the control table's order, later in it is higher).
TEST(DropTarget, WhereNeighboursShareAStripTheUpperOneCatches) {
    auto form = startedForm();
    const Expect upper[] = {
        {2887.5f, 8947.5f, {K::CmdGo, kGoReset}},    // Start's right edge lies under Reset
        {12547.5f, 7507.5f, {K::ChkMemory}},         // "Log Plot"'s right edge under "Memory"
        {13987.5f, 7507.5f, {K::VscSpectrumRange}},  // "Memory"'s right edge under the bar
        {13987.5f, 8587.5f, {K::VscSpectrumRange}},  // the spectrum's right edge too
        {13987.5f, 9907.5f, {K::VscSpectrumRange}},  // and a tick label's top edge
        // The statistics: a row's bottom edge lies under the next row's top.
        {3500, 5467.5f, {K::LblAt, kMeanDelayRow.value}},
        {2000, 5467.5f, {K::LblAt, kMeanDelayRow.title}},
        {2000, 5947.5f, {K::LblAt, kBandwidth1Row.title}},
        {4447.5f, 5200, {K::LblAt, kMeanDelayRow.muLabel}},  // its "µ" over its "s"
        {4447.5f, 5750, {K::LblAt, kDelaySpreadRow.muLabel}},
        {4507.5f, 9480, {K::LblAt, kSymbolTimeMu}},  // the symbol time's "µ" over its "s"
    };
    for (const Expect& e : upper) {
        const auto hit = controlAt(*form, e.x, e.y);
        ASSERT_TRUE(hit.has_value()) << e.x << ' ' << e.y;
        EXPECT_EQ(*hit, e.control) << e.x << ' ' << e.y;
    }
}

TEST(DropTarget, HiddenControlsCatchNothing) {
    auto form = startedForm();
    form->picSpectrum.visible = false;
    EXPECT_EQ(controlAt(*form, 6000, 7300), (ControlRef{K::LblAt, 0}));
    EXPECT_TRUE(isWindowSurfaceAt(*form, 9607.5f, 8587.5f));

    place(*form, 3, 2400, 1500);
    form->cmdSource[3].visible = false;  // its path fades
    EXPECT_TRUE(isWindowSurfaceAt(*form, 2500, 1600));

    for (int i = 0; i < kPathCount; ++i) form->cmdSource[i].visible = false;
    EXPECT_TRUE(isWindowSurfaceAt(*form, 400, 4000));

    form->lblAt[9].visible = false;
    EXPECT_TRUE(isWindowSurfaceAt(*form, 547.5f, 4507.5f));
    form->chkLinear.visible = false;
    EXPECT_EQ(controlAt(*form, 11000, 7300), (ControlRef{K::LblAt, 0}));
}

}  // namespace
}  // namespace tarvel
