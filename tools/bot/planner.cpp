#include "tools/bot/planner.h"

#include <cstdlib>

#include "game/enemies.h"
#include "game/game_state.h"
#include "game/hero.h"
#include "game/world.h"
#include "input/keyboard.h"
#include "tools/bot/snapshot.h"
#include "tools/sim/simulator.h"

namespace {

struct Move {
    std::vector<KeyMask> frames;
};

std::vector<KeyMask> Repeat(KeyMask keys, int count, std::vector<KeyMask> frames = {})
{
    frames.insert(frames.end(), count, keys);
    return frames;
}

// The moves a player makes, each as the keys of every frame. A jump is started by up with a
// direction and carried on by the direction alone (holding up keeps re-selecting the jump).
const std::vector<Move>& Moves()
{
    static const std::vector<Move> moves = {
        {Repeat(KeyRight, 8)},
        {Repeat(KeyRight, 49, {KeyUp | KeyRight})},
        {Repeat(KeyRight, 24, Repeat(0, 25, {KeyUp | KeyRight}))},
        {Repeat(0, 49, {KeyUp | KeyRight})},
        {{KeyRAlt, KeyRAlt, 0}},
        {{KeySpace, 0}},
        {Repeat(0, 6)},
        {Repeat(KeyLeft, 8)},
        {Repeat(KeyLeft, 49, {KeyUp | KeyLeft})},
    };
    return moves;
}

EnemyGroup* const Groups[] = {&Barb, &Dino, &Pirate, &Archer, &ArmyMan, &FlyDroid, &SkelGround, &SkelShoot};
constexpr int GroupSizes[] = {BarbCount, DinoCount, PirateCount, ArcherCount,
                              ArmyManCount, FlyDroidCount, SkelGroundCount, SkelShootCount};
BossState* const Bosses[] = {&RDino, &Ninja, &GroundDroid, &Devil};

// A projectile on the hero's floor that reaches him within a few frames: a player sees it
// coming and jumps. The red dinosaur's fire cannot be jumped, so it is left out.
bool ProjectileComing()
{
    if (HeroJumping || JumpOffset != 0) return false;
    constexpr int Reach = 70;
    auto coming = [](int distance) { return distance >= -39 && distance <= Reach; };
    for (EnemyGroup* group : {&Archer, &SkelShoot}) {
        const int count = group == &Archer ? ArcherCount : SkelShootCount;
        for (int i = 0; i < count; ++i)
            if (group->floorOffset[i] == ViewOffsetY && coming(group->contactPos[i] - group->shotTravel[i] - WorldPosition))
                return true;
    }
    for (int i = 0; i < FlyDroidCount; ++i)
        if (FlyDroid.shotActive[i] && FlyDroid.floorOffset[i] == ViewOffsetY &&
            coming(FlyDroid.contactPos[i] - FlyDroid.shotTravel[i] - WorldPosition))
            return true;
    if (Ninja.hitPoints > 0 && Ninja.floorOffset == ViewOffsetY) {
        const int start = Ninja.contactPos - 64;
        const int distance = NinjaThrowsLeft ? start - Ninja.shotTravel - WorldPosition
                                             : WorldPosition - (start + Ninja.shotTravel);
        if (coming(distance)) return true;
    }
    return false;
}

bool AnyEnemyEngaged()
{
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i < GroupSizes[g]; ++i)
            if (Groups[g]->engaged[i]) return true;
    for (BossState* boss : Bosses)
        if (boss->engaged) return true;
    return false;
}

// What a move is worth, seen from where it started.
struct Outlook {
    int worldPosition;
    int health;
    int bossHitPoints[4];
    int contactPos[8][ShiftedEntries];
};

Outlook Look()
{
    Outlook o{};
    o.worldPosition = WorldPosition;
    o.health = HeroHealth;
    for (int b = 0; b < 4; ++b) o.bossHitPoints[b] = Bosses[b]->hitPoints;
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i < GroupSizes[g]; ++i) o.contactPos[g][i] = Groups[g]->contactPos[i];
    return o;
}

// Progress towards the far end; while the segment's boss stands, towards the boss instead,
// so that a hero who has passed it turns back to fight.
double Progress(int worldPosition, int target)
{
    return worldPosition <= target ? worldPosition : target - (worldPosition - target);
}

