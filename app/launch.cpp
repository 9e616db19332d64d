#include "app/launch.h"

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/library_report.h"
#include "app/platform.h"
#include "app/program_folder.h"
#include "app/window.h"
#include "display/text.h"

int PrepareLaunch(int argc, const char* const* argv) {
    const int answered = AnswerCommandLine(argc, argv, stdout, LibraryReport);
    if (answered >= 0) return answered;
    std::string error;
    if (!EnterDataFolder(ProgramFolder(), error)) {
        ReportFailure("quorax: " + error);
        return 1;
    }
    if (!OpenTextFont()) {
        ReportFailure(std::string("quorax: ") + TextFontError());
        ShutdownText();
        return 1;
    }
    if (!LoadWindowIcon(WindowIconFile)) {
        ReportFailure(std::string("quorax: cannot read the picture file \"") + WindowIconFile + "\" in " +
                      DataFolderInUse() + ": " + WindowError());
        ShutdownText();
        return 1;
    }
    return -1;
}
