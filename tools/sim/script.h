#pragma once
// Key scripts for the simulator: lines of `COUNT [KEY ...]`, run COUNT passes with exactly those
// keys held; `#` starts a comment.
#include <istream>
#include <string>
#include <vector>

struct ScriptStep {
    int count = 0;
    std::vector<int> keyCodes;
};

// false with *error naming the line and what is wrong with it.
bool ParseScript(std::istream& in, std::vector<ScriptStep>* steps, std::string* error);
