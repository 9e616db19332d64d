// The game's own scores: each reads, keeps its melody in its key, and has the shape its place
// in the game asks for.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/music/midi_file.h"
#include "tools/music/score.h"

namespace {

struct Piece {
    const char* score;
    bool land;
};

constexpr Piece Pieces[] = {{"title", false}, {"land1", true}, {"land2", true}, {"land3", true},
                            {"land4", true},  {"land5", true}, {"win", false}};

Score Load(const char* name)
{
    Score score;
    std::string error;
    EXPECT_TRUE(ReadScoreFile(std::string(QUORAX_SCORE_DIR) + "/" + name + ".txt", &score, &error)) << error;
    return score;
}

const ScoreTrack* Role(const Score& score, const std::string& role)
{
    for (const ScoreTrack& track : score.tracks) {
        if (track.role == role) return &track;
    }
    return nullptr;
}

}  // namespace

TEST(GameScores, MelodyNotesLieInTheKeyUnlessMarked)
{
    for (const Piece& piece : Pieces) {
        const Score score = Load(piece.score);
        const int key = KeyPitchClasses(score);
        const ScoreTrack* melody = Role(score, "melody");
        ASSERT_NE(melody, nullptr) << piece.score;
        EXPECT_GE(melody->notes.size(), 8u) << piece.score;
        for (const ScoreNote& note : melody->notes) {
            EXPECT_TRUE(note.passing || (key & (1 << (note.pitch % 12))))
                << piece.score << ": pitch " << note.pitch << " at bar " << note.tick / score.TicksPerBar() + 1;
        }
    }
}

TEST(GameScores, LandThemesRunThirtyTwoBarsWithMelodyBassAndDrums)
{
    for (const Piece& piece : Pieces) {
        if (!piece.land) continue;
        const Score score = Load(piece.score);
        EXPECT_GE(score.Bars(), 32) << piece.score;
        EXPECT_TRUE(score.loop) << piece.score;
        EXPECT_TRUE(LoopsOnRenderGrid(score)) << piece.score;
        for (const char* role : {"melody", "bass", "drums"}) {
            const ScoreTrack* track = Role(score, role);
            ASSERT_NE(track, nullptr) << piece.score << " has no " << role;
            // A part that falls silent half way would leave the loop thin.
            std::set<int> barsPlayed;
            for (const ScoreNote& note : track->notes) barsPlayed.insert(note.tick / score.TicksPerBar());
            EXPECT_GE(static_cast<int>(barsPlayed.size()), score.Bars() * 3 / 4) << piece.score << " " << role;
        }
    }
}

TEST(GameScores, TitleLoopsAndTheFanfarePlaysOnceAndShort)
{
    const Score title = Load("title");
    EXPECT_TRUE(title.loop);
    EXPECT_TRUE(LoopsOnRenderGrid(title));
    EXPECT_GE(title.Bars(), 16);
    // The first bar leaves room for the hero's voice: no melody, no drums.
    for (const ScoreTrack& track : title.tracks) {
        if (track.role != "melody" && track.role != "drums") continue;
        for (const ScoreNote& note : track.notes) EXPECT_GE(note.tick, title.TicksPerBar()) << track.role;
    }
    const Score win = Load("win");
    EXPECT_FALSE(win.loop);
    EXPECT_LE(TickToFrame(win, win.Ticks(), 1000), 15000);  // milliseconds
}

TEST(GameScores, EveryPieceHasItsOwnKeyOrTempo)
{
    std::map<std::pair<std::string, int>, std::string> seen;  // (key, tempo) -> piece
    std::set<std::string> landKeys;
    for (const Piece& piece : Pieces) {
        const Score score = Load(piece.score);
        const std::string key = std::to_string(score.tonic) + " " + score.mode;
        const auto [at, fresh] = seen.emplace(std::make_pair(key, score.tempo), piece.score);
        EXPECT_TRUE(fresh) << piece.score << " has the key and tempo of " << at->second;
        if (piece.land) landKeys.insert(key);
    }
    EXPECT_EQ(landKeys.size(), 5u);  // and every land is in a key of its own
}
