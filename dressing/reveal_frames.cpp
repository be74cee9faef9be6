#include "dressing/reveal_frames.h"

#include <algorithm>
#include <climits>

namespace {

// Truncation toward zero, as a C cast does; values beyond int (absurd step counts) saturate
// instead of being undefined.
int T(double v) {
    if (v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

// The rectangle between two opposite corners given in any order.
RegionRect between(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Effects 10 and 11: a centred rectangle x wide and y high.
RegionRect centred(double W, double H, int x, int y) {
    return between(T((W - x) / 2.0), T((H - y) / 2.0), T((W + x) / 2.0), T((H + y) / 2.0));
}

struct Geometry {
    double W, H, n;
    int w, h;
    bool reveal;

    // One of the rectangle effects 0 to 11 at frame i; the expressions are evaluated exactly as
    // written (double products, then truncation) so every build yields the same pixels.
    RegionRect rectangle(RevealEffect effect, long long frame) const {
        const double i = frame, sx = W / n, sy = H / n;
        const int grownX = T(i * sx), grownY = T(i * sy);
        const int restX = T(W - i * sx), restY = T(H - i * sy);
        const int x = reveal ? grownX : restX, y = reveal ? grownY : restY;
        switch (effect) {
        case RevealEffect::WipeFromLeft: return {0, 0, grownX, h};
        case RevealEffect::WipeFromRight: return {restX, 0, w, h};
        case RevealEffect::WipeFromTop: return {0, 0, w, grownY};
        case RevealEffect::WipeFromBottom: return {0, restY, w, h};
        case RevealEffect::GrowFromTopLeft: return between(0, 0, x, y);
        case RevealEffect::GrowFromBottomLeft: return between(0, h, x, reveal ? restY : grownY);
        case RevealEffect::GrowFromTopRight: return between(reveal ? restX : grownX, y, w, 0);
        case RevealEffect::GrowFromBottomRight:
            return between(reveal ? restX : grownX, reveal ? restY : grownY, w, h);
        case RevealEffect::ExpandHorizontallyFromCentre: {
            const double hidden = reveal ? restX : grownX;
            return between(T(hidden / 2.0), 0, T(W - hidden / 2.0), h);
        }
        case RevealEffect::ExpandVerticallyFromCentre: {
            const double shown = reveal ? grownY : restY;
            return between(0, T(H / 2.0 - shown / 2.0), w, T(H / 2.0 + shown / 2.0));
        }
        case RevealEffect::GrowFromCentre: return centred(W, H, x, y);
        case RevealEffect::SquareFromCentre: {  // one step size, from the larger extent
            const double s = std::max(W, H) / n;
            return reveal ? centred(W, H, T(i * s), T(i * s))
                          : centred(W, H, T(W - i * s), T(H - i * s));
        }
        default: return {};  // the blinds are made of strips
        }
    }

    // Blinds: n + 1 strips at the fixed pitch p, each i pixels thick.
    std::vector<RegionRect> strips(RevealEffect effect, int p, int frame) const {
        std::vector<RegionRect> result;
        for (long long j = 0; j <= static_cast<long long>(n); ++j) {
            const double start = double(j) * double(p);
            const int from = T(start), to = T(start + double(frame));
            result.push_back(effect == RevealEffect::HorizontalBlinds ? RegionRect{0, from, w, to}
                                                                      : RegionRect{from, 0, to, h});
        }
        return result;
    }
};

}  // namespace

std::vector<RevealFrame> revealFrames(int width, int height, int effect, bool reveal, int steps) {
    std::vector<RevealFrame> frames;
    if (effect < 0 || effect > 13) return frames;
    const auto kind = static_cast<RevealEffect>(effect);
    const Geometry g{double(width), double(height), double(steps), width, height, reveal};
    // Only the wipes and blinds conceal by complement; the others shrink their own rectangle.
    const bool complemented = !reveal && (effect <= 3 || effect >= 12);
    if (kind == RevealEffect::HorizontalBlinds || kind == RevealEffect::VerticalBlinds) {
        const int p = T(double(steps) / 2.0);
        for (int i = 0; i <= p; ++i) frames.push_back({g.strips(kind, p, i), complemented});
    } else {
        for (long long i = 1; i <= steps; ++i) frames.push_back({{g.rectangle(kind, i)}, complemented});
    }
    return frames;
}
