#include "script_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvel::scenario {
namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string scratchPath(std::string_view suffix) {
    static std::atomic<int> counter{0};
    return testing::TempDir() + "tarvel-scenario-" + std::to_string(getpid()) + "-" +
           std::to_string(counter++) + std::string(suffix);
}

// Paths come from the build and the test's own scratch names: no quotes.
std::string shellQuoted(const std::string& path) {
    return "'" + path + "'";
}

// The "#: name" marker before each dump command, empty where there is none.
std::vector<std::string> dumpNamesOf(std::string_view script) {
    std::vector<std::string> names;
    std::string marker;
    std::istringstream lines{std::string(script)};
    for (std::string line; std::getline(lines, line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) continue;
        const std::string_view text = std::string_view(line).substr(start);
        if (text.starts_with("#: ")) {
            marker = text.substr(3);
            while (!marker.empty() && std::isspace(static_cast<unsigned char>(marker.back())))
                marker.pop_back();
        } else if (text.starts_with("dump")) {
            names.push_back(marker);
            marker.clear();
        }
    }
    return names;
}

ScriptRun run(const std::string& arguments) {
    const std::string out = scratchPath(".out");
    const std::string err = scratchPath(".err");
    const std::string command = shellQuoted(TARVEL_SCRIPT_EXECUTABLE) + " " + arguments + " >" +
                                shellQuoted(out) + " 2>" + shellQuoted(err);
    const int status = std::system(command.c_str());
    ScriptRun result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(readWhole(out));
    for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
    result.errors = readWhole(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return result;
}

}  // namespace

const std::string& ScriptRun::line(std::string_view name) const {
    const auto named = std::find(dumpNames.begin(), dumpNames.end(), name);
    const auto index = static_cast<std::size_t>(named - dumpNames.begin());
    if (named == dumpNames.end() || index >= lines.size()) {
        throw std::runtime_error("no output of the dump named " + std::string(name) +
                                 "; errors: " + errors);
    }
    return lines[index];
}

JsonValue ScriptRun::dump(std::string_view name) const {
    return JsonValue::parse(line(name));
}

std::vector<JsonValue> ScriptRun::dumps(std::string_view name) const {
    std::vector<JsonValue> named;
    for (std::size_t i = 0; i < dumpNames.size() && i < lines.size(); ++i) {
        if (dumpNames[i] == name) named.push_back(JsonValue::parse(lines[i]));
    }
    return named;
}

ScriptRun runScenarioFile(std::string_view name) {
    const std::string path = std::string(SCENARIO_DATA_DIR) + "/scenarios/" + std::string(name);
    ScriptRun result = run(shellQuoted(path));
    result.dumpNames = dumpNamesOf(readWhole(path));
    return result;
}

ScriptRun runScriptText(std::string_view script) {
    const std::string input = scratchPath(".tscript");
    std::ofstream(input, std::ios::binary) << script;
    ScriptRun result = run("<" + shellQuoted(input));
    result.dumpNames = dumpNamesOf(script);
    std::remove(input.c_str());
    return result;
}

std::string readScenarioData(std::string_view relativePath) {
    return readWhole(std::string(SCENARIO_DATA_DIR) + "/" + std::string(relativePath));
}

}  // namespace tarvel::scenario
