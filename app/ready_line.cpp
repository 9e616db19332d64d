#include "app/ready_line.h"

#include <cstdio>
#include <cstdlib>

void AnnounceReady() {
    if (!std::getenv("QUORAX_TEST_READY")) return;
    std::puts("quorax: ready");
    std::fflush(stdout);
}
