#include "app/program_folder.h"

#include <SDL.h>

std::filesystem::path ProgramFolder() {
    char* base = SDL_GetBasePath();
    if (!base) return {};
    std::filesystem::path folder(base);
    SDL_free(base);
    return folder;
}
