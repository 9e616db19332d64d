#pragma once
// Start-up opens the devices and makes every picture, sprite and sound; shutdown releases them.
// StartUp returns 1 when everything is in place, 0 at the first failure (described by StartUpError).

int StartUp();
const char* StartUpError();
int ShutDown();
// What ShutDown releases of what StartUp made, in its order; start-up can then run again.
void ReleaseDevices();
