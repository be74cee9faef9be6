#include "dressing/dress_win.h"

#include "dressing/random.h"
#include "dressing/reveal_animation_win.h"
#include "dressing/skin_setup_win.h"

void dressMainWindow(HWND mainWindow) {
    seedRandomGenerator(GetTickCount());
    // 1 to 14: effect 0 is never drawn, and 14 names no effect, so the window just appears.
    const int effect = randomBetween(14, 1);
    playRevealAnimation(mainWindow, true, effect, 11, 33);
    runBuiltInSkinSteps();
}
