#include "wav_writer.h"

Bytes EncodeWav8(const Bytes& samples)
{
    const auto dataSize = static_cast<uint32_t>(samples.size());
    const uint32_t padding = dataSize & 1u;  // RIFF chunks are word aligned
    Bytes b;
    b.reserve(44 + dataSize + padding);
    PutText(b, "RIFF");
    PutLe32(b, 36 + dataSize + padding);
    PutText(b, "WAVE");
    PutText(b, "fmt ");
    PutLe32(b, 16);
    PutLe16(b, 1);  // PCM
    PutLe16(b, 1);  // mono
    PutLe32(b, SoundRate);
    PutLe32(b, SoundRate);  // bytes per second
    PutLe16(b, 1);          // block align
    PutLe16(b, 8);          // bits per sample
    PutText(b, "data");
    PutLe32(b, dataSize);
    b.insert(b.end(), samples.begin(), samples.end());
    if (padding) b.push_back(0x80);
    return b;
}
