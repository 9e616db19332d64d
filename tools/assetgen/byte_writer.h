#pragma once
// Little- and big-endian byte appenders and a whole-file writer for the file encoders.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutLe16(Bytes& b, uint32_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void PutLe32(Bytes& b, uint32_t v)
{
    PutLe16(b, v & 0xFFFF);
    PutLe16(b, v >> 16);
}

inline void PutBe32(Bytes& b, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
}

inline void PutText(Bytes& b, const char* s)
{
    while (*s) b.push_back(static_cast<uint8_t>(*s++));
}

// Writes the bytes to path; throws std::runtime_error naming the file on failure.
void WriteFileBytes(const std::string& path, const Bytes& bytes);
