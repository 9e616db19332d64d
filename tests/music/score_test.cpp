// The note language, the MIDI writer and the loop cut, on small hand-made cases.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/music/midi_file.h"
#include "tools/music/pcm_wave.h"
#include "tools/music/score.h"

namespace {

Score Parse(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, &score, &error)) << error;
    return score;
}

std::string Fault(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_FALSE(ParseScore(text, &score, &error));
    return error;
}

const std::string Head = "name t\nkey e minor\ntempo 120\nmeter 4/4\n";

}  // namespace

TEST(ScoreLanguage, NotesChordsRestsLengthsAndMarks)
{
    const Score score = Parse(Head +
                              "track melody program=12 velocity=80\n"
                              "| e4:4 f#4:8. g4:16 [e3 b3]:4> r:8t c5:8t* d5:8t   # Em, with a comment\n"
                              "| bb3:2+4 r:4 x2\n");
    ASSERT_EQ(score.tracks.size(), 1u);
    const ScoreTrack& melody = score.tracks[0];
    EXPECT_EQ(melody.program, 12);
    EXPECT_EQ(melody.bars, 3);
    ASSERT_EQ(melody.notes.size(), 9u);
    EXPECT_EQ(melody.notes[0].pitch, 64);
    EXPECT_EQ(melody.notes[1].pitch, 66);
    EXPECT_EQ(melody.notes[1].length, 360);  // dotted eighth
    EXPECT_EQ(melody.notes[2].tick, 840);
    // The chord: both notes at once, accented.
    EXPECT_EQ(melody.notes[3].tick, 960);
    EXPECT_EQ(melody.notes[4].tick, 960);
    EXPECT_EQ(melody.notes[4].pitch, 59);
    EXPECT_EQ(melody.notes[4].velocity, 105);
    // Triplet eighths after a triplet rest; the passing mark sticks to its note only.
    EXPECT_EQ(melody.notes[5].tick, 1440 + 160);
    EXPECT_TRUE(melody.notes[5].passing);
    EXPECT_FALSE(melody.notes[6].passing);
    // Tied length and the repeated bar.
    EXPECT_EQ(melody.notes[7].pitch, 58);
    EXPECT_EQ(melody.notes[7].length, 1440);
    EXPECT_EQ(melody.notes[8].tick, 2 * 1920);
}

TEST(ScoreLanguage, DrumTracksTakeDrumNamesOnChannelTen)
{
    const Score score = Parse(Head + "track melody\n| e4:1\ntrack bass\n| e2:1\ntrack drums\n| [kick hat]:4 snare:4 r:2\n");
    ASSERT_EQ(score.tracks.size(), 3u);
    EXPECT_EQ(score.tracks[0].channel, 0);
    EXPECT_EQ(score.tracks[1].channel, 1);
    EXPECT_EQ(score.tracks[2].channel, 9);
    ASSERT_EQ(score.tracks[2].notes.size(), 3u);
    EXPECT_EQ(score.tracks[2].notes[0].pitch, 36);
    EXPECT_EQ(score.tracks[2].notes[1].pitch, 42);
    EXPECT_EQ(score.tracks[2].notes[2].pitch, 38);
}

TEST(ScoreLanguage, SixEightBarsAndKeys)
{
    Score score = Parse("key bb major\ntempo 150\nmeter 6/8\ntrack melody\n| bb4:4. d5:4.\n");
    EXPECT_EQ(score.TicksPerBar(), 1440);
    // B-flat major: Bb C D Eb F G A.
    EXPECT_EQ(KeyPitchClasses(score), (1 << 10) | (1 << 0) | (1 << 2) | (1 << 3) | (1 << 5) | (1 << 7) | (1 << 9));
    score = Parse("key c harmonic-minor\ntrack melody\n| b4:1\n");
    EXPECT_TRUE(KeyPitchClasses(score) & (1 << 11));   // the raised seventh
    EXPECT_FALSE(KeyPitchClasses(score) & (1 << 10));  // not the natural one
}

TEST(ScoreLanguage, FaultsNameTheLine)
{
    EXPECT_EQ(Fault(Head + "track melody\n| e4:4 e4:4 e4:4\n"), "line 6: the bar lasts 1440 ticks, not 1920");
    EXPECT_EQ(Fault(Head + "track melody\n| h4:1\n"), "line 6: \"h4\" is not a pitch");
    EXPECT_EQ(Fault(Head + "track drums\n| e4:1\n"), "line 6: \"e4\" is not a drum");
    EXPECT_EQ(Fault(Head + "track melody\n| e4:3\n"), "line 6: a bad length \"3\"");
    EXPECT_EQ(Fault(Head + "track melody\n| e4\n"), "line 6: \"e4\" has no \":length\"");
    EXPECT_EQ(Fault("key e minor\ntrack melody\n| e4:1 x2\ntrack bass\n| e2:1\n"),
              "the bass track has 1 bars, the melody track 2");
    EXPECT_EQ(Fault("key e blues\n"), "line 1: a key is a tonic and a mode, e.g. \"e minor\"");
    EXPECT_EQ(Fault("track melody\n| e4:1\n"), "the score names no key");
    EXPECT_EQ(Fault(Head + "track melody volume=200\n"), "line 5: \"volume\" lies outside 0 to 127");
}

