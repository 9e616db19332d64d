#pragma once
// WAVE files built byte by byte, to be bent into hostile shapes by the tests.
#include <cstdint>
#include <string>
#include <vector>

struct WaveSpec {
    int formatTag = 1;
    int channels = 1;
    int rate = 11025;
    int bits = 8;
    uint32_t fmtSize = 16;
    std::vector<uint8_t> data = std::vector<uint8_t>(100, 128);
};

inline void Append32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void Append16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void AppendId(std::vector<uint8_t>& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(id[i]));
}

inline std::vector<uint8_t> FmtChunk(const WaveSpec& s) {
    std::vector<uint8_t> b;
    AppendId(b, "fmt ");
    Append32(b, s.fmtSize);
    std::vector<uint8_t> body;
    Append16(body, uint32_t(s.formatTag));
    Append16(body, uint32_t(s.channels));
    Append32(body, uint32_t(s.rate));
    Append32(body, uint32_t(s.rate * s.channels * s.bits / 8));
    Append16(body, uint32_t(s.channels * s.bits / 8));
    Append16(body, uint32_t(s.bits));
    body.resize(s.fmtSize);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline std::vector<uint8_t> DataChunk(const std::vector<uint8_t>& data, uint32_t statedSize) {
    std::vector<uint8_t> b;
    AppendId(b, "data");
    Append32(b, statedSize);
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

inline std::vector<uint8_t> Riff(const std::vector<std::vector<uint8_t>>& chunks) {
    std::vector<uint8_t> body;
    AppendId(body, "WAVE");
    for (const auto& c : chunks) body.insert(body.end(), c.begin(), c.end());
    std::vector<uint8_t> b;
    AppendId(b, "RIFF");
    Append32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline std::vector<uint8_t> Wave(const WaveSpec& s = {}) {
    return Riff({FmtChunk(s), DataChunk(s.data, uint32_t(s.data.size()))});
}
