#pragma once
// A piece of music as our scores write it: a small text language, one bar per line, read into
// notes on a tick grid that the MIDI writer and the score tests share.
#include <string>
#include <vector>

constexpr int TicksPerQuarter = 480;

struct ScoreNote {
    int tick = 0;      // start, from the beginning of the piece
    int length = 0;    // in ticks
    int pitch = 0;     // MIDI note number (a drum sound on the drum track)
    int velocity = 0;
    bool passing = false;  // marked as a note outside the key on purpose
};

struct ScoreTrack {
    std::string role;  // melody, bass, drums, or a supporting part (harmony, pad, ...)
    int program = 0;   // General MIDI instrument, 0-based
    int channel = 0;   // 9 is the drum kit
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int velocity = 90;
    int gate = 90;  // percent of a note's written length that sounds
    int bars = 0;
    std::vector<ScoreNote> notes;
};

struct Score {
    std::string name;
    int tonic = 0;           // pitch class 0 (C) to 11 (B)
    std::string mode;        // major, minor, dorian, mixolydian, harmonic-minor
    int tempo = 120;         // quarter notes a minute
    int meterCount = 4;      // beats a bar ...
    int meterUnit = 4;       // ... of this note value
    bool loop = true;        // false: played once, with its natural decay kept
    std::vector<ScoreTrack> tracks;

    int TicksPerBar() const { return meterCount * 4 * TicksPerQuarter / meterUnit; }
    int Bars() const { return tracks.empty() ? 0 : tracks.front().bars; }
    int Ticks() const { return Bars() * TicksPerBar(); }
    // Microseconds a quarter note lasts, as the MIDI file states it.
    int MicrosPerQuarter() const { return 60000000 / tempo; }
};

// Reads a score; false with `error` naming the line and the fault.
bool ParseScore(const std::string& text, Score* score, std::string* error);
bool ReadScoreFile(const std::string& path, Score* score, std::string* error);

// The seven pitch classes of the score's key (a bit per class, bit 0 = C).
int KeyPitchClasses(const Score& score);

// Samples at `rate` from the start to `tick` (exact, from the MIDI file's own tempo value).
long long TickToFrame(const Score& score, long long tick, int rate);
