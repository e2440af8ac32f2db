#include "app/focus_ring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/colour_contrast.h"
#include "app/form_load.h"

namespace tarvel {
namespace {

// The guidelines' least contrast for a focus indicator, and for text.
constexpr double kIndicatorContrast = 3.0;
constexpr double kTextContrast = 4.5;

// The better of the ring's two lines against a colour next to both.
double ringContrast(Colour neighbour) {
    return std::max(contrastRatio(focus_ring::kOuterColour, neighbour),
                    contrastRatio(focus_ring::kInnerColour, neighbour));
}

TEST(ColourContrast, MeasuresAsTheGuidelinesDo) {
    EXPECT_DOUBLE_EQ(contrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(RGB(0, 0, 192), RGB(0, 0, 192)), 1.0);
    // Known figures: the grey #767676 just passes on white, green counts
    // far more than blue.
    EXPECT_NEAR(contrastRatio(RGB(0x76, 0x76, 0x76), kWhite), 4.54, 0.01);
    EXPECT_NEAR(relativeLuminance(RGB(0, 255, 0)), 0.7152, 1e-9);
    EXPECT_NEAR(relativeLuminance(RGB(0, 0, 255)), 0.0722, 1e-9);
    EXPECT_NEAR(relativeLuminance(RGB(128, 128, 128)), 0.2159, 1e-4);
}

TEST(FocusRing, OneOfItsLinesStandsOutAgainstAnyColour) {
    EXPECT_GE(contrastRatio(focus_ring::kOuterColour, focus_ring::kInnerColour), 9.0);
    double lowest = 21;
    for (int r = 0; r <= 255; r += 3) {
        for (int g = 0; g <= 255; g += 3) {
            for (int b = 0; b <= 255; b += 3) lowest = std::min(lowest, ringContrast(RGB(r, g, b)));
        }
    }
    EXPECT_GE(lowest, kTextContrast);
}

// Every colour the ring meets: a marker on (its path's colour, also that of
// a fading frame beneath), off and pressed (the form's face: the window's
// own and the classic one), the bevel's and a picture box's frame, the
// drawings' white ground and black lines, the drag outline.
TEST(FocusRing, StandsOutOnEveryMarkerAndTheFormsFace) {
    auto form = std::make_unique<Form>(RGB(239, 239, 239));
    Form_Load(*form);
    std::vector<Colour> neighbours(form->state.lPathColour.begin(), form->state.lPathColour.end());
    for (const Colour c :
         {form->backColour, kDefaultFaceColour, RGB(0xff, 0xff, 0xff), RGB(0x9f, 0x9f, 0x9f),
          RGB(0x76, 0x76, 0x76), kBlack, RGB(0x6a, 0x6a, 0x6a)}) {
        neighbours.push_back(c);
    }
    double lowest = 21;
    for (const Colour c : neighbours) {
        EXPECT_GE(ringContrast(c), kIndicatorContrast) << toHex(c);
        lowest = std::min(lowest, ringContrast(c));
    }
    EXPECT_GE(lowest, kTextContrast);
    // Round a picture box or a scroll bar the outer line alone meets the face.
    EXPECT_GE(contrastRatio(focus_ring::kOuterColour, form->backColour), kIndicatorContrast);
    EXPECT_GE(contrastRatio(focus_ring::kOuterColour, kDefaultFaceColour), kIndicatorContrast);
}

// Inside a marker both lines must meet its face (the colour of its state),
// not the bevel alone, and leave face showing in the middle.
TEST(FocusRing, LiesOnAMarkersFaceInsideItsBevel) {
    const auto lines = focus_ring::linesAt(focus_ring::kMarkerInset);
    EXPECT_GT(lines.front().inset, focus_ring::kMarkerBevelDip);
    EXPECT_EQ(lines.front().colour, focus_ring::kOuterColour);
    EXPECT_EQ(lines.back().inset, lines.front().inset + focus_ring::kLineDip);
    EXPECT_EQ(lines.back().colour, focus_ring::kInnerColour);
    auto form = std::make_unique<Form>();
    const int markerDip = static_cast<int>(form->cmdSource[0].width / kTwipsPerPixel);
    EXPECT_LT(2 * (lines.back().inset + focus_ring::kLineDip), markerDip);
    EXPECT_EQ(focus_ring::linesAt(focus_ring::kEdgeInset).front().inset, 0);
}

}  // namespace
}  // namespace tarvel
