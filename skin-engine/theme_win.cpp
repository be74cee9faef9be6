#include "skin-engine/theme_win.h"

namespace skin {
namespace {

Brush brush(Rgb rgb) { return Brush(CreateSolidBrush(colorRef(rgb))); }
Brush brush(COLORREF color) { return Brush(CreateSolidBrush(color)); }
Pen pen(COLORREF color, int width = 1) { return Pen(CreatePen(PS_SOLID, width, color)); }

void makeCaptionLook(CaptionLook& look, Rgb caption, Rgb frame, Rgb text, int gloss) {
  look.caption = colorRef(caption);
  look.gloss = mix(look.caption, RGB(255, 255, 255), gloss);
  look.frame = colorRef(frame);
  look.text = colorRef(text);
  look.captionBrush = brush(look.caption);
  look.glossBrush = brush(look.gloss);
  look.frameBrush = brush(look.frame);
  look.outline = pen(mix(look.caption, RGB(0, 0, 0), 45));
  look.highlight = pen(mix(look.caption, RGB(255, 255, 255), 55));
  look.glyph = pen(look.text, 2);
}

// The dialog font, not the caption or menu font of the system: the window's own texts are
// Chinese, and the GUI font is the one sure to have those glyphs (the caption font under Wine
// and on Western systems is not).
Font guiFont(bool bold) {
  LOGFONTA font{};
  if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return Font();
  if (bold) font.lfWeight = FW_BOLD;
  return Font(CreateFontIndirectA(&font));
}

}  // namespace

COLORREF colorRef(Rgb rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

COLORREF mix(COLORREF a, COLORREF b, int percent) {
  // COLORREF is 0x00BBGGRR; mixing works channel by channel whatever the order.
  return mixRgb(a, b, percent);
}

Theme::Theme(const Skin& s, int partsLeftNative) : skin(s), c(skin.colors), parts(partsLeftNative) {
  makeCaptionLook(active, c.caption, c.frame, c.captionText, skin.gloss);
  makeCaptionLook(inactive, c.captionInactive, c.frameInactive, c.captionTextInactive, skin.gloss);
  closeHot = brush(c.closeHot);
  closePressed = brush(c.closePressed);
  closeGlyph = pen(colorRef(c.closeGlyph), 2);
  face = brush(c.face);
  edit = brush(c.edit);
  button = brush(c.button);
  buttonHot = brush(c.buttonHot);
  buttonPressed = brush(c.buttonPressed);
  list = brush(c.list);
  listSelect = brush(c.listSelect);
  header = brush(c.header);
  menu = brush(c.menu);
  menuSelect = brush(c.menuSelect);
  editBorder = pen(colorRef(c.editBorder));
  editInner = pen(colorRef(c.edit));
  listInner = pen(colorRef(c.list));
  focusPen = pen(colorRef(c.focus));
  buttonBorder = pen(colorRef(c.buttonBorder));
  grid = pen(colorRef(c.listGrid));
  headerLine = pen(colorRef(c.headerLine));
  checkOutline = pen(mix(colorRef(c.listText), colorRef(c.list), 35));
  checkMark = pen(colorRef(c.listText), 2);
  menuRule = pen(mix(colorRef(c.menuText), colorRef(c.menu), 70));
  menuCheck = pen(colorRef(c.menuText), 2);
  menuSelectCheck = pen(colorRef(c.menuSelectText), 2);
  captionFont = guiFont(true);
  menuFont = guiFont(false);
}

}  // namespace skin
