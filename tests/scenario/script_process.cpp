#include "script_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
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

JsonValue ScriptRun::dump(std::size_t index) const {
    if (index >= lines.size()) {
        throw std::runtime_error("no output line " + std::to_string(index) + "; errors: " + errors);
    }
    return JsonValue::parse(lines[index]);
}

ScriptRun runScenarioFile(std::string_view name) {
    return run(shellQuoted(std::string(SCENARIO_DATA_DIR) + "/scenarios/" + std::string(name)));
}

ScriptRun runScriptText(std::string_view script) {
    const std::string input = scratchPath(".tscript");
    std::ofstream(input, std::ios::binary) << script;
    ScriptRun result = run("<" + shellQuoted(input));
    std::remove(input.c_str());
    return result;
}

std::string readScenarioData(std::string_view relativePath) {
    return readWhole(std::string(SCENARIO_DATA_DIR) + "/" + std::string(relativePath));
}

}  // namespace tarvel::scenario
