#pragma once
// The folder the running program lives in, as SDL finds it; empty when it cannot tell.
#include <filesystem>

std::filesystem::path ProgramFolder();