TEST(MidiFile, TwoCyclesOfEveryNoteAfterTheTempo)
{
    const Score score = Parse(Head + "track melody program=12 volume=100\n| e4:2 g4:2\n");
    const std::vector<uint8_t> midi = MidiFileBytes(score, 2, 480);
    ASSERT_GT(midi.size(), 22u);
    EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
    EXPECT_EQ(midi[9], 1);   // format 1
    EXPECT_EQ(midi[11], 2);  // the tempo track and one part
    EXPECT_EQ(midi[12] << 8 | midi[13], 480);
    // 500000 microseconds a quarter at 120 a minute.
    const std::string text(midi.begin(), midi.end());
    const size_t tempo = text.find("\xFF\x51\x03");
    ASSERT_NE(tempo, std::string::npos);
    EXPECT_EQ(midi[tempo + 3] << 16 | midi[tempo + 4] << 8 | midi[tempo + 5], 500000);
    // The part: program 12, then the four note starts (two cycles) with their ends.
    int starts = 0, ends = 0;
    for (size_t i = 0; i + 2 < midi.size(); ++i) {
        if (midi[i] == 0x90 && (midi[i + 1] == 64 || midi[i + 1] == 67)) ++starts;
        if (midi[i] == 0x80 && (midi[i + 1] == 64 || midi[i + 1] == 67)) ++ends;
    }
    EXPECT_EQ(starts, 4);
    EXPECT_EQ(ends, 4);
    EXPECT_NE(text.find("\xC0\x0C"), std::string::npos);
    // e4 sounds 90% of its half note: its end comes 864 ticks after its start, written 0x86 0x60.
    EXPECT_NE(text.find(std::string("\x86\x60\x80\x40\x00", 5)), std::string::npos);
}

TEST(MidiFile, TicksBecomeFramesFromTheFilesOwnTempo)
{
    Score score = Parse(Head + "track melody\n| e4:1\n");
    EXPECT_EQ(TickToFrame(score, 1920, 44100), 88200);  // a bar of 4/4 at 120 is two seconds
    score.tempo = 132;                                  // 454545 us a quarter, not 454545.45
    EXPECT_EQ(TickToFrame(score, 480, 44100), 20045);
}

TEST(MidiFile, LoopsMustLastWholeStepsOfTheRenderersClock)
{
    Score score = Parse(Head + "track melody\n| e4:1 x32\n");
    EXPECT_TRUE(LoopsOnRenderGrid(score));  // 64 s
    score.tempo = 132;                      // 58.18 s
    EXPECT_FALSE(LoopsOnRenderGrid(score));
    score.tempo = 150;                      // 51.2 s
    EXPECT_TRUE(LoopsOnRenderGrid(score));
    score = Parse("key e minor\ntempo 92\ntrack melody\n| e4:1 x16\n");  // 41.7 s
    EXPECT_FALSE(LoopsOnRenderGrid(score));
}

TEST(PcmWave, CutFadeAndLevel)
{
    PcmWave wave;
    for (int f = 0; f < 1000; ++f) {
        wave.samples.push_back(static_cast<int16_t>(f));
        wave.samples.push_back(static_cast<int16_t>(-f));
    }
    PcmWave cut;
    ASSERT_TRUE(CutFrames(wave, 400, 400, &cut));
    EXPECT_EQ(cut.Frames(), 400);
    EXPECT_EQ(cut.samples.front(), 400);
    EXPECT_EQ(cut.samples.back(), -799);
    EXPECT_FALSE(CutFrames(wave, 700, 400, &cut));  // the rendering is too short

    // The loop: the second 500 frames, whose last 100 turn into the first time's last 100.
    PcmWave loop;
    ASSERT_TRUE(CutLoop(wave, 500, 100, &loop));
    EXPECT_EQ(loop.Frames(), 500);
    EXPECT_EQ(loop.samples[0], 500);
    EXPECT_EQ(loop.samples[2 * 399], 899);                 // before the blend
    EXPECT_EQ(loop.samples[2 * 449], std::lround(949 * 0.5 + 449 * 0.5));
    EXPECT_EQ(loop.samples[2 * 499], 499);                 // meets frame 500 as the rendering did
    EXPECT_EQ(loop.samples[2 * 499 + 1], -499);
    EXPECT_FALSE(CutLoop(wave, 600, 100, &loop));

    FadeOut(&wave, 100);
    EXPECT_EQ(wave.samples[2 * 899], 899);  // untouched before the fade
    EXPECT_EQ(wave.samples[2 * 999], 0);
    EXPECT_EQ(wave.samples[2 * 950], std::lround(950 * (1.0 - 51.0 / 100)));

    PcmWave tone;
    for (int f = 0; f < 4410; ++f) {
        const auto s = static_cast<int16_t>(std::lround(1000 * std::sin(f * 0.05)));
        tone.samples.insert(tone.samples.end(), {s, s});
    }
    Normalise(&tone, 0.1, 0.89);
    double sum = 0;
    for (int16_t s : tone.samples) sum += double(s) * s;
    EXPECT_NEAR(std::sqrt(sum / double(tone.samples.size())) / 32768.0, 0.1, 0.001);
    Normalise(&tone, 0.9, 0.5);  // the peak limit wins over the level
    int peak = 0;
    for (int16_t s : tone.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_NEAR(peak, 0.5 * 32767, 2);
}
