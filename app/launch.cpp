#include "app/launch.h"

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/program_folder.h"
#include "app/window.h"
#include "display/text.h"

int PrepareLaunch(int argc, const char* const* argv) {
    const int answered = AnswerCommandLine(argc, argv, stdout);
    if (answered >= 0) return answered;
    std::string error;
    if (!EnterDataFolder(ProgramFolder(), error)) {
        std::fprintf(stderr, "quorax: %s\n", error.c_str());
        return 1;
    }
    if (!OpenTextFont()) {
        std::fprintf(stderr, "quorax: %s\n", TextFontError());
        ShutdownText();
        return 1;
    }
    if (!LoadWindowIcon(WindowIconFile)) {
        std::fprintf(stderr, "quorax: cannot read the picture file \"%s\" in %s: %s\n", WindowIconFile,
                     DataFolderInUse().c_str(), WindowError());
        ShutdownText();
        return 1;
    }
    return -1;
}
