#include "tools/tarvel-script/script_runner.h"

#include <exception>
#include <string>

#include "tools/tarvel-script/script_commands.h"
#include "tools/tarvel-script/script_line.h"
#include "tools/tarvel-script/script_session.h"

namespace tarvel::script {
namespace {

int reportError(std::ostream& err, std::uint64_t lineNumber, const std::string& reason) {
    err << "line " << lineNumber << ": " << reason << '\n';
    err.flush();
    return kExitScriptError;
}

}  // namespace

int runScript(std::istream& script, std::ostream& out, std::ostream& err) {
    std::uint64_t lineNumber = 0;
    try {
        ScriptSession session;
        std::string line;
        for (;;) {
            const LineRead read = readLine(script, line);
            if (read == LineRead::End) break;
            ++lineNumber;
            if (read == LineRead::TooLong) {
                throw ScriptError{"line longer than " + std::to_string(kMaxLineLength) +
                                  " characters"};
            }
            const auto words = splitWords(line);
            if (!words.empty()) runCommand(session, words, out);
        }
    } catch (const ScriptError& error) {
        out.flush();
        return reportError(err, lineNumber, error.reason);
    } catch (const std::exception& error) {
        out.flush();
        return reportError(err, lineNumber, std::string("internal error: ") + error.what());
    }
    out.flush();
    if (!out) return reportError(err, lineNumber, "could not write the output");
    return kExitOk;
}

}  // namespace tarvel::script
