// GDI objects of one skin, made once when the skin is attached.
#pragma once

#include <windows.h>

#include "app/unique_handle_win.h"
#include "skin-engine/skin_format.h"

namespace skin {

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
