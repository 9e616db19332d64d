#include "tools/assetgen/palette_design.h"
#include "tools/assetgen/sprites/sprites.h"

#include <gtest/gtest.h>

namespace {

int Painted(const Canvas& c, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            n += c.get(x, y) != Transparent;
        }
    }
    return n;
}

int Painted(const Canvas& c)
{
    return Painted(c, 0, 0, c.w - 1, c.h - 1);
}

bool SharedColoursOnly(const Canvas& c)
{
    for (uint8_t v : c.px) {
        if (v != Transparent && (v < SharedFirst || v > SharedLast)) {
            return false;
        }
    }
    return true;
}

bool StandsOnGround(const Canvas& c)
{
    return Painted(c, 0, SpriteH - 3, SpriteW - 1, SpriteH - 1) > 0;
}

}  // namespace

TEST(HeroFrames, EveryFrameIsAGroundedFigureInSharedColours)
{
    for (int f = 0; f < 32; ++f) {
        const Canvas c = DrawHeroFrame(f);
        ASSERT_EQ(c.w, SpriteW);
        ASSERT_EQ(c.h, SpriteH);
        EXPECT_GT(Painted(c), 600) << "frame " << f;
        EXPECT_TRUE(StandsOnGround(c)) << "frame " << f;
        EXPECT_TRUE(SharedColoursOnly(c)) << "frame " << f;
    }
}

TEST(HeroFrames, LeftFacingFramesMirrorTheRightFacingOnes)
{
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(DrawHeroFrame(f + 4).px, DrawHeroFrame(f).flippedX().px) << "frame " << f;
    }
    EXPECT_EQ(DrawHeroFrame(16).px, DrawHeroFrame(12).flippedX().px);
    EXPECT_EQ(DrawHeroFrame(20).px, DrawHeroFrame(24).flippedX().px);
}

TEST(HeroFrames, PosesDiffer)
{
    const Canvas stand = DrawHeroFrame(0);
    for (int f : {1, 2, 3, 12, 24}) {
        EXPECT_NE(DrawHeroFrame(f).px, stand.px) << "frame " << f;
    }
    EXPECT_NE(DrawHeroFrame(1).px, DrawHeroFrame(2).px);
}

TEST(HeroFrames, MuzzleIsWhereTheShotStarts)
{
    // The shot appears 75 pixels right of the cell's left edge (5 when facing left), rows 6-15.
    EXPECT_GT(Painted(DrawHeroFrame(3), 75, 6, 84, 15), 10);
    EXPECT_GT(Painted(DrawHeroFrame(7), 5, 6, 14, 15), 10);
    // Standing, the hand is nowhere near head height.
    EXPECT_EQ(Painted(DrawHeroFrame(0), 75, 6, 84, 15), 0);
}

TEST(HeroFrames, CrouchIsLowerThanStanding)
{
    auto top = [](const Canvas& c) {
        for (int y = 0; y < c.h; ++y) {
            if (Painted(c, 0, y, c.w - 1, y) > 0) {
                return y;
            }
        }
        return c.h;
    };
    EXPECT_GT(top(DrawHeroFrame(24)), top(DrawHeroFrame(0)) + 10);
}

TEST(EnemyFrames, FrameCountsFollowTheSheetLayouts)
{
    EXPECT_EQ(EnemyFrameCount(KindBarb), 8);
    EXPECT_EQ(EnemyFrameCount(KindGroundDroid), 8);
    EXPECT_EQ(EnemyFrameCount(KindDevil), 8);
    EXPECT_EQ(EnemyFrameCount(KindArcher), 3);
    EXPECT_EQ(EnemyFrameCount(KindSkelShoot), 3);
    EXPECT_EQ(EnemyFrameCount(KindFlyDroid), 2);
    EXPECT_EQ(EnemyFrameCount(KindRDino), 2);
    EXPECT_EQ(EnemyFrameCount(KindNinja), 4);
}

TEST(EnemyFrames, EveryFrameIsPaintedInSharedColoursAndGroundKindsStand)
{
    for (int k = 0; k < EnemyKindCount; ++k) {
        const EnemyKind kind = static_cast<EnemyKind>(k);
        for (int f = 0; f < EnemyFrameCount(kind); ++f) {
            const Canvas c = DrawEnemyFrame(kind, f);
            ASSERT_EQ(c.w, SpriteW);
            ASSERT_EQ(c.h, SpriteH);
            EXPECT_GT(Painted(c), 500) << "kind " << k << " frame " << f;
            EXPECT_TRUE(SharedColoursOnly(c)) << "kind " << k << " frame " << f;
            if (kind != KindFlyDroid) {
                EXPECT_TRUE(StandsOnGround(c)) << "kind " << k << " frame " << f;
            }
        }
    }
}

