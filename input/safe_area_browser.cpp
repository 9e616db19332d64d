#include <emscripten.h>

#include "input/safe_area.h"

// The page keeps the CSS safe-area insets in Module.safeAreaInsets (left, top, right, bottom).
SafeArea ReadSafeArea() {
    SafeArea area;
    static_assert(sizeof(SafeArea) == 4 * sizeof(int), "four ints, in the page's order");
    EM_ASM(
        {
            var insets = Module.safeAreaInsets || [ 0, 0, 0, 0 ];
            for (var i = 0; i < 4; i++) HEAP32[($0 >> 2) + i] = insets[i] | 0;
        },
        &area);
    return area;
}
