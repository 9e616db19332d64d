#include "tools/sim/script.h"

#include <sstream>

#include "tools/sim/simulator.h"

bool ParseScript(std::istream& in, std::vector<ScriptStep>* steps, std::string* error)
{
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        ScriptStep step;
        std::size_t used = 0;
        try {
            step.count = std::stoi(word, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != word.size() || step.count < 0) {
            *error = "line " + std::to_string(number) + ": \"" + word + "\" is no pass count";
            return false;
        }
        while (words >> word) {
            const int code = KeyCodeNamed(word);
            if (code < 0) {
                *error = "line " + std::to_string(number) + ": unknown key \"" + word + "\"";
                return false;
            }
            step.keyCodes.push_back(code);
        }
        steps->push_back(step);
    }
    return true;
}
