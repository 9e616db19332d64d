// quorax-sim: runs the game headless from a key script and prints its state at the end.
//   quorax-sim [--trace] [--screenshot FILE.bmp] [SCRIPT]   (the script from stdin without SCRIPT)
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/script.h"
#include "tools/sim/simulator.h"

namespace {

int Usage()
{
    std::cerr << "usage: quorax-sim [--trace] [--screenshot FILE.bmp] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool trace = false;
    std::string screenshot;
    std::string scriptFile;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            // Start-up may move into the asset folder: keep the path where it was meant.
            screenshot = std::filesystem::absolute(argv[++i]).string();
        } else if (argv[i][0] == '-' || !scriptFile.empty()) {
            return Usage();
        } else {
            scriptFile = argv[i];
        }
    }

    std::vector<ScriptStep> steps;
    std::string error;
    if (scriptFile.empty()) {
        if (!ParseScript(std::cin, &steps, &error)) {
            std::cerr << "quorax-sim: " << error << '\n';
            return 2;
        }
    } else {
        std::ifstream in(scriptFile);
        if (!in) {
            std::cerr << "quorax-sim: cannot read " << scriptFile << '\n';
            return 2;
        }
        if (!ParseScript(in, &steps, &error)) {
            std::cerr << "quorax-sim: " << scriptFile << ": " << error << '\n';
            return 2;
        }
    }

    if (!StartSimulator()) {
        std::cerr << "quorax-sim: " << SimulatorError() << '\n';
        return 1;
    }
    int pass = 0;
    bool running = true;
    for (const ScriptStep& step : steps) {
        HoldKeys(step.keyCodes);
        for (int i = 0; i < step.count && running; ++i) {
            running = RunPass();
            if (trace) TraceLine(std::cout, ++pass);
        }
    }
    DumpGameState(std::cout);
    if (!screenshot.empty() && !SaveScreenshot(screenshot)) {
        std::cerr << "quorax-sim: cannot save " << screenshot << '\n';
        return 1;
    }
    return 0;
}
