#pragma once
// For tests that depend on real time passing (a sound device playing, a file being written):
// they wait for what they check, never for a fixed time that hopes to be long enough.
#include <functional>

// A deadline generous enough for a sanitizer build on a machine busy with other work.
inline constexpr double PatientSeconds = 60;

// Asks done() every millisecond until it says yes (true) or `seconds` have passed (false).
bool WaitFor(const std::function<bool()>& done, double seconds = PatientSeconds);