int BossTarget()
{
    if (SegmentNumber < 1 || SegmentNumber > 4) return 1 << 30;
    const BossState& boss = *Bosses[SegmentNumber - 1];
    if (boss.hitPoints <= 0) return 1 << 30;
    return boss.contactPos - 40;
}

constexpr int FollowUpFrames = 40;

// The follow-up: punch whatever is in contact, jump what flies at the hero, else stand.
KeyMask Reflex(int frame)
{
    if (AnyEnemyEngaged()) return frame % 3 != 2 ? KeyRAlt : 0;
    if (ProjectileComing()) return KeyUp | KeyRight;
    return 0;
}

int TileSetsLoaded()
{
    int count = 0;
    for (bool loaded : TileSetLoaded) count += loaded;
    return count;
}

// What the move itself won: ground covered, bosses hurt, enemies beaten.
double Gains(const Outlook& before, int target, int segmentBefore)
{
    double gains = Progress(WorldPosition, target) - Progress(before.worldPosition, target);
    if (SegmentNumber > segmentBefore) gains += 1e6;
    for (int b = 0; b < 4; ++b) {
        const int lost = before.bossHitPoints[b] - Bosses[b]->hitPoints;
        if (lost > 0) gains += 300.0 * lost;
    }
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i < GroupSizes[g]; ++i)
            if (before.contactPos[g][i] - Groups[g]->contactPos[i] > ParkDistance / 2) gains += 800.0;
    return gains;
}

// Plays a move and then a follow-up of reflexes. The move is credited in full with what it won
// itself and in part with what the follow-up won from where it left the hero (so that standing
// still is not credited with the follow-up's punches); every hurt counts in full.
// The caller restores the world afterwards.
double Try(const Move& move, const Outlook& before, int target)
{
    int healthLost = 0;
    int health = HeroHealth;
    const int segment = SegmentNumber;
    auto step = [&](KeyMask keys) {
        const int setsLoaded = TileSetsLoaded();
        if (!PlayFrame(keys)) return false;
        if (GameState != GameStatePlay) return false;
        // Entering a segment sets the health to that segment's value: no hurt, even when lower.
        if (HeroHealth < health && TileSetsLoaded() == setsLoaded) healthLost += health - HeroHealth;
        health = HeroHealth;
        return true;
    };
    bool playing = true;
    for (KeyMask keys : move.frames)
        if (playing) playing = step(keys);
    if (GameState == GameStateWin) return 1e12;
    const double moveGains = playing ? Gains(before, target, segment) : 0.0;
    for (int f = 0; playing && f < FollowUpFrames; ++f) playing = step(Reflex(f));
    if (GameState == GameStateWin) return 1e12;
    if (GameState != GameStatePlay) return -1e12;
    const double allGains = Gains(before, target, segment);
    return moveGains + 0.5 * (allGains - moveGains) - 400.0 * healthLost;
}

}  // namespace

bool PlayFrame(KeyMask keys)
{
    std::vector<int> held;
    if (keys & KeyLeft) held.push_back(DIK_LEFT);
    if (keys & KeyRight) held.push_back(DIK_RIGHT);
    if (keys & KeyUp) held.push_back(DIK_UP);
    if (keys & KeyDown) held.push_back(DIK_DOWN);
    if (keys & KeySpace) held.push_back(DIK_SPACE);
    if (keys & KeyRAlt) held.push_back(DIK_RMENU);
    return RunPasses(1, held);
}

std::vector<KeyMask> ChooseNextMove()
{
    const SnapshotPtr start = SaveGameSnapshot();
    const Outlook before = Look();
    const int target = BossTarget();
    const std::vector<Move>& moves = Moves();
    size_t best = 0;
    double bestWorth = -1e300;
    for (size_t m = 0; m < moves.size(); ++m) {
        const double worth = Try(moves[m], before, target);
        RestoreGameSnapshot(*start);
        // Ties go to the earlier move: the list runs from boldest to most cautious.
        if (worth > bestWorth) {
            bestWorth = worth;
            best = m;
        }
    }
    return moves[best].frames;
}
