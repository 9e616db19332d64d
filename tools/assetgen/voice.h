#pragma once
// The hero's voice: espeak-ng speaks "Quorax!" and the result is brought to the game's
// sound format (8-bit unsigned mono at SoundRate).
#include <string>

#include "byte_writer.h"

// Runs espeak (a path) into a scratch file inside workDir and returns the converted
// samples. Throws std::runtime_error with a clear message when espeak-ng is missing,
// fails or writes something that is not 16-bit PCM WAVE.
Bytes SpeakHeroName(const std::string& espeak, const std::string& workDir);

