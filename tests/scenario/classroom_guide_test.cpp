// The teacher's guide, docs/classroom.md, quotes the numbers a student sees
// in each activity. Every checked table there names the scenario that plays
// the activity; this test runs it and holds each cell to what the runner
// shows, so the guide cannot drift from the program, nor the program from
// the guide.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>

#include "classroom_readings.h"
#include "guide_tables.h"
#include "script_process.h"

namespace tarvel::scenario {
namespace {

std::string guideText() {
    std::ifstream in(CLASSROOM_GUIDE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ClassroomGuide, EveryCheckedCellIsWhatTheProgramShows) {
    const std::vector<GuideTable> tables = checkedTables(guideText());
    ASSERT_FALSE(tables.empty()) << "no checked table in " << CLASSROOM_GUIDE;
    std::map<std::string, ScriptRun> runs;
    for (const GuideTable& table : tables) {
        SCOPED_TRACE("the table at docs/classroom.md:" + std::to_string(table.line) + " (" +
                     table.scenario + ")");
        if (!runs.contains(table.scenario)) runs[table.scenario] = runScenarioFile(table.scenario);
        const ScriptRun& run = runs[table.scenario];
        ASSERT_EQ(run.exitStatus, 0) << run.errors;
        ASSERT_FALSE(table.rows.empty());
        for (std::size_t column = 1; column < table.header.size(); ++column) {
            const std::string& heading = table.header[column];
            const Reading* reading = readingUnder(heading);
            if (reading == nullptr) {
                ADD_FAILURE() << "a heading the test cannot check: " << heading;
                continue;
            }
            for (const std::vector<std::string>& row : table.rows) {
                SCOPED_TRACE("step " + row.front() + ", " + heading);
                try {
                    const std::string shown = reading->read(StepDumps{run, row.front()});
                    EXPECT_TRUE(cellMatches(*reading, row[column], shown))
                        << "the guide: " << row[column] << "\nthe program: " << shown;
                } catch (const std::exception& e) {
                    ADD_FAILURE() << e.what();
                }
            }
        }
    }
}

TEST(ClassroomGuide, EveryActivityHasACheckedTableAndEveryClassroomScenarioIsQuoted) {
    const std::string guide = guideText();
    const std::vector<GuideTable> tables = checkedTables(guide);
    std::set<std::string> checkedSections;
    std::set<std::string> quotedScenarios;
    for (const GuideTable& table : tables) {
        checkedSections.insert(table.section);
        quotedScenarios.insert(table.scenario);
    }
    // The activities are the numbered sections, "## 1. ...".
    std::istringstream lines(guide);
    int activities = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("## ") || line.size() < 4 || !std::isdigit(line[3])) continue;
        ++activities;
        EXPECT_TRUE(checkedSections.contains(line.substr(3))) << "no checked table under " << line;
    }
    EXPECT_EQ(activities, 5);
    const std::filesystem::path scenarios = std::filesystem::path(SCENARIO_DATA_DIR) / "scenarios";
    for (const auto& entry : std::filesystem::directory_iterator(scenarios)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("classroom_")) {
            EXPECT_TRUE(quotedScenarios.contains(name)) << name << " checks nothing in the guide";
        }
    }
}

// Two equal paths 1 us apart, as the path vector holds them: elements 0 and
// 30, complex points 0 and 15; the response 2(1 + cos(2 pi 15 k / 4096)) has
// its zeros 4096/15 bins, 1 MHz, apart, the first at bin 136.5.
TEST(ClassroomGuide, NotchesLieWhereTheAxisUnderThePlotReadsThem) {
    std::vector<double> power(4096);
    for (std::size_t k = 0; k < power.size(); ++k) {
        power[k] = 2 * (1 + std::cos(2 * std::numbers::pi * 15 * static_cast<double>(k) / 4096));
    }
    const std::vector<double> notches = notchFrequencies(power);
    ASSERT_EQ(notches.size(), 2u);
    EXPECT_NEAR(notches[0], 137 * 15.0 / 4096 - 15 / 14.8, 1e-12);  // bin 137, -0.51 MHz
    EXPECT_NEAR(notches[1] - notches[0], 273 * 15.0 / 4096, 1e-12);
    EXPECT_TRUE(notchFrequencies(std::vector<double>(4096, 1.0)).empty()) << "flat: no notch";
}

TEST(ClassroomGuide, WordsAreQuotedAsWholeSentences) {
    const std::string words = "Eye open 85 % of a single path's opening. A click clears it.";
    EXPECT_TRUE(quotesWholeSentences(words, words));
    EXPECT_TRUE(quotesWholeSentences(words, "Eye open 85 % of a single path's opening."));
    EXPECT_TRUE(quotesWholeSentences(words, "A click clears it."));
    EXPECT_FALSE(quotesWholeSentences(words, "Eye open 8")) << "not a sentence's end";
    EXPECT_FALSE(quotesWholeSentences(words, "open 85 % of a single path's opening."))
        << "not a sentence's start";
    EXPECT_FALSE(quotesWholeSentences(words, "Eye open 80 % of a single path's opening."));
    EXPECT_FALSE(quotesWholeSentences("2 notches. 12 notches.", "2 notches. 1"));
    EXPECT_TRUE(quotesWholeSentences("12 notches. 2 notches.", "2 notches."))
        << "found after a false start inside an earlier sentence";
}

TEST(ClassroomGuide, TablesAreReadUnderTheirCommentWithPlainMinusSigns) {
    const std::vector<GuideTable> tables = checkedTables(
        "## 1. Notches\n\ntext\n<!-- checked by x.tscript -->\n| Step | B |\n|---|---|\n"
        "| A | \u22120.51, 0.49 |\n| C |  d  |\n\nafter\n| not | checked |\n");
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].section, "1. Notches");
    EXPECT_EQ(tables[0].scenario, "x.tscript");
    EXPECT_EQ(tables[0].line, 5);
    EXPECT_EQ(tables[0].header, (std::vector<std::string>{"Step", "B"}));
    ASSERT_EQ(tables[0].rows.size(), 2u);
    EXPECT_EQ(tables[0].rows[0][1], "-0.51, 0.49");
    EXPECT_EQ(tables[0].rows[1][1], "d");
    EXPECT_THROW(checkedTables("<!-- checked by x.tscript -->\n| Step | B |\n|---|---|\n| A |\n"),
                 std::runtime_error)
        << "a row short of a cell";
    EXPECT_THROW(checkedTables("<!-- checked by x.tscript -->\n\n| Step |\n|---|\n"),
                 std::runtime_error)
        << "no table right under the comment";
}

TEST(WordsScenario, DumpWordsDescribesTheDiagramAndEveryPicture) {
    const ScriptRun run =
        runScriptText("#: start\ndump words\nclick 7\nclick 7\n#: on\ndump words\n");
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const JsonValue start = run.dump("start");
    EXPECT_EQ(start.size(), 5u);
    EXPECT_EQ(start["diagram"].text(), "No path is on.");
    for (const char* picture : {"picIndividual", "picCombo", "picSumGraph", "picSpectrum"}) {
        EXPECT_FALSE(start[picture].text().empty()) << picture;
    }
    // The words follow the core, not the runner: a switched-on path is named
    // at once, while the plot, redrawn only at the next analysis, still
    // shows no response.
    const JsonValue on = run.dump("on");
    EXPECT_EQ(on["diagram"].text(), "1 path on: path 8 at 0.00 \u00b5s, power 0.00.");
    EXPECT_EQ(on["picSpectrum"].text(), start["picSpectrum"].text());
}

}  // namespace
}  // namespace tarvel::scenario
