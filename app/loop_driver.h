#pragma once
// Who runs the main loop's passes. The desktop runs them itself until the quit message; a browser
// tab must get control back after every pass, so there the browser calls one pass per displayed
// picture. The build picks one: loop_driver_desktop.cpp or loop_driver_browser.cpp.

// What the game does once the passes are over: given the quit message's exit code, it shuts
// everything down and returns the code the program ends with.
using GameEnd = int (*)(int exitCode);

// Runs the main loop, then end. On the desktop it returns end's result; in a browser it returns 0
// at once, main returns, and end runs when the game quits.
int DriveMainLoop(GameEnd end);
