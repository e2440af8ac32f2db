#pragma once
// The checked tables of a teacher's guide in Markdown. A table is checked when
// the line `<!-- checked by SCENARIO -->` stands right before it: each row's
// first cell names a group of dumps in that scenario ("#: A", "#: A arrays",
// "#: A words"), and each other cell holds what a student sees there.

#include <string>
#include <vector>

namespace tarvel::scenario {

struct GuideTable {
    std::string section;   // the "## " heading the table stands under
    std::string scenario;  // a file name under scenarios/
    int line = 0;          // where the table starts in the guide, from 1
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// Every checked table of `markdown`, in order. Cells are trimmed, and a minus
// sign (U+2212) reads as '-', so the guide may set numbers properly.
std::vector<GuideTable> checkedTables(const std::string& markdown);

}  // namespace tarvel::scenario
