#include "action_storm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/form_load.h"
#include "invariants.h"
#include "storm_report.h"

namespace tarvel::robustness {
namespace {

std::size_t actionsPerSeed() {
    const char* text = std::getenv("TARVEL_STORM_ACTIONS");
    return text && *text ? std::strtoull(text, nullptr, 10) : 10000;
}

// Ten seeded storms; 100 000 actions in all by default.
class ActionStorm : public testing::TestWithParam<std::uint64_t> {};

TEST_P(ActionStorm, EveryInvariantHoldsAfterEveryAction) {
    const std::uint64_t seed = stormSeed(GetParam());
    const StormOutcome outcome = runStorm(seed, actionsPerSeed());
    if (outcome.failed) FAIL() << reportFailure(outcome);
    std::cout << "seed " << seed << ": " << outcome.actionsRun << " actions\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, ActionStorm,
                         testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u));

TEST(CaptionForm, AcceptsWhatTheRuleWritesAndNothingElse) {
    for (const char* good : {" 0", "0.5", "0.04", "0.12", " 2", " 1.5", " 12.25", "Inf"})
        EXPECT_TRUE(isWellFormedCaption(good)) << good;
    for (const char* bad : {"", "0", " .5", "0.50", " 2.", " 2.500", "Delay Spread", "-0.5", "nan",
                            " 1e3", "0.", "00.5"})
        EXPECT_FALSE(isWellFormedCaption(bad)) << bad;
}

// A stand-in fault: a "Reset" anywhere after a "Random".
bool resetAfterRandom(const std::vector<UserAction>& actions, StormFailure* failure) {
    bool sawRandom = false;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (actions[i].kind == UserAction::Kind::Random) sawRandom = true;
        if (sawRandom && actions[i].kind == UserAction::Kind::Reset) {
            *failure = {i, "reset after random"};
            return true;
        }
    }
    return false;
}

TEST(ShortestFailing, ShrinksToTheActionsThatMatter) {
    const std::vector<UserAction> actions = generateActions(7, 400);
    StormFailure failure;
    ASSERT_TRUE(resetAfterRandom(actions, &failure));
    const std::vector<UserAction> shortest = shortestFailing(actions, resetAfterRandom);
    ASSERT_EQ(shortest.size(), 2u);
    EXPECT_EQ(shortest[0].kind, UserAction::Kind::Random);
    EXPECT_EQ(shortest[1].kind, UserAction::Kind::Reset);
}

TEST(ShortestFailing, LeavesASoundSequenceAlone) {
    const std::vector<UserAction> actions = generateActions(99, 50);
    const auto neverFails = [](const std::vector<UserAction>&, StormFailure*) { return false; };
    EXPECT_EQ(shortestFailing(actions, neverFails).size(), actions.size());
}

TEST(DrawBudget, CountsWhatEachActionTakes) {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    UserAction random;
    random.kind = UserAction::Kind::Random;
    EXPECT_EQ(drawBudget(*form, random).least, 24u);
    UserAction overLabel;
    overLabel.kind = UserAction::Kind::Drag;
    overLabel.index = 7;
    overLabel.x = 2000;  // "Mean Delay"
    overLabel.y = 5100;
    EXPECT_EQ(drawBudget(*form, overLabel).least, 0u);
    UserAction overDiagram = overLabel;
    overDiagram.x = 1500;
    overDiagram.y = 2000;
    EXPECT_EQ(drawBudget(*form, overDiagram).least, 1u);
    UserAction tick;
    EXPECT_EQ(drawBudget(*form, tick).least, 64u);
    EXPECT_TRUE(drawBudget(*form, tick).exact);
    EXPECT_EQ(checkDraws({64, false, true}, 70), "");
    EXPECT_NE(checkDraws({64, false, true}, 71), "");
    EXPECT_NE(checkDraws({64, true, true}, 66), "");
}

}  // namespace
}  // namespace tarvel::robustness