TEST(EnemyFrames, FramesOutsideTheSheetAreEmpty)
{
    EXPECT_EQ(Painted(DrawEnemyFrame(KindArcher, 3)), 0);
    EXPECT_EQ(Painted(DrawEnemyFrame(KindBarb, -1)), 0);
    EXPECT_EQ(DrawEnemyFrame(KindBarb, 8).w, SpriteW);
}

TEST(EnemyFrames, WalksAnimateAndStrikesStandApart)
{
    for (EnemyKind kind : {KindBarb, KindDino, KindPirate, KindArmyMan, KindGroundDroid, KindSkelGround, KindDevil}) {
        std::vector<Canvas> f;
        for (int i = 0; i < 8; ++i) {
            f.push_back(DrawEnemyFrame(kind, i));
        }
        EXPECT_NE(f[0].px, f[1].px) << kind;
        EXPECT_NE(f[1].px, f[2].px) << kind;
        EXPECT_NE(f[6].px, f[0].px) << kind;
        // Right-facing frames mirror the left-facing ones.
        EXPECT_EQ(f[3].px, f[0].flippedX().px) << kind;
        EXPECT_EQ(f[7].px, f[6].flippedX().px) << kind;
    }
    for (EnemyKind kind : {KindArcher, KindSkelShoot, KindFlyDroid, KindRDino, KindNinja}) {
        EXPECT_NE(DrawEnemyFrame(kind, 0).px, DrawEnemyFrame(kind, 1).px) << kind;
    }
}

TEST(EnemyFrames, KindsLookDifferent)
{
    for (int a = 0; a < EnemyKindCount; ++a) {
        for (int b = a + 1; b < EnemyKindCount; ++b) {
            EXPECT_NE(DrawEnemyFrame(EnemyKind(a), 0).px, DrawEnemyFrame(EnemyKind(b), 0).px) << a << " vs " << b;
        }
    }
}

TEST(EnemyFrames, BossesOutweighTheirSegmentsTroops)
{
    EXPECT_GT(Painted(DrawEnemyFrame(KindRDino, 0)), Painted(DrawEnemyFrame(KindDino, 0)) * 3 / 2);
    EXPECT_GT(Painted(DrawEnemyFrame(KindDevil, 0)), Painted(DrawEnemyFrame(KindSkelGround, 0)) * 3 / 2);
    EXPECT_GT(Painted(DrawEnemyFrame(KindGroundDroid, 0)), 2 * Painted(DrawEnemyFrame(KindArmyMan, 0)));
}

TEST(EnemyFrames, TyrantBreathesFireWhereItsFireballStarts)
{
    // Its fireball appears at the cell's left edge, rows 12-21: the open jaws are there.
    const Canvas rest = DrawEnemyFrame(KindRDino, 0), firing = DrawEnemyFrame(KindRDino, 1);
    EXPECT_GT(Painted(firing, 0, 12, 12, 21), 30);
    EXPECT_NE(rest.px, firing.px);
}

TEST(AmmoCells, SmallShotsFillTheirCells)
{
    for (int i = 0; i < 3; ++i) {
        const Canvas c = DrawAmmoCell(i);
        EXPECT_EQ(c.w, 10);
        EXPECT_EQ(c.h, 10);
        EXPECT_GT(Painted(c), 15) << "cell " << i;
        EXPECT_TRUE(SharedColoursOnly(c));
    }
}

TEST(AmmoCells, MissilesStartAtTheirShootersHands)
{
    // Each missile lies at the height of the shooter's hand in the shooter's release frame.
    const EnemyKind shooter[3] = {KindArcher, KindFlyDroid, KindSkelShoot};
    for (int i = 0; i < 3; ++i) {
        const Canvas c = DrawAmmo2Cell(i);
        EXPECT_EQ(c.w, SpriteW);
        const int n = Painted(c);
        EXPECT_GT(n, 20) << "cell " << i;
        EXPECT_LT(n, 300) << "cell " << i;
        const Canvas s = DrawEnemyFrame(shooter[i], i == 0 ? 0 : 1);
        int overlapRows = 0;
        for (int y = 0; y < SpriteH; ++y) {
            overlapRows += Painted(c, 0, y, SpriteW - 1, y) > 0 && Painted(s, 0, y, SpriteW - 1, y) > 0;
        }
        EXPECT_GT(overlapRows, 3) << "cell " << i;
        EXPECT_EQ(Painted(c, 0, SpriteH - 20, SpriteW - 1, SpriteH - 1), 0) << "not at the feet: cell " << i;
    }
}
