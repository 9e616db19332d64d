#include "tools/music/score.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/music/score_tokens.h"

namespace {

struct ModeSteps {
    const char* name;
    int classes;  // bit per semitone above the tonic
};

constexpr ModeSteps Modes[] = {
    {"major", 0b101010110101},      {"minor", 0b010110101101},
    {"dorian", 0b011010101101},     {"mixolydian", 0b011010110101},
    {"harmonic-minor", 0b100110101101},
};

int ModeClasses(const std::string& mode)
{
    for (const ModeSteps& m : Modes) {
        if (mode == m.name) return m.classes;
    }
    return 0;
}

// A comment starts with a "#" that begins a word; inside a word it is a sharp (f#4).
std::string WithoutComment(const std::string& line)
{
    for (size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '#' && (at == 0 || std::isspace(static_cast<unsigned char>(line[at - 1])))) {
            return line.substr(0, at);
        }
    }
    return line;
}

class Reader {
public:
    explicit Reader(Score* score) : score_(score) {}

    bool Line(const std::string& raw, int number, std::string* error)
    {
        std::istringstream words(WithoutComment(raw));
        std::string word;
        if (!(words >> word)) return true;
        std::string fault;
        if (word == "|") {
            fault = Bar(words);
        } else if (word == "track") {
            fault = Track(words);
        } else {
            fault = Header(word, words);
        }
        if (fault.empty()) return true;
        *error = "line " + std::to_string(number) + ": " + fault;
        return false;
    }

    std::string Finish() const
    {
        if (score_->tracks.empty()) return "the score has no track";
        for (const ScoreTrack& track : score_->tracks) {
            if (track.bars != score_->tracks.front().bars) {
                return "the " + track.role + " track has " + std::to_string(track.bars) + " bars, the " +
                       score_->tracks.front().role + " track " + std::to_string(score_->tracks.front().bars);
            }
        }
        return score_->Bars() > 0 ? "" : "the score has no bar";
    }

private:
    std::string Header(const std::string& word, std::istringstream& words)
    {
        if (!score_->tracks.empty()) return "\"" + word + "\" after the first track";
        if (word == "name") {
            std::getline(words >> std::ws, score_->name);
            return score_->name.empty() ? "the name is empty" : "";
        }
        if (word == "key") {
            std::string tonic;
            words >> tonic >> score_->mode;
            const int pitch = ParsePitch(tonic + "4");
            if (pitch < 0 || !ModeClasses(score_->mode)) return "a key is a tonic and a mode, e.g. \"e minor\"";
            score_->tonic = pitch % 12;
            return "";
        }
        if (word == "tempo") {
            return (words >> score_->tempo) && score_->tempo >= 30 && score_->tempo <= 300 ? "" : "a bad tempo";
        }
        if (word == "meter") {
            char slash = 0;
            words >> score_->meterCount >> slash >> score_->meterUnit;
            const bool unit = score_->meterUnit == 2 || score_->meterUnit == 4 || score_->meterUnit == 8;
            return slash == '/' && unit && score_->meterCount > 0 && score_->meterCount <= 12 ? "" : "a bad meter";
        }
        if (word == "play") {
            std::string how;
            words >> how;
            if (how != "loop" && how != "once") return "play is \"loop\" or \"once\"";
            score_->loop = how == "loop";
            return "";
        }
        return "unknown word \"" + word + "\"";
    }

    std::string Track(std::istringstream& words)
    {
        ScoreTrack track;
        if (!(words >> track.role)) return "a track needs a role";
        if (track.role == "drums") {
            track.channel = 9;
        } else {
            track.channel = nextChannel_++;
            if (track.channel == 9) track.channel = nextChannel_++;
            if (track.channel > 15) return "more tracks than MIDI channels";
        }
        std::string setting;
        while (words >> setting) {
            const size_t equals = setting.find('=');
            if (equals == std::string::npos) return "a track setting is name=value: \"" + setting + "\"";
            const std::string name = setting.substr(0, equals);
            const int value = std::atoi(setting.c_str() + equals + 1);
            int* field = name == "program"    ? &track.program
                         : name == "volume"   ? &track.volume
                         : name == "pan"      ? &track.pan
                         : name == "reverb"   ? &track.reverb
                         : name == "velocity" ? &track.velocity
                         : name == "gate"     ? &track.gate
                                              : nullptr;
            if (!field) return "unknown track setting \"" + name + "\"";
            if (value < 0 || value > 127) return "\"" + name + "\" lies outside 0 to 127";
            *field = value;
        }
        score_->tracks.push_back(track);
        return "";
    }

    std::string Bar(std::istringstream& words)
    {
        if (score_->tracks.empty()) return "a bar before the first track";
        ScoreTrack& track = score_->tracks.back();
        std::string rest;
        std::getline(words, rest);
        int repeat = 1;
        std::vector<BarEvent> events;
        std::string fault = ParseBar(rest, track.channel == 9, &events, &repeat);
        if (!fault.empty()) return fault;
        int length = 0;
        for (const BarEvent& event : events) length += event.length;
        if (length != score_->TicksPerBar()) {
            return "the bar lasts " + std::to_string(length) + " ticks, not " + std::to_string(score_->TicksPerBar());
        }
        for (int copy = 0; copy < repeat; ++copy) {
            int tick = track.bars * score_->TicksPerBar();
            for (const BarEvent& event : events) {
                for (int pitch : event.pitches) {
                    const int velocity = std::min(127, track.velocity + (event.accent ? 25 : 0));
                    track.notes.push_back({tick, event.length, pitch, velocity, event.passing});
                }
                tick += event.length;
            }
            ++track.bars;
        }
        return "";
    }

    Score* score_;
    int nextChannel_ = 0;
};

}  // namespace

bool ParseScore(const std::string& text, Score* score, std::string* error)
{
    *score = Score{};
    Reader reader(score);
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!reader.Line(line, number, error)) return false;
    }
    *error = reader.Finish();
    if (error->empty() && score->mode.empty()) *error = "the score names no key";
    return error->empty();
}

bool ReadScoreFile(const std::string& path, Score* score, std::string* error)
{
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    if (ParseScore(text.str(), score, error)) return true;
    *error = path + ": " + *error;
    return false;
}

int KeyPitchClasses(const Score& score)
{
    const int steps = ModeClasses(score.mode);
    int classes = 0;
    for (int step = 0; step < 12; ++step) {
        if (steps & (1 << step)) classes |= 1 << ((score.tonic + step) % 12);
    }
    return classes;
}

long long TickToFrame(const Score& score, long long tick, int rate)
{
    const long long denominator = static_cast<long long>(TicksPerQuarter) * 1000000;
    return (tick * score.MicrosPerQuarter() * rate + denominator / 2) / denominator;
}
