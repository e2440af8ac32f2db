// The runner's start-up state, its line syntax, and every way it refuses a
// line: status 2, "line N: <reason>", nothing after the bad line runs.

#include <gtest/gtest.h>

#include <string>

#include "script_process.h"

namespace tarvel::scenario {
namespace {

TEST(StartUpScenario, DumpIsTheHandCheckedStartUpState) {
    const ScriptRun run = runScenarioFile("startup.tscript");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.line("startup") + "\n", readScenarioData("expected/startup.json"));
}

TEST(StartUpScenario, EmptyScriptSucceedsSilently) {
    const ScriptRun run = runScriptText("");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(run.errors, "");
}

TEST(StartUpScenario, BlankLinesCommentsAndCarriageReturnsAreSkipped) {
    const ScriptRun run = runScriptText("\n   \n# a comment\n\t  # indented\r\n\tdump   \r\ndump");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0] + "\n", readScenarioData("expected/startup.json"));
    EXPECT_EQ(run.lines[1], run.lines[0]);
}

struct RefusedLine {
    const char* script;
    const char* error;
    std::size_t dumpsBefore = 0;
};

TEST(ErrorScenario, BadLinesAreRefusedWithTheirLineNumberAndReason) {
    const RefusedLine cases[] = {
        {"bogus", "line 1: unknown command 'bogus'"},
        {"dump\n\n# note\nclick\ndump", "line 4: missing argument (click I)", 1},
        {"click 1 2", "line 1: surplus argument '2' (click I)"},
        {"random now", "line 1: surplus argument 'now' (random)"},
        {"tick 1 2", "line 1: surplus argument '2' (tick [N])"},
        {"drag 0 100", "line 1: missing argument (drag I X Y)"},
        {"click 8", "line 1: marker out of range: '8' (0..7)"},
        {"key -1 u", "line 1: marker out of range: '-1' (0..7)"},
        {"click 1x", "line 1: not an integer: '1x'"},
        {"click 1.0", "line 1: not an integer: '1.0'"},
        {"click +1", "line 1: not an integer: '+1'"},
        {"click 99999999999", "line 1: marker out of range: '99999999999' (0..7)"},
        {"fade 6", "line 1: fading value out of range: '6' (0..5)"},
        {"range 21", "line 1: range value out of range: '21' (0..20)"},
        {"range -1", "line 1: range value out of range: '-1' (0..20)"},
        {"tick 100001", "line 1: tick count out of range: '100001' (0..100000)"},
        {"tick -1", "line 1: tick count out of range: '-1' (0..100000)"},
        {"draws", "line 1: missing argument (draws U1 [U2 ...])"},
        {"draws 0.5 1", "line 1: draw out of range: '1' [0, 1)"},
        {"draws -0.25", "line 1: draw out of range: '-0.25' [0, 1)"},
        {"draws 0.999999999", "line 1: draw out of range: '0.999999999' [0, 1)"},
        {"draws 0.5 nan", "line 1: not a number: 'nan'"},
        {"drag 0 inf 100", "line 1: not a number: 'inf'"},
        {"drag 0 1e39 100", "line 1: number beyond single precision: '1e39'"},
        {"drag 0 0x10 100", "line 1: not a number: '0x10'"},
        {"place 0 359 3900", "line 1: LEFT out of range: '359' (360..5220)"},
        {"place 0 5220.5 3900", "line 1: LEFT out of range: '5220.5' (360..5220)"},
        {"place 0 360 119", "line 1: TOP out of range: '119' (120..3900)"},
        {"place 0 360 3900.25", "line 1: TOP out of range: '3900.25' (120..3900)"},
        {"symbol 3.0", "line 1: symbol time is not one of the list's items: '3.0' (0.5, 1.0, 2.0)"},
        {"symbol 1", "line 1: symbol time is not one of the list's items: '1' (0.5, 1.0, 2.0)"},
        {"key 0 ab", "line 1: key is neither one character nor #N: 'ab'"},
        {"key 0 #x", "line 1: key is neither one character nor #N: '#x'"},
        {"key 0 #256", "line 1: character code out of range: '256' (0..255)"},
        {"clear all", "line 1: no eye-diagram surface 'all' (individual, combo, sum)"},
        {"dump everything",
         "line 1: nothing to dump called 'everything' (dump, dump arrays, dump words, dump "
         "surface NAME)"},
        {"dump arrays now", "line 1: surplus argument 'now' (dump arrays)"},
        {"dump words now", "line 1: surplus argument 'now' (dump words)"},
        {"dump surface", "line 1: missing argument (dump surface NAME)"},
        {"dump surface picNone",
         "line 1: no surface 'picNone' (picIndividual, picCombo, picSumGraph, picSpectrum)"},
        {"dump\nclick\x01\xff", "line 2: unknown command 'click\\x01\\xff'", 1},
    };
    for (const RefusedLine& c : cases) {
        SCOPED_TRACE(c.script);
        const ScriptRun run = runScriptText(std::string(c.script) + "\ndump\n");
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_EQ(run.errors, std::string(c.error) + "\n");
        EXPECT_EQ(run.lines.size(), c.dumpsBefore);  // the dump after the bad line never ran
    }
}

TEST(ErrorScenario, SingleCharacterAndCodedKeysAreAccepted) {
    const ScriptRun run = runScriptText("key 0 #\nkey 0 #0\nkey 0 #255\nkey 0 x\ndump\n");
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.lines.size(), 1u);
}

TEST(ErrorScenario, OverlongLineIsRefusedWithoutBeingHeld) {
    const std::string script = "dump\n# " + std::string(3u << 20, 'x') + "\ndump\n";
    const ScriptRun run = runScriptText(script);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.errors, "line 2: line longer than 1048576 characters\n");
    EXPECT_EQ(run.lines.size(), 1u);
}

TEST(ErrorScenario, BinaryBytesNeverCrashTheRunner) {
    std::string script;
    for (int byte = 0; byte < 256; ++byte) script += static_cast<char>(byte);
    const ScriptRun run = runScriptText(script);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.errors.rfind("line 1: unknown command '\\x00", 0), 0u) << run.errors;
}

TEST(ErrorScenario, MissingFileIsRefused) {
    const ScriptRun run = runScenarioFile("no-such-scenario.tscript");
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_NE(run.errors.find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace tarvel::scenario
