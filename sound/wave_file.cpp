// Every size the file states is checked against the bytes that are really there.
#include "sound/wave_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int WAVE_FORMAT_PCM = 1;

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Chunk {
    uint64_t body = 0;  // offset of the chunk's contents
    uint32_t size = 0;
};

// Walks the chunks from `from` to `end` for the first with the given id. A chunk whose stated
// size runs past the end stops the walk: nothing after it can be trusted.
bool FindChunk(const uint8_t* bytes, uint64_t from, uint64_t end, const char* id, Chunk* chunk) {
    for (uint64_t at = from; at + 8 <= end;) {
        const uint32_t size = Le32(bytes + at + 4);
        const uint64_t body = at + 8;
        if (body + size > end) return false;
        if (std::memcmp(bytes + at, id, 4) == 0) {
            *chunk = Chunk{body, size};
            return true;
        }
        at = body + size + (size & 1);  // chunks are padded to even lengths
    }
    return false;
}

}  // namespace

bool ParseWave(const uint8_t* bytes, size_t length, WaveData* wave) {
    if (!bytes || !wave || length < 12) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    const uint64_t end = std::min<uint64_t>(length, uint64_t{8} + Le32(bytes + 4));
    Chunk format, data;
    if (!FindChunk(bytes, 12, end, "fmt ", &format) || format.size < 16) return false;
    const uint8_t* fields = bytes + format.body;
    if (Le16(fields) != WAVE_FORMAT_PCM) return false;
    const uint64_t afterFormat = format.body + format.size + (format.size & 1);
    if (!FindChunk(bytes, afterFormat, end, "data", &data) || data.size == 0) return false;
    wave->formatTag = WAVE_FORMAT_PCM;
    wave->rate = static_cast<int>(std::min<uint32_t>(Le32(fields + 4), INT32_MAX));
    wave->data = bytes + data.body;
    wave->size = data.size;
    return true;
}
