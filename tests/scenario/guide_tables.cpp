#include "guide_tables.h"

#include <sstream>
#include <stdexcept>

namespace tarvel::scenario {
namespace {

constexpr std::string_view kCheckedBy = "<!-- checked by ";
constexpr std::string_view kCommentEnd = " -->";

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string withPlainMinus(std::string text) {
    static const std::string kMinusSign = "\u2212";
    for (std::size_t at = text.find(kMinusSign); at != std::string::npos;
         at = text.find(kMinusSign, at)) {
        text.replace(at, kMinusSign.size(), "-");
    }
    return text;
}

// "| a | b |" into {"a", "b"}.
std::vector<std::string> cellsOf(const std::string& line, int lineNumber) {
    const std::string row = trimmed(line);
    if (row.size() < 2 || row.front() != '|' || row.back() != '|') {
        throw std::runtime_error("line " + std::to_string(lineNumber) +
                                 ": a checked table's row must start and end with '|'");
    }
    std::vector<std::string> cells;
    std::size_t start = 1;
    for (std::size_t bar = row.find('|', start); bar != std::string::npos;
         bar = row.find('|', start)) {
        cells.push_back(withPlainMinus(trimmed(std::string_view(row).substr(start, bar - start))));
        start = bar + 1;
    }
    return cells;
}

bool isTableLine(const std::string& line) {
    const std::string text = trimmed(line);
    return !text.empty() && text.front() == '|';
}

}  // namespace

std::vector<GuideTable> checkedTables(const std::string& markdown) {
    std::vector<std::string> lines;
    std::istringstream in(markdown);
    for (std::string line; std::getline(in, line);) lines.push_back(line);

    std::vector<GuideTable> tables;
    std::string section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string text = trimmed(lines[i]);
        if (text.starts_with("## ")) section = text.substr(3);
        if (!text.starts_with(kCheckedBy) || !text.ends_with(kCommentEnd)) continue;
        GuideTable table;
        table.section = section;
        table.scenario =
            text.substr(kCheckedBy.size(), text.size() - kCheckedBy.size() - kCommentEnd.size());
        table.line = static_cast<int>(i) + 2;
        std::size_t row = i + 1;
        if (row + 1 >= lines.size() || !isTableLine(lines[row]) || !isTableLine(lines[row + 1])) {
            throw std::runtime_error("line " + std::to_string(i + 1) +
                                     ": no table with a header right after the comment");
        }
        table.header = cellsOf(lines[row], static_cast<int>(row) + 1);
        for (row += 2; row < lines.size() && isTableLine(lines[row]); ++row) {
            std::vector<std::string> cells = cellsOf(lines[row], static_cast<int>(row) + 1);
            if (cells.size() != table.header.size()) {
                throw std::runtime_error("line " + std::to_string(row + 1) + ": " +
                                         std::to_string(cells.size()) + " cells under " +
                                         std::to_string(table.header.size()) + " headings");
            }
            table.rows.push_back(std::move(cells));
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

}  // namespace tarvel::scenario
