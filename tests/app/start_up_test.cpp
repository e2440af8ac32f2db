#include <gtest/gtest.h>

#include <memory>

#include "app/form_load.h"
#include "paths/path_state.h"

namespace tarvel {
namespace {

TEST(StartUp, WindowAndControlsAreInTheirInitialCondition) {
    auto form = std::make_unique<Form>(RGB(239, 239, 239));
    Form_Load(*form);
    EXPECT_EQ(form->caption, "Tarvel Demo");
    EXPECT_EQ(form->clientWidth, 14295.0f);
    EXPECT_EQ(form->clientHeight, 10515.0f);
    EXPECT_FALSE(form->timer1.enabled);
    EXPECT_EQ(form->timer1.intervalMs, 100);
    EXPECT_EQ(form->cmbSymbol.items, (std::vector<std::string>{"0.5", "1.0", "2.0"}));
    EXPECT_EQ(form->cmbSymbol.text, "1.0");
    EXPECT_EQ(form->cmbSymbol.listIndex, 1);
    EXPECT_EQ(form->state.dSymbolTime, 1.0);
    EXPECT_FALSE(form->state.bChannelValid);
    EXPECT_EQ(form->hscFade.value, 0);
    EXPECT_EQ(form->vscSpectrumRange.value, 20);
    EXPECT_EQ(form->chkLinear.value, 0);
    EXPECT_EQ(form->chkLinear.caption, "Log Plot");
    EXPECT_EQ(form->chkMemory.value, 0);
    EXPECT_FALSE(form->chkMemory.captionColour.has_value());
    EXPECT_FALSE(form->state.bMemoryHeld);
}

TEST(StartUp, PathsAreParkedOffWithMarkerSevenOnTop) {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    const std::array<Colour, kPathCount> colours{
        RGB(0, 192, 0),   RGB(192, 0, 0),   RGB(0, 0, 192),   RGB(192, 192, 0),
        RGB(160, 0, 160), RGB(0, 160, 160), RGB(64, 64, 128), RGB(64, 128, 64)};
    EXPECT_EQ(form->state.lPathColour, colours);
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_FALSE(isPathOn(*form, i));
        EXPECT_EQ(form->cmdSource[i].left, 360.0f);
        EXPECT_EQ(form->cmdSource[i].top, 3900.0f);
        EXPECT_EQ(form->cmdSource[i].width, 375.0f);
        EXPECT_TRUE(form->cmdSource[i].tag.empty());
        EXPECT_TRUE(form->cmdSource[i].visible);
        EXPECT_FALSE(form->cmdShape[i].visible);
        EXPECT_FALSE(form->lneImpulse[i].visible);
    }
    EXPECT_EQ(form->markerStack.back(), 7);
    EXPECT_EQ(form->markerStack.front(), 0);
}

TEST(StartUp, FocusOrderStartsOnStart) {
    Form form;
    ASSERT_EQ(form.tabOrder.size(), 20u);
    EXPECT_EQ(form.tabOrder.front(), (ControlRef{ControlKind::CmdGo, 0}));
    EXPECT_EQ(form.tabOrder[4], (ControlRef{ControlKind::PicIndividual, 0}));
    EXPECT_EQ(form.tabOrder.back(), (ControlRef{ControlKind::CmdRand, 0}));
}

TEST(StartUp, BringingAMarkerToFrontPutsItOnTopOfTheStack) {
    Form form;
    form.bringMarkerToFront(2);
    EXPECT_EQ(form.markerStack, (std::array<int, 8>{0, 1, 3, 4, 5, 6, 7, 2}));
}

}  // namespace
}  // namespace tarvel
