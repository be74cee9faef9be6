// Geometry of the reveal animation: the region of every frame, in window coordinates.
#pragma once

#include <vector>

enum class RevealEffect {
    WipeFromLeft,
    WipeFromRight,
    WipeFromTop,
    WipeFromBottom,
    GrowFromTopLeft,
    GrowFromBottomLeft,
    GrowFromTopRight,
    GrowFromBottomRight,
    ExpandHorizontallyFromCentre,
    ExpandVerticallyFromCentre,
    GrowFromCentre,
    SquareFromCentre,
    HorizontalBlinds,
    VerticalBlinds,
};

// Pixels left <= x < right, top <= y < bottom; always normalised (left <= right, top <= bottom).
struct RegionRect {
    int left, top, right, bottom;
    bool operator==(const RegionRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The union of rects; when complemented, that union XOR the whole window (0, 0, W, H).
struct RevealFrame {
    std::vector<RegionRect> rects;
    bool complemented = false;
};

// Every frame in playing order; no frames for an effect number outside 0 to 13.
std::vector<RevealFrame> revealFrames(int width, int height, int effect, bool reveal, int steps);
