#include "app/loop_driver.h"

#include "app/main_loop.h"

int DriveMainLoop(GameEnd end) { return end(RunMainLoop()); }
