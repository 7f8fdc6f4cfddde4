// Runs one scenario script against the real program, headlessly:
//   scenario SCRIPT
// Prints every failed expectation with its line, then "N passed, M failed";
// the exit status is 0 only when nothing failed. SCENARIO_KEEP=1 keeps the
// program folder for a look afterwards.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/ScenarioRunner.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: scenario SCRIPT\n";
        return 2;
    }
    const std::string path = argv[1];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "scenario: cannot read " << path << "\n";
        return 2;
    }
    const std::string script{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const TScenarioResult result = Scenario_Run(script, path, dir, std::cout);
    return result.Failed == 0 ? 0 : 1;
}
