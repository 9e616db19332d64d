#pragma once
// The three sound effects, synthesised: 8-bit unsigned mono samples at SoundRate.
#include "byte_writer.h"

Bytes SynthPunch();  // a low body thump with a slap on top
Bytes SynthFire();   // a bright zap that sweeps down, over a short noise crack
Bytes SynthHit();    // a crunchy, falling, growling impact
