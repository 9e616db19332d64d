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

enum class Found { Yes, No, Cut };

// Walks the chunks from `from` to `end` for the first with the given id. A chunk whose stated
// size runs past the end stops the walk: nothing after it can be trusted.
Found FindChunk(const uint8_t* bytes, uint64_t from, uint64_t end, const char* id, Chunk* chunk)
{
    for (uint64_t at = from; at + 8 <= end;) {
        const uint32_t size = Le32(bytes + at + 4);
        const uint64_t body = at + 8;
        if (body + size > end) return Found::Cut;
        if (std::memcmp(bytes + at, id, 4) == 0) {
            *chunk = Chunk{body, size};
            return Found::Yes;
        }
        at = body + size + (size & 1);  // chunks are padded to even lengths
    }
    return Found::No;
}

bool Refuse(const char** reason, const char* why)
{
    if (reason) *reason = why;
    return false;
}

}  // namespace

bool ParseWave(const uint8_t* bytes, size_t length, WaveData* wave, const char** reason)
{
    if (!bytes || !wave || length < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return Refuse(reason, "it is not a RIFF WAVE file");
    const uint64_t end = std::min<uint64_t>(length, uint64_t{8} + Le32(bytes + 4));
    Chunk format, data;
    const Found formatFound = FindChunk(bytes, 12, end, "fmt ", &format);
    if (formatFound == Found::Cut) return Refuse(reason, "a chunk before its format runs past the end of the file");
    if (formatFound == Found::No) return Refuse(reason, "it has no format chunk");
    if (format.size < 16) return Refuse(reason, "its format chunk is shorter than 16 bytes");
    const uint8_t* fields = bytes + format.body;
    if (Le16(fields) != WAVE_FORMAT_PCM) return Refuse(reason, "its samples are not PCM");
    const uint64_t afterFormat = format.body + format.size + (format.size & 1);
    const Found dataFound = FindChunk(bytes, afterFormat, end, "data", &data);
    if (dataFound == Found::Cut) return Refuse(reason, "a chunk runs past the end of the file");
    if (dataFound == Found::No) return Refuse(reason, "it has no data chunk after its format chunk");
    if (data.size == 0) return Refuse(reason, "its data chunk is empty");
    wave->formatTag = WAVE_FORMAT_PCM;
    wave->channels = Le16(fields + 2);
    wave->rate = static_cast<int>(std::min<uint32_t>(Le32(fields + 4), INT32_MAX));
    wave->bits = Le16(fields + 14);
    wave->data = bytes + data.body;
    wave->size = data.size;
    return true;
}
