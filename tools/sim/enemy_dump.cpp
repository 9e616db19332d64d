// Prints every enemy, boss and projectile of the roster as Name=value lines.
#include <cstdio>
#include <ostream>
#include <string>

#include "game/enemies.h"
#include "tools/sim/state_dump.h"

namespace {

enum Counters : unsigned {
    PatrolCount = 1u << 0,
    ShotTravel = 1u << 1,
    FrameTicks = 1u << 2,
    ShotSlow = 1u << 3,
    Hover = 1u << 4,  // shotActive, bobDown, bobSteps
    Shots = 1u << 5,
};

void Line(std::ostream& out, const std::string& name, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    out << name << '=' << text << '\n';
}

void Line(std::ostream& out, const std::string& name, int value) {
    out << name << '=' << value << '\n';
}

void DumpGroup(std::ostream& out, const char* kind, const EnemyGroup& group, int count, unsigned counters) {
    for (int i = 0; i < count; ++i) {
        const std::string at = std::string(kind) + '[' + std::to_string(i) + "].";
        Line(out, at + "posX", group.objects[i].posX);
        Line(out, at + "posY", group.objects[i].posY);
        Line(out, at + "currentFrame", group.objects[i].currentFrame);
        Line(out, at + "contactPos", group.contactPos[i]);
        Line(out, at + "floorOffset", group.floorOffset[i]);
        Line(out, at + "engaged", group.engaged[i]);
        if (counters & PatrolCount) Line(out, at + "patrolCount", group.patrolCount[i]);
        if (counters & ShotTravel) Line(out, at + "shotTravel", group.shotTravel[i]);
        Line(out, at + "nextFrame", group.nextFrame[i]);
        if (counters & FrameTicks) Line(out, at + "frameTicks", group.frameTicks[i]);
        if (counters & ShotSlow) Line(out, at + "shotSlow", group.shotSlow[i]);
        if (counters & Hover) {
            Line(out, at + "shotActive", group.shotActive[i]);
            Line(out, at + "bobDown", group.bobDown[i]);
            Line(out, at + "bobSteps", group.bobSteps[i]);
        }
        if (counters & Shots) {
            Line(out, at + "shot.posX", group.shots[i].posX);
            Line(out, at + "shot.posY", group.shots[i].posY);
        }
    }
}

void DumpBossCommon(std::ostream& out, const std::string& at, const BossState& boss) {
    Line(out, at + "posX", boss.object.posX);
    Line(out, at + "posY", boss.object.posY);
    Line(out, at + "currentFrame", boss.object.currentFrame);
    Line(out, at + "nextFrame", boss.nextFrame);
    Line(out, at + "contactPos", boss.contactPos);
    Line(out, at + "hitPoints", boss.hitPoints);
    Line(out, at + "engaged", boss.engaged);
}

void DumpThrower(std::ostream& out, const char* kind, const BossState& boss, bool strikes) {
    const std::string at = std::string(kind) + '.';
    DumpBossCommon(out, at, boss);
    Line(out, at + "shotTravel", boss.shotTravel);
    if (strikes) Line(out, at + "strikeFrame", boss.strikeFrame);
    Line(out, at + "frameTicks", boss.frameTicks);
    Line(out, at + "projectile.posX", boss.projectile.posX);
    Line(out, at + "projectile.posY", boss.projectile.posY);
}

void DumpChaser(std::ostream& out, const char* kind, const BossState& boss) {
    const std::string at = std::string(kind) + '.';
    DumpBossCommon(out, at, boss);
    Line(out, at + "patrolCount", boss.patrolCount);
    Line(out, at + "frameTicks", boss.frameTicks);
    Line(out, at + "chaseLeftPending", boss.chaseLeftPending);
    Line(out, at + "chaseRightPending", boss.chaseRightPending);
}

}  // namespace

void DumpEnemyState(std::ostream& out) {
    constexpr unsigned WalkerCounters = PatrolCount | FrameTicks;
    DumpGroup(out, "Barb", Barb, BarbCount, WalkerCounters);
    DumpGroup(out, "Dino", Dino, DinoCount, WalkerCounters);
    DumpThrower(out, "RDino", RDino, true);
    DumpGroup(out, "Pirate", Pirate, PirateCount, WalkerCounters);
    DumpGroup(out, "Archer", Archer, ArcherCount, ShotTravel | Shots);
    DumpThrower(out, "Ninja", Ninja, false);
    DumpGroup(out, "ArmyMan", ArmyMan, ArmyManCount, WalkerCounters);
    DumpGroup(out, "FlyDroid", FlyDroid, FlyDroidCount, ShotTravel | Hover | Shots);
    DumpChaser(out, "GroundDroid", GroundDroid);
    DumpGroup(out, "SkelGround", SkelGround, SkelGroundCount, WalkerCounters);
    DumpGroup(out, "SkelShoot", SkelShoot, SkelShootCount, ShotTravel | ShotSlow | Shots);
    DumpChaser(out, "Devil", Devil);
    Line(out, "NinjaThrowsLeft", NinjaThrowsLeft);
}
