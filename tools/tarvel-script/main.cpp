// tarvel-script [FILE]: runs a scenario (standard input without FILE) on the
// window's toolkit-free core and prints what its dump commands ask for.

#include <fstream>
#include <iostream>

#include "tools/tarvel-script/script_runner.h"

int main(int argc, char** argv) {
    using tarvel::script::kExitScriptError;
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: tarvel-script [FILE]\n";
        return kExitScriptError;
    }
    if (argc == 1) return tarvel::script::runScript(std::cin, std::cout, std::cerr);
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "tarvel-script: cannot open " << argv[1] << '\n';
        return kExitScriptError;
    }
    return tarvel::script::runScript(file, std::cout, std::cerr);
}
