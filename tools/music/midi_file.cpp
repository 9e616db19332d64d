#include "tools/music/midi_file.h"

#include <algorithm>

namespace {

struct Event {
    long long tick;
    int order;  // at one tick: set-up first, then note ends, then note starts (repeated notes restart)
    std::vector<uint8_t> bytes;
};

void VariableLength(std::vector<uint8_t>* out, uint32_t value)
{
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count--) out->push_back(static_cast<uint8_t>(groups[count] | (count ? 0x80 : 0)));
}

void BigEndian(std::vector<uint8_t>* out, uint32_t value, int bytes)
{
    while (bytes--) out->push_back(static_cast<uint8_t>(value >> (8 * bytes)));
}

void Chunk(std::vector<uint8_t>* file, const char* tag, const std::vector<uint8_t>& body)
{
    file->insert(file->end(), tag, tag + 4);
    BigEndian(file, static_cast<uint32_t>(body.size()), 4);
    file->insert(file->end(), body.begin(), body.end());
}

std::vector<uint8_t> TrackBody(std::vector<Event> events, long long endTick)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<uint8_t> body;
    long long now = 0;
    for (const Event& event : events) {
        VariableLength(&body, static_cast<uint32_t>(event.tick - now));
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    VariableLength(&body, static_cast<uint32_t>(endTick - now));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    return body;
}

std::vector<uint8_t> TempoTrack(const Score& score, long long endTick)
{
    const uint32_t micros = static_cast<uint32_t>(score.MicrosPerQuarter());
    const uint8_t unitPower = score.meterUnit == 2 ? 1 : score.meterUnit == 4 ? 2 : 3;
    std::vector<Event> events = {
        {0, 0, {0xFF, 0x51, 0x03, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)}},
        {0, 0, {0xFF, 0x58, 0x04, uint8_t(score.meterCount), unitPower, 24, 8}},
    };
    return TrackBody(events, endTick);
}

std::vector<uint8_t> PartTrack(const ScoreTrack& track, long long cycleTicks, int cycles, long long endTick)
{
    const uint8_t ch = static_cast<uint8_t>(track.channel);
    std::vector<Event> events = {
        {0, 0, {uint8_t(0xC0 | ch), uint8_t(track.program)}},
        {0, 0, {uint8_t(0xB0 | ch), 7, uint8_t(track.volume)}},
        {0, 0, {uint8_t(0xB0 | ch), 10, uint8_t(track.pan)}},
        {0, 0, {uint8_t(0xB0 | ch), 91, uint8_t(track.reverb)}},
        {0, 0, {uint8_t(0xB0 | ch), 93, 0}},  // no chorus: its sweep would differ at the loop seam
    };
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const long long offset = cycle * cycleTicks;
        for (const ScoreNote& note : track.notes) {
            const long long sounding = std::max(1LL, static_cast<long long>(note.length) * track.gate / 100);
            const uint8_t pitch = static_cast<uint8_t>(note.pitch);
            events.push_back({offset + note.tick, 2, {uint8_t(0x90 | ch), pitch, uint8_t(note.velocity)}});
            events.push_back({offset + note.tick + sounding, 1, {uint8_t(0x80 | ch), pitch, 0}});
        }
    }
    return TrackBody(events, endTick);
}

}  // namespace

bool LoopsOnRenderGrid(const Score& score)
{
    const long long micros = static_cast<long long>(score.Ticks()) * score.MicrosPerQuarter();
    return micros % (TicksPerQuarter * RenderGridMicros) == 0;
}

std::vector<uint8_t> MidiFileBytes(const Score& score, int cycles, int tailTicks)
{
    const long long cycleTicks = score.Ticks();
    const long long endTick = cycles * cycleTicks + tailTicks;
    std::vector<uint8_t> header;
    BigEndian(&header, 1, 2);  // format 1: the tracks play together
    BigEndian(&header, static_cast<uint32_t>(score.tracks.size() + 1), 2);
    BigEndian(&header, TicksPerQuarter, 2);
    std::vector<uint8_t> file;
    Chunk(&file, "MThd", header);
    Chunk(&file, "MTrk", TempoTrack(score, endTick));
    for (const ScoreTrack& track : score.tracks) Chunk(&file, "MTrk", PartTrack(track, cycleTicks, cycles, endTick));
    return file;
}
