#include "dressing/reveal_animation_win.h"

#include "app/message_pump_win.h"
#include "app/unique_handle_win.h"
#include "dressing/reveal_frames.h"

namespace {

UniqueRegion regionOf(const RegionRect& r) {
    return UniqueRegion(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

// The frame's region; every temporary region is deleted as soon as it has been combined.
UniqueRegion buildFrameRegion(const RevealFrame& frame, int width, int height) {
    UniqueRegion region;
    if (frame.rects.size() == 1) {
        region = regionOf(frame.rects[0]);
    } else {
        region = regionOf({0, 0, 0, 0});
        for (const RegionRect& strip : frame.rects) {
            const UniqueRegion stripRegion = regionOf(strip);
            CombineRgn(region.get(), region.get(), stripRegion.get(), RGN_OR);
        }
    }
    if (frame.complemented) {
        const UniqueRegion whole = regionOf({0, 0, width, height});
        CombineRgn(region.get(), region.get(), whole.get(), RGN_XOR);
    }
    return region;
}

}  // namespace

void playRevealAnimation(HWND window, bool reveal, int effect, int frameDelayMs, int steps) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOW);
    for (const RevealFrame& frame : revealFrames(width, height, effect, reveal, steps)) {
        UniqueRegion region = buildFrameRegion(frame, width, height);
        // On success the window owns the region (and frees the one it replaces); on failure we do.
        if (SetWindowRgn(window, region.get(), TRUE)) region.release();
        processPendingMessages();
        Sleep(static_cast<DWORD>(frameDelayMs > 0 ? frameDelayMs : 0));
    }
}

void processPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
        // A quit posted by a sent message handled inside the peek may come first: leave it queued.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatchThroughPump(message);
    }
}
