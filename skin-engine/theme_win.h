// GDI objects of one skin, made once when the skin is attached.
#pragma once

#include <windows.h>

#include <utility>

#include "skin-engine/skin_format.h"

namespace skin {

template <typename T, typename Closer>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T h) : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, T{})) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, T{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }
  T get() const { return h_; }
  T release() { return std::exchange(h_, T{}); }
  void reset(T h = T{}) {
    if (h_) Closer{}(h_);
    h_ = h;
  }
  explicit operator bool() const { return h_ != T{}; }

 private:
  T h_{};
};

struct GdiObjectCloser {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
using Brush = UniqueHandle<HBRUSH, GdiObjectCloser>;
using Pen = UniqueHandle<HPEN, GdiObjectCloser>;
using Font = UniqueHandle<HFONT, GdiObjectCloser>;
using Bitmap = UniqueHandle<HBITMAP, GdiObjectCloser>;

// Bits of SkinH_AttachRes's `parts`: what stays native.
enum : int { leaveFrame = 1, leaveControls = 2, leaveMenus = 4, allParts = 7 };

COLORREF colorRef(Rgb rgb);
// `percent` of `b` mixed into `a`.
COLORREF mix(COLORREF a, COLORREF b, int percent);

// One caption look (active or inactive).
struct CaptionLook {
  COLORREF caption, gloss, frame, text;
  Brush captionBrush, glossBrush, frameBrush;
  Pen outline, highlight, glyph;
};

struct Theme {
  Theme(const Skin& skin, int parts);

  Skin skin;
  const Palette& c;
  int parts;
  CaptionLook active, inactive;
  Brush closeHot, closePressed;
  Pen closeGlyph;
  Brush face, edit, button, buttonHot, buttonPressed, list, listSelect, header, menu, menuSelect;
  Pen editBorder, editInner, listInner, focusPen, buttonBorder, grid, headerLine, checkOutline, checkMark;
  Pen menuRule, menuCheck, menuSelectCheck;
  Font captionFont, menuFont;
};

}  // namespace skin
