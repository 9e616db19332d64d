// quorax-bot: plays the game from the title with F1..F4 to the win screen and writes the run
// as a quorax-sim script (run-length lines "COUNT KEY ...").
//   quorax-bot F1 [--out FILE] [--max-frames N] [--prefix SCRIPT]
// --prefix replays a script of an earlier run (its own start key included) before planning on.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "game/enemies.h"
#include "game/game_state.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "tools/bot/planner.h"
#include "tools/sim/script.h"
#include "tools/sim/simulator.h"

namespace {

std::string KeyNames(KeyMask keys)
{
    static const std::pair<KeyMask, const char*> names[] = {
        {KeyLeft, "LEFT"}, {KeyRight, "RIGHT"}, {KeyUp, "UP"}, {KeyDown, "DOWN"}, {KeySpace, "SPACE"}, {KeyRAlt, "RALT"},
    };
    std::string text;
    for (const auto& [mask, name] : names) {
        if (keys & mask) text += std::string(" ") + name;
    }
    return text;
}

void WriteScript(std::ostream& out, const std::string& startKey, const std::vector<KeyMask>& frames)
{
    out << "# The bot's winning run from the title with " << startKey << ".\n";
    out << "1 " << startKey << "\n";
    for (size_t i = 0; i < frames.size();) {
        size_t j = i;
        while (j < frames.size() && frames[j] == frames[i]) ++j;
        out << (j - i) << KeyNames(frames[i]) << "\n";
        i = j;
    }
}

KeyMask MaskOf(const std::vector<int>& keyCodes)
{
    KeyMask keys = 0;
    for (int code : keyCodes) {
        if (code == DIK_LEFT) keys |= KeyLeft;
        if (code == DIK_RIGHT) keys |= KeyRight;
        if (code == DIK_UP) keys |= KeyUp;
        if (code == DIK_DOWN) keys |= KeyDown;
        if (code == DIK_SPACE) keys |= KeySpace;
        if (code == DIK_RMENU) keys |= KeyRAlt;
    }
    return keys;
}

// Plays the steps of an earlier run after its start key; false if it does not stay in play.
bool Replay(const std::vector<ScriptStep>& steps, std::vector<KeyMask>* frames)
{
    for (size_t s = 1; s < steps.size(); ++s) {
        const KeyMask keys = MaskOf(steps[s].keyCodes);
        for (int i = 0; i < steps[s].count; ++i) {
            if (!PlayFrame(keys) || GameState != GameStatePlay) return false;
            frames->push_back(keys);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: quorax-bot F1|F2|F3|F4 [--out FILE] [--max-frames N]\n";
        return 2;
    }
    const std::string startKey = argv[1];
    std::string outFile;
    std::string prefixFile;
    long maxFrames = 60000;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--out")) outFile = argv[i + 1];
        else if (!std::strcmp(argv[i], "--max-frames")) maxFrames = std::stol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--prefix")) prefixFile = argv[i + 1];
    }
    const int startCode = KeyCodeNamed(startKey);
    if (startCode < 0 || startKey.size() != 2 || startKey[0] != 'F' || startKey[1] < '1' || startKey[1] > '4') {
        std::cerr << "quorax-bot: start with F1, F2, F3 or F4\n";
        return 2;
    }
    if (!StartSimulator()) {
        std::cerr << "quorax-bot: " << SimulatorError() << "\n";
        return 1;
    }
    RunPasses(1, {startCode});

    std::vector<KeyMask> frames;
    if (!prefixFile.empty()) {
        std::ifstream in(prefixFile);
        std::vector<ScriptStep> steps;
        std::string error;
        if (!in || !ParseScript(in, &steps, &error) || steps.empty() || !Replay(steps, &frames)) {
            std::cerr << "quorax-bot: cannot replay " << prefixFile << " " << error << "\n";
            return 1;
        }
    }
    int segment = SegmentNumber;
    std::cerr << "start: segment " << segment << " health " << HeroHealth << " ammo " << HeroAmmo << "\n";
    while (GameState == GameStatePlay && static_cast<long>(frames.size()) < maxFrames) {
        for (KeyMask keys : ChooseNextMove()) {
            if (!PlayFrame(keys)) break;
            frames.push_back(keys);
            if (SegmentNumber != segment) {
                std::cerr << "frame " << frames.size() << ": segment " << segment << " ended with health "
                          << HeroHealth << "\n";
                segment = SegmentNumber;
            }
            if (GameState != GameStatePlay) break;
        }
        if (frames.size() % 500 < 8)
            std::cerr << "frame " << frames.size() << ": WorldPosition " << WorldPosition << " ViewOffsetY "
                      << ViewOffsetY << " health " << HeroHealth << " ammo " << HeroAmmo << "\n";
    }
    const bool won = GameState == GameStateWin;
    std::cerr << (won ? "won" : "did not win") << " after " << frames.size() << " frames; GameState " << GameState
              << ", WorldPosition " << WorldPosition << ", health " << HeroHealth << "\n";
    if (!outFile.empty()) {
        std::ofstream out(outFile);
        WriteScript(out, startKey, frames);
    } else {
        WriteScript(std::cout, startKey, frames);
    }
    return won ? 0 : 1;
}
