#pragma once
// A copy of everything a play frame reads and writes, so that the bot can try a plan and
// put the world back. Surfaces and animation-list buffers are shared, not copied: a plan
// never destroys them, and the hero's lists are rewritten in place on restore.
#include <memory>

struct GameSnapshot;

struct SnapshotDeleter {
    void operator()(GameSnapshot* snapshot) const;
};
using SnapshotPtr = std::unique_ptr<GameSnapshot, SnapshotDeleter>;

SnapshotPtr SaveGameSnapshot();
void RestoreGameSnapshot(const GameSnapshot& snapshot);
