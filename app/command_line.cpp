#include "app/command_line.h"

#include <cstring>

namespace {

constexpr const char* HelpText =
    "Usage: quorax [--help | --version | --touch]\n"
    "\n"
    "QUORAX, a side-scrolling action game: walk, jump, punch and fire through five lands\n"
    "and beat their bosses. It starts full screen; with no arguments it just plays.\n"
    "\n"
    "Keys:\n"
    "  F1 F2 F3 F4        start play in land 1, 2, 3 or 4 (on the title)\n"
    "  F5                 the story (on the title)\n"
    "  Left, Right        walk\n"
    "  Up                 jump (with Left or Right: forward)\n"
    "  Down               crouch\n"
    "  Space              fire\n"
    "  Right Alt          punch\n"
    "  Enter              back to the title (story, death and win screens)\n"
    "  P, Pause           pause play, and go on again\n"
    "  M                  music on or off\n"
    "  F11, Alt+Enter     full screen or a window\n"
    "  Escape             quit\n"
    "\n"
    "Gamepad: D-pad or left stick walk and crouch, A jumps, X fires, B punches;\n"
    "Start starts play, goes back to the title and pauses; Back shows the story;\n"
    "Back and Start together quit.\n"
    "\n"
    "Touch screen: a d-pad and buttons beside the picture appear at the first touch (with\n"
    "--touch, from the start) and hide when a key or a pad is used.\n"
    "\n"
    "The game reads its pictures, palette, sounds and music from the working directory when it\n"
    "holds them, otherwise from its installed data folder.\n";

}  // namespace

bool AsksForTouchControls(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--touch") == 0) return true;
    }
    return false;
}

int AnswerCommandLine(int argc, const char* const* argv, std::FILE* out, std::string (*builtWith)()) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(HelpText, out);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "quorax %s\n%s\n", QUORAX_VERSION, builtWith().c_str());
            return 0;
        }
    }
    return -1;
}
