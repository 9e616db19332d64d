#include <gtest/gtest.h>

#include <string>

#include "sound/wave_file.h"
#include "wave_bytes.h"

namespace {

bool Parses(const std::vector<uint8_t>& bytes, WaveData* wave = nullptr) {
    WaveData scratch;
    return ParseWave(bytes.data(), bytes.size(), wave ? wave : &scratch);
}

}  // namespace

TEST(WaveFile, FindsTheFormatAndTheDataPastOtherChunks) {
    WaveSpec spec;
    spec.channels = 2;
    spec.bits = 16;
    spec.rate = 22050;
    std::vector<uint8_t> list;
    AppendId(list, "LIST");
    Append32(list, 3);  // odd size: the chunk is padded to 4 bytes
    Append32(list, 0x00030201);
    const auto bytes = Riff({list, FmtChunk(spec), list, DataChunk(spec.data, 100)});
    WaveData wave;
    ASSERT_TRUE(Parses(bytes, &wave));
    EXPECT_EQ(wave.rate, 22050);
    EXPECT_EQ(wave.channels, 2);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_EQ(wave.size, 100u);
    EXPECT_EQ(wave.data, bytes.data() + bytes.size() - 100);
}

TEST(WaveFile, HostileFilesAreRefusedWithinTheirBytes) {
    WaveSpec spec;
    EXPECT_TRUE(Parses(Wave(spec)));

    auto notRiff = Wave(spec);
    notRiff[0] = 'X';
    EXPECT_FALSE(Parses(notRiff));
    auto notWave = Wave(spec);
    notWave[8] = 'A';
    EXPECT_FALSE(Parses(notWave));

    WaveSpec adpcm = spec;
    adpcm.formatTag = 2;
    EXPECT_FALSE(Parses(Wave(adpcm)));
    WaveSpec shortFormat = spec;
    shortFormat.fmtSize = 14;
    EXPECT_FALSE(Parses(Wave(shortFormat)));

    EXPECT_FALSE(Parses(Riff({DataChunk(spec.data, 100)})));                    // no format chunk
    EXPECT_FALSE(Parses(Riff({FmtChunk(spec)})));                               // no data chunk
    EXPECT_FALSE(Parses(Riff({DataChunk(spec.data, 100), FmtChunk(spec)})));    // data before format
    EXPECT_FALSE(Parses(Riff({FmtChunk(spec), DataChunk(spec.data, 101)})));    // data size lies
    EXPECT_FALSE(Parses(Riff({FmtChunk(spec), DataChunk(spec.data, 0xFFFFFFFF)})));
    EXPECT_FALSE(Parses(Riff({FmtChunk(spec), DataChunk({}, 0)})));             // no sound in it

    auto lyingFormat = Wave(spec);
    lyingFormat[16] = 0xF0;  // the format chunk claims far more than the file holds
    lyingFormat[19] = 0x7F;
    EXPECT_FALSE(Parses(lyingFormat));

    const auto whole = Wave(spec);
    for (size_t cut = 0; cut < 44 + 100; cut += 7) {
        std::vector<uint8_t> truncated(whole.begin(), whole.begin() + long(cut));
        EXPECT_FALSE(Parses(truncated)) << cut;
    }
    // A RIFF size smaller than the file: the chunks outside it are not part of the form.
    auto shortRiff = Wave(spec);
    shortRiff[4] = 30;
    shortRiff[5] = shortRiff[6] = shortRiff[7] = 0;
    EXPECT_FALSE(Parses(shortRiff));
}

TEST(WaveFile, EachRefusalSaysWhatIsWrong) {
    WaveSpec spec;
    const auto reason = [](const std::vector<uint8_t>& bytes) {
        WaveData wave;
        const char* why = "";
        EXPECT_FALSE(ParseWave(bytes.data(), bytes.size(), &wave, &why));
        return std::string(why);
    };
    EXPECT_EQ(reason({'R', 'I', 'F', 'F'}), "it is not a RIFF WAVE file");
    EXPECT_EQ(reason(Riff({DataChunk(spec.data, 100)})), "it has no format chunk");
    EXPECT_EQ(reason(Riff({DataChunk(spec.data, 200), FmtChunk(spec)})),
              "a chunk before its format runs past the end of the file");
    WaveSpec shortFormat = spec;
    shortFormat.fmtSize = 14;
    EXPECT_EQ(reason(Wave(shortFormat)), "its format chunk is shorter than 16 bytes");
    EXPECT_EQ(reason(Riff({FmtChunk(spec)})), "it has no data chunk after its format chunk");
    EXPECT_EQ(reason(Riff({FmtChunk(spec), DataChunk(spec.data, 101)})), "a chunk runs past the end of the file");
    EXPECT_EQ(reason(Riff({FmtChunk(spec), DataChunk({}, 0)})), "its data chunk is empty");
}
