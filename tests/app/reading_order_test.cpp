// What a screen reader's reading keys meet: every control a student can use
// once, each statistic as its title and then its figure, and no label that
// the layout shows only for the eye.

#include "app/reading_order.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvel {
namespace {

bool isLabel(ControlRef control) {
    return control.kind == ControlKind::LblAt || control.kind == ControlKind::Label1 ||
           control.kind == ControlKind::Label2;
}

TEST(ReadingOrder, ReadsEveryControlOnceAndOnlyTheStatisticsOfTheLabels) {
    const std::vector<ControlRef> order = readingOrder();
    for (const ControlRef control : allControls()) {
        const auto times = std::count(order.begin(), order.end(), control);
        if (!isLabel(control)) {
            EXPECT_EQ(times, 1) << static_cast<int>(control.kind) << " " << control.index;
            continue;
        }
        bool statistic = false;
        for (const StatisticsRow& row : kStatisticsRows) {
            statistic = statistic || control.index == row.title || control.index == row.value;
        }
        EXPECT_EQ(times, statistic && control.kind == ControlKind::LblAt ? 1 : 0)
            << "label " << control.index;
    }
}

TEST(ReadingOrder, ReadsEachStatisticsTitleJustBeforeItsFigure) {
    const std::vector<ControlRef> order = readingOrder();
    for (const StatisticsRow& row : kStatisticsRows) {
        const auto title =
            std::find(order.begin(), order.end(), ControlRef{ControlKind::LblAt, row.title});
        ASSERT_NE(title, order.end());
        ASSERT_NE(title + 1, order.end());
        EXPECT_EQ(*(title + 1), (ControlRef{ControlKind::LblAt, row.value}));
    }
}

TEST(ReadingOrder, WalksTheAreasFromTheDiagramToTheAnimation) {
    const std::vector<ReadingArea>& areas = readingAreas();
    std::vector<std::string_view> names;
    for (const ReadingArea& area : areas) names.push_back(area.name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"Impulse response", "Delay statistics",
                                                    "Eye diagrams", "", "Animation"}));
    // The spectrum's area is named by its title above the plot.
    EXPECT_EQ(areas[3].titleLabel, kFrequencyResponseTitle);
    const std::vector<ControlRef> order = readingOrder();
    EXPECT_EQ(order.front(), (ControlRef{ControlKind::CmdSource, 0}));
    EXPECT_EQ(order.back(), (ControlRef{ControlKind::ImgZelm, 0}));
}

}  // namespace
}  // namespace tarvel
