#include <gtest/gtest.h>

#include <windows.h>

#include <winternl.h>

#include <cstdint>
#include <vector>

#include "app/unique_handle_win.h"
#include "dressing/reveal_animation_win.h"
#include "dressing/reveal_frames.h"

namespace {

constexpr UINT probeMessage = WM_APP + 1;
constexpr int windowWidth = 548, windowHeight = 310;

// Pixels of a region or frame around the window, wide enough for effect 11 and the blinds.
struct PixelSet {
    static constexpr int margin = 300;
    std::vector<bool> bits = std::vector<bool>((windowWidth + 2 * margin) * (windowHeight + 2 * margin));
    template <typename Change>
    void change(const RECT& r, Change apply) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) apply(bits[(y + margin) * (windowWidth + 2 * margin) + (x + margin)]);
    }
    void set(const RECT& r) { change(r, [](auto bit) { bit = true; }); }
    void flip(const RECT& r) { change(r, [](auto bit) { bit.flip(); }); }
};

PixelSet pixelsOfRegion(HRGN region) {
    PixelSet pixels;
    std::vector<char> buffer(GetRegionData(region, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (buffer.empty() || !GetRegionData(region, static_cast<DWORD>(buffer.size()), data)) return pixels;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD k = 0; k < data->rdh.nCount; ++k) pixels.set(rects[k]);
    return pixels;
}

// The frame as the geometry describes it, union then complement, built without GDI.
PixelSet pixelsOfFrame(const RevealFrame& frame) {
    PixelSet pixels;
    for (const RegionRect& r : frame.rects) pixels.set({r.left, r.top, r.right, r.bottom});
    if (frame.complemented) pixels.flip({0, 0, windowWidth, windowHeight});
    return pixels;
}

// Live regions of this process, counted in the GDI handle table that Windows (and Wine) map into
// every process: GetGuiResources is a stub under Wine, whose table is per process (owner 0).
int liveRegions() {
    struct Entry {
        void* kernelObject;
        std::uint16_t processId, count, upper, type;
        void* userObject;
    };
#ifdef _WIN64
    constexpr size_t tableOffset = 0xF8;
#else
    constexpr size_t tableOffset = 0x94;
#endif
    constexpr std::uint16_t regionType = 4;
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
    const char* peb = reinterpret_cast<const char*>(process.PebBaseAddress);
    const auto* table = peb ? *reinterpret_cast<const Entry* const*>(peb + tableOffset) : nullptr;
    const auto self = static_cast<std::uint16_t>(GetCurrentProcessId());
    int count = 0;
    for (int k = 0; table && k < 16384; ++k)
        count += (table[k].type & 0xFF) == regionType && (table[k].processId == self || table[k].processId == 0);
    return count;
}

// What the window's handler saw when the probe message was dispatched.
struct Probe {
    int dispatched = 0;
    int regionKind = ERROR;
    UniqueRegion region{CreateRectRgn(0, 0, 0, 0)};
} probe;

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == probeMessage) {
        ++probe.dispatched;
        probe.regionKind = GetWindowRgn(window, probe.region.get());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// One window for the suite (Wine takes a while to map and unmap one); each test starts with it
// hidden, without region and with an empty queue.
class RevealAnimation : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = testWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "RevealTestWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "RevealTestWindow", "Reveal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                 40, 40, windowWidth, windowHeight, nullptr, nullptr, windowClass.hInstance,
                                 nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(window); }
    void SetUp() override {
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_HIDE);
        SetWindowRgn(window, nullptr, FALSE);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
        probe.dispatched = 0;
        probe.regionKind = ERROR;
    }
    static HWND window;
};
HWND RevealAnimation::window = nullptr;

TEST_F(RevealAnimation, EveryEffectLeavesItsLastFrameOnTheWindow) {
    for (bool reveal : {true, false}) {
        for (int effect = 0; effect <= 13; ++effect) {
            SCOPED_TRACE(testing::Message() << "effect " << effect << (reveal ? " reveal" : " conceal"));
            playRevealAnimation(window, reveal, effect, 0, 33);
            EXPECT_TRUE(IsWindowVisible(window));
            const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
            ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
            const auto frames = revealFrames(windowWidth, windowHeight, effect, reveal, 33);
            EXPECT_TRUE(pixelsOfRegion(region.get()).bits == pixelsOfFrame(frames.back()).bits);
        }
    }
}

TEST_F(RevealAnimation, NumberFourteenShowsTheWindowWithoutRegion) {
    playRevealAnimation(window, true, 14, 0, 33);
    EXPECT_TRUE(IsWindowVisible(window));
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, region.get()), ERROR);
}

// A message queued before the animation runs between frames 1 and 2 (0 and 1 for the blinds).
TEST_F(RevealAnimation, QueuedMessagesRunBetweenFrames) {
    struct Case {
        int effect;
        int regionKind;
        RECT box;
    };
    const Case cases[] = {
        {0, SIMPLEREGION, {0, 0, 16, 310}},
        {12, NULLREGION, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        probe.dispatched = 0;
        PostMessageA(window, probeMessage, 0, 0);
        playRevealAnimation(window, true, c.effect, 0, 33);
        EXPECT_EQ(probe.dispatched, 1);
        EXPECT_EQ(probe.regionKind, c.regionKind);
        RECT box{};
        GetRgnBox(probe.region.get(), &box);
        EXPECT_TRUE(EqualRect(&box, &c.box));
    }
}

TEST_F(RevealAnimation, QuitStaysQueuedForTheMainLoop) {
    PostMessageA(window, probeMessage, 0, 0);
    PostQuitMessage(7);
    playRevealAnimation(window, true, 13, 0, 33);
    EXPECT_EQ(probe.dispatched, 1);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
}

// The blinds in the conceal direction make the most temporary regions: 36 per frame. The first
// animation settles what the window and Wine keep (the window's region, Wine's own copy).
TEST_F(RevealAnimation, NoRegionOutlivesAnAnimation) {
    playRevealAnimation(window, false, 12, 0, 33);
    const int settled = liveRegions();
    ASSERT_GT(settled, 1);  // the probe's region and the window's: the table is readable
    for (int effect : {12, 13, 0, 11}) playRevealAnimation(window, false, effect, 0, 33);
    EXPECT_EQ(liveRegions(), settled);
}

}  // namespace
