#pragma once
// The words inside one bar line: notes, chords, rests and drum strokes with their lengths.
#include <string>
#include <vector>

struct BarEvent {
    std::vector<int> pitches;  // empty for a rest
    int length = 0;            // ticks
    bool accent = false;       // ">" after the length
    bool passing = false;      // "*" after the length: outside the key on purpose
};

// "c4" is MIDI 60; "f#3", "bb5". -1 when it is not a pitch.
int ParsePitch(const std::string& word);
// "kick", "snare", "hat", ... as General MIDI drum notes; -1 when unknown.
int DrumNote(const std::string& word);

// The words after the bar's "|": HEAD:LENGTH[>][*] each, HEAD a pitch, a drum, "r" or "[a b c]";
// LENGTH 1 2 4 8 16 32 with "." (dotted) or "t" (triplet), joined by "+" (tied).
// A closing "xN" repeats the bar N times. An empty string, or the fault.
std::string ParseBar(const std::string& text, bool drums, std::vector<BarEvent>* events, int* repeat);
