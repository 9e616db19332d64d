#include "tools/music/score_tokens.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "tools/music/score.h"

namespace {

struct Drum {
    const char* name;
    int note;
};

constexpr Drum Drums[] = {
    {"kick", 36},   {"rim", 37},    {"snare", 38},   {"clap", 39},    {"ftom", 41},   {"hat", 42},
    {"ltom", 45},   {"pedal", 44},  {"open", 46},    {"mtom", 47},    {"htom", 50},   {"crash", 49},
    {"ride", 51},   {"bell", 53},   {"tamb", 54},    {"cowbell", 56}, {"bongo", 60},  {"lbongo", 61},
    {"conga", 62},  {"oconga", 63}, {"lconga", 64},  {"timbale", 65}, {"ltimbale", 66}, {"agogo", 67},
    {"cabasa", 69}, {"shaker", 70}, {"claves", 75},  {"wood", 76},    {"lwood", 77},  {"triangle", 81},
};

// Semitones of the letters a to g above C.
constexpr int LetterSteps[] = {9, 11, 0, 2, 4, 5, 7};

int ParseHead(const std::string& word, bool drums)
{
    return drums ? DrumNote(word) : ParsePitch(word);
}

// One length part, "4", "8.", "8t"; 0 when it is not one.
int LengthPart(const std::string& part)
{
    size_t digits = 0;
    while (digits < part.size() && std::isdigit(static_cast<unsigned char>(part[digits]))) ++digits;
    if (digits == 0) return 0;
    const int value = std::atoi(part.substr(0, digits).c_str());
    if (value != 1 && value != 2 && value != 4 && value != 8 && value != 16 && value != 32) return 0;
    int ticks = 4 * TicksPerQuarter / value;
    const std::string suffix = part.substr(digits);
    if (suffix == ".") return ticks * 3 / 2;
    if (suffix == "t") return ticks * 2 / 3;
    return suffix.empty() ? ticks : 0;
}

std::string ParseLength(std::string text, BarEvent* event)
{
    while (!text.empty() && (text.back() == '>' || text.back() == '*')) {
        (text.back() == '>' ? event->accent : event->passing) = true;
        text.pop_back();
    }
    std::istringstream parts(text);
    std::string part;
    while (std::getline(parts, part, '+')) {
        const int ticks = LengthPart(part);
        if (!ticks) return "a bad length \"" + text + "\"";
        event->length += ticks;
    }
    return event->length ? "" : "a missing length";
}

std::string ParseEvent(const std::string& word, bool drums, BarEvent* event)
{
    const size_t colon = word.rfind(':');
    if (colon == std::string::npos) return "\"" + word + "\" has no \":length\"";
    std::string head = word.substr(0, colon);
    if (head.size() > 2 && head.front() == '[' && head.back() == ']') {
        std::istringstream members(head.substr(1, head.size() - 2));
        std::string member;
        while (members >> member) {
            const int note = ParseHead(member, drums);
            if (note < 0) return "\"" + member + "\" is not a " + (drums ? "drum" : "pitch");
            event->pitches.push_back(note);
        }
    } else if (head != "r") {
        const int note = ParseHead(head, drums);
        if (note < 0) return "\"" + head + "\" is not a " + (drums ? "drum" : "pitch");
        event->pitches.push_back(note);
    }
    return ParseLength(word.substr(colon + 1), event);
}

// Splits on blanks, keeping a bracketed chord with its blanks as one word.
std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (char c : text) {
        if (c == '[') ++depth;
        if (c == ']') --depth;
        if (std::isspace(static_cast<unsigned char>(c)) && depth == 0) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

}  // namespace

int ParsePitch(const std::string& word)
{
    if (word.size() < 2 || word[0] < 'a' || word[0] > 'g') return -1;
    int semitone = LetterSteps[word[0] - 'a'];
    size_t at = 1;
    if (word[at] == '#' || (word[at] == 'b' && at + 1 < word.size())) {
        semitone += word[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at >= word.size() || !std::isdigit(static_cast<unsigned char>(word[at])) || at + 1 != word.size()) return -1;
    const int pitch = 12 * (word[at] - '0' + 1) + semitone;
    return pitch >= 0 && pitch <= 127 ? pitch : -1;
}

int DrumNote(const std::string& word)
{
    for (const Drum& drum : Drums) {
        if (word == drum.name) return drum.note;
    }
    return -1;
}

std::string ParseBar(const std::string& text, bool drums, std::vector<BarEvent>* events, int* repeat)
{
    std::vector<std::string> words = Words(text);
    *repeat = 1;
    if (!words.empty() && words.back().size() > 1 && words.back()[0] == 'x') {
        *repeat = std::atoi(words.back().c_str() + 1);
        if (*repeat < 1 || *repeat > 64) return "a bad repeat \"" + words.back() + "\"";
        words.pop_back();
    }
    for (const std::string& word : words) {
        BarEvent event;
        const std::string fault = ParseEvent(word, drums, &event);
        if (!fault.empty()) return fault;
        events->push_back(event);
    }
    return "";
}
