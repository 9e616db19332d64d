#include <emscripten.h>

#include "input/safe_area.h"

namespace {

// The page keeps the CSS safe-area insets in Module.safeAreaInsets: left, top, right, bottom.
int Inset(int side) {
    return EM_ASM_INT({ return Module.safeAreaInsets ? Module.safeAreaInsets[$0] | 0 : 0; }, side);
}

}  // namespace

SafeArea ReadSafeArea() { return SafeArea{Inset(0), Inset(1), Inset(2), Inset(3)}; }
