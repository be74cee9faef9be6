#include <gtest/gtest.h>

#include <vector>

#include "dressing/reveal_frames.h"

static std::ostream& operator<<(std::ostream& out, const RegionRect& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

namespace {

bool inRect(const RegionRect& r, int x, int y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

// Whether pixel (x, y) shows in a frame of a width x height window.
bool shows(const RevealFrame& frame, int width, int height, int x, int y) {
    bool inside = false;
    for (const RegionRect& r : frame.rects) inside = inside || inRect(r, x, y);
    const bool inWindow = 0 <= x && x < width && 0 <= y && y < height;
    return frame.complemented ? inside != inWindow : inside;
}

}  // namespace

// Frames made of one rectangle, to the pixel. Unless named otherwise: 548 x 310, 33 steps.
TEST(RevealFrames, RectangleEffectsToThePixel) {
    struct Case {
        const char* name;
        int width, height, effect;
        bool reveal;
        int steps, frame;  // frame number i, 1 to steps
        RegionRect expected;
        bool complemented;
    };
    const Case cases[] = {
        {"wipe left 1", 548, 310, 0, true, 33, 1, {0, 0, 16, 310}, false},
        {"wipe left 2", 548, 310, 0, true, 33, 2, {0, 0, 33, 310}, false},
        {"wipe left 17", 548, 310, 0, true, 33, 17, {0, 0, 282, 310}, false},
        {"wipe left 33", 548, 310, 0, true, 33, 33, {0, 0, 548, 310}, false},
        {"wipe right 1", 548, 310, 1, true, 33, 1, {531, 0, 548, 310}, false},
        {"wipe bottom 1", 548, 310, 3, true, 33, 1, {0, 300, 548, 310}, false},
        {"bottom-left corners swapped", 548, 310, 5, true, 33, 1, {0, 300, 16, 310}, false},
        {"top-right corners swapped", 548, 310, 6, true, 33, 1, {531, 0, 548, 9}, false},
        {"bottom-right 33", 548, 310, 7, true, 33, 33, {0, 0, 548, 310}, false},
        {"horizontal band: hidden width halved", 548, 310, 8, true, 33, 1, {265, 0, 282, 310}, false},
        {"vertical band: visible height centred", 548, 310, 9, true, 33, 1, {0, 150, 548, 159}, false},
        {"centre 1", 548, 310, 10, true, 33, 1, {266, 150, 282, 159}, false},
        {"centre 33", 548, 310, 10, true, 33, 33, {0, 0, 548, 310}, false},
        {"square 1", 548, 310, 11, true, 33, 1, {266, 147, 282, 163}, false},
        {"square 19 truncates toward zero", 548, 310, 11, true, 33, 19, {116, -2, 431, 312}, false},
        {"square 33 outgrows the height", 548, 310, 11, true, 33, 33, {0, -119, 548, 429}, false},
        // Conceal direction.
        {"conceal wipe left 1", 548, 310, 0, false, 33, 1, {0, 0, 16, 310}, true},
        {"conceal wipe top 33", 548, 310, 2, false, 33, 33, {0, 0, 548, 310}, true},
        {"conceal top-left shrinks", 548, 310, 4, false, 33, 1, {0, 0, 531, 300}, false},
        {"conceal top-left 33 empty", 548, 310, 4, false, 33, 33, {0, 0, 0, 0}, false},
        {"conceal top-right", 548, 310, 6, false, 33, 1, {16, 0, 548, 300}, false},
        {"conceal horizontal band", 548, 310, 8, false, 33, 1, {8, 0, 540, 310}, false},
        {"conceal vertical band", 548, 310, 9, false, 33, 1, {0, 5, 548, 305}, false},
        {"conceal square 1", 548, 310, 11, false, 33, 1, {8, 8, 539, 301}, false},
        {"conceal square 19 corners cross", 548, 310, 11, false, 33, 19, {158, 152, 390, 157}, false},
        {"conceal square 33", 548, 310, 11, false, 33, 33, {274, 36, 274, 274}, false},
        // Other step counts: 19 x (310 / 19) is just below 310, so the last wipe stops a row short.
        {"7 steps wipe left 3", 548, 310, 0, true, 7, 3, {0, 0, 234, 310}, false},
        {"7 steps centre 4", 548, 310, 10, true, 7, 4, {117, 66, 430, 243}, false},
        {"19 steps wipe top 19", 548, 310, 2, true, 19, 19, {0, 0, 548, 309}, false},
        {"19 steps wipe bottom 19", 548, 310, 3, true, 19, 19, {0, 0, 548, 310}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto frames = revealFrames(c.width, c.height, c.effect, c.reveal, c.steps);
        ASSERT_EQ(frames.size(), static_cast<size_t>(c.steps));
        const RevealFrame& frame = frames[c.frame - 1];
        ASSERT_EQ(frame.rects.size(), 1u);
        EXPECT_EQ(frame.rects[0], c.expected);
        EXPECT_EQ(frame.complemented, c.complemented);
    }
}

// The blinds, pixel by pixel along the axis they grow on (a row for effect 12, a column for 13).
TEST(RevealFrames, BlindsCoverTheirFixedExtent) {
    struct Case {
        const char* name;
        int width, height, effect;
        bool reveal;
        int steps, frame;  // frame number i, 0 to steps / 2
        size_t frameCount;
        bool (*shows)(int line);  // along the growing axis, inside and beyond the window
    };
    const Case cases[] = {
        {"frame 0 is empty", 548, 310, 12, true, 33, 0, 17, [](int) { return false; }},
        {"1-pixel strips every 16 rows", 548, 310, 12, true, 33, 1, 17,
         [](int y) { return y >= 0 && y < 544 && y % 16 == 0; }},
        {"last frame covers rows 0 to 543", 548, 310, 12, true, 33, 16, 17,
         [](int y) { return y >= 0 && y < 544; }},
        {"vertical: last frame leaves 4 columns of 548", 548, 310, 13, true, 33, 16, 17,
         [](int x) { return x >= 0 && x < 544; }},
        {"window smaller than the extent", 200, 120, 13, true, 33, 16, 17,
         [](int x) { return x >= 0 && x < 544; }},
        {"conceal frame 0 is the whole window", 548, 310, 12, false, 33, 0, 17,
         [](int y) { return y >= 0 && y < 310; }},
        {"conceal gaps between strips", 548, 310, 13, false, 33, 15, 17,
         [](int x) { return (x >= 0 && x < 544 && x % 16 == 15) || (x >= 544 && x < 548); }},
        {"7 steps: pitch 3, 8 strips", 548, 310, 12, true, 7, 2, 4,
         [](int y) { return y >= 0 && y < 24 && y % 3 != 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto frames = revealFrames(c.width, c.height, c.effect, c.reveal, c.steps);
        ASSERT_EQ(frames.size(), c.frameCount);
        const RevealFrame& frame = frames[c.frame];
        const bool horizontal = c.effect == 12;
        const int extent = horizontal ? c.height : c.width;
        for (int line = -2; line < 600; ++line) {
            // Outside the window only the strips themselves count (a complement never reaches there).
            const bool expected = line < extent ? c.shows(line) : c.shows(line) && !frame.complemented;
            const int x = horizontal ? c.width / 2 : line, y = horizontal ? line : c.height / 2;
            ASSERT_EQ(shows(frame, c.width, c.height, x, y), expected) << "at " << line;
        }
    }
}

TEST(RevealFrames, FrameCountsAndUnknownEffects) {
    for (int effect = 0; effect <= 11; ++effect) EXPECT_EQ(revealFrames(548, 310, effect, true, 33).size(), 33u);
    EXPECT_EQ(revealFrames(548, 310, 12, false, 33).size(), 17u);
    for (int effect : {-1, 14, 1000}) EXPECT_TRUE(revealFrames(548, 310, effect, true, 33).empty());
    EXPECT_TRUE(revealFrames(548, 310, 0, true, 0).empty());
}

// Effects 0 to 10 end on exactly the whole window at 33 steps, in both windows the program knows.
TEST(RevealFrames, LastFrameIsTheWholeWindow) {
    for (int effect = 0; effect <= 10; ++effect) {
        SCOPED_TRACE(effect);
        const auto frames = revealFrames(548, 310, effect, true, 33);
        EXPECT_EQ(frames.back().rects[0], (RegionRect{0, 0, 548, 310}));
    }
}
