#pragma once
// Scripts that start the real game (tests, the package check) need to know when start-up is over
// without guessing how long it takes on a busy machine. With QUORAX_TEST_READY set in the
// environment the game says so on stdout; a player never sees it.

// Prints "quorax: ready" and flushes, when QUORAX_TEST_READY is set.
void AnnounceReady();
