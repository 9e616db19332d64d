#pragma once
// The edges of the screen that a notch, a camera hole or the system's own bars cover, in the
// window's coordinates. SDL does not tell them: a browser's page does (safe_area_browser.cpp);
// elsewhere there are none the game can learn of (safe_area_none.cpp). The build picks one.
#include "input/touch_layout.h"

SafeArea ReadSafeArea();
