#include "app/library_report.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

namespace {

std::string Version(const char* name, const SDL_version& v) {
    return std::string(name) + " " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.patch);
}

std::string Drivers(int count, const char* (*driver)(int)) {
    std::string names;
    for (int i = 0; i < count; ++i) {
        if (!names.empty()) names += ' ';
        names += driver(i);
    }
    return names;
}

}  // namespace

std::string LibraryReport() {
    SDL_version sdl;
    SDL_GetVersion(&sdl);
    return Version("SDL", sdl) + ", " + Version("SDL_mixer", *Mix_Linked_Version()) + ", " +
           Version("SDL_ttf", *TTF_Linked_Version()) +
           "; video: " + Drivers(SDL_GetNumVideoDrivers(), SDL_GetVideoDriver) +
           "; audio: " + Drivers(SDL_GetNumAudioDrivers(), SDL_GetAudioDriver);
}
