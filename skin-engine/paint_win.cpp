#include "skin-engine/paint_win.h"

#include <algorithm>
#include <string>

namespace skin {
namespace {

constexpr COLORREF white = RGB(255, 255, 255);

std::string windowText(HWND hwnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

HICON smallIcon(HWND hwnd) {
  for (WPARAM kind : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}})
    if (auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, kind, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM))) return icon;
  return reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
}

void fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  const RECT rc{left, top, right, bottom};
  FillRect(dc, &rc, brush);
}

void line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void verticalGradient(HDC dc, const RECT& rc, COLORREF top, COLORREF bottom) {
  TRIVERTEX v[2] = {
      {rc.left, rc.top, static_cast<COLOR16>(GetRValue(top) << 8),
       static_cast<COLOR16>(GetGValue(top) << 8), static_cast<COLOR16>(GetBValue(top) << 8), 0},
      {rc.right, rc.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
       static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
  GRADIENT_RECT r{0, 1};
  GradientFill(dc, v, 2, &r, 1, GRADIENT_FILL_RECT_V);
}

void drawCross(HDC dc, const RECT& box, HPEN pen) {
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  const int r = std::max(3, static_cast<int>(std::min(box.right - box.left, box.bottom - box.top)) / 4);
  const HGDIOBJ old = SelectObject(dc, pen);
  line(dc, cx - r, cy - r, cx + r, cy + r);
  line(dc, cx + r, cy - r, cx - r, cy + r);
  SelectObject(dc, old);
}

void paintCaptionBackground(HDC dc, const FrameGeometry& g, const CaptionLook& look, bool aero) {
  const RECT all{0, 0, g.size.cx, g.size.cy};
  if (aero) {
    // Glass: the frame takes the caption colour, the upper half of the caption the gloss.
    FillRect(dc, &all, look.captionBrush.get());
    fill(dc, 0, 0, g.size.cx, (g.caption.top + g.caption.bottom) / 2, look.glossBrush.get());
    const HGDIOBJ old = SelectObject(dc, look.highlight.get());
    line(dc, 1, 1, g.size.cx - 1, 1);
    SelectObject(dc, old);
  } else {
    FillRect(dc, &all, look.frameBrush.get());
    verticalGradient(dc, g.caption, mix(look.caption, white, 18), look.caption);
  }
  const HGDIOBJ oldPen = SelectObject(dc, look.outline.get());
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 0, 0, g.size.cx, g.size.cy);
  Rectangle(dc, g.client.left - 1, g.client.top - 1, g.client.right + 1, g.client.bottom + 1);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

void paintCaptionText(HWND frame, HDC dc, const FrameGeometry& g, const Theme& theme,
                      const CaptionLook& look) {
  RECT text = g.caption;
  text.left += 6;
  if (HICON icon = smallIcon(frame); icon && (GetWindowLongPtrA(frame, GWL_STYLE) & WS_SYSMENU)) {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    DrawIconEx(dc, text.left, (g.caption.top + g.caption.bottom - cy) / 2, icon, cx, cy, 0,
               nullptr, DI_NORMAL);
    text.left += cx + 5;
  }
  text.right = (g.closeBox.left < g.closeBox.right ? g.closeBox.left : g.caption.right) - 4;
  const std::string caption = windowText(frame);
  const HGDIOBJ oldFont = SelectObject(dc, theme.captionFont ? static_cast<HGDIOBJ>(theme.captionFont.get())
                                                             : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

}  // namespace

BufferedDc::BufferedDc(HDC target, const RECT& area)
    : target_(target), area_(area), dc_(CreateCompatibleDC(target)) {
  bitmap_ = Bitmap(CreateCompatibleBitmap(target, std::max(1L, area.right - area.left),
                                          std::max(1L, area.bottom - area.top)));
  old_ = SelectObject(dc_, bitmap_.get());
  SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
}

BufferedDc::~BufferedDc() {
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
         area_.left, area_.top, SRCCOPY);
  SelectObject(dc_, old_);
  DeleteDC(dc_);
}

FrameGeometry frameGeometry(HWND frame) {
  FrameGeometry g{};
  RECT window;
  GetWindowRect(frame, &window);
  POINT origin{0, 0};
  ClientToScreen(frame, &origin);
  GetClientRect(frame, &g.client);
  OffsetRect(&g.client, origin.x - window.left, origin.y - window.top);
  g.size = {window.right - window.left, window.bottom - window.top};
  const LONG_PTR exStyle = GetWindowLongPtrA(frame, GWL_EXSTYLE);
  const int height = GetSystemMetrics(exStyle & WS_EX_TOOLWINDOW ? SM_CYSMCAPTION : SM_CYCAPTION);
  // A fixed frame is equally thick on every side; the band above the client is the caption
  // (and the menu bar, which is left to the system, if there is one).
  const int edge = g.client.left;
  g.caption = {edge, edge, g.size.cx - edge, GetMenu(frame) ? edge + height - 1 : g.client.top};
  if (GetWindowLongPtrA(frame, GWL_STYLE) & WS_SYSMENU) {
    const int boxHeight = std::max(12, static_cast<int>(g.caption.bottom - g.caption.top) - 4);
    const int right = g.caption.right - 2;
    g.closeBox = {right - boxHeight * 3 / 2, g.caption.top + 2, right, g.caption.top + 2 + boxHeight};
  }
  return g;
}

void paintFrame(HWND frame, HDC windowDc, const Theme& theme, bool active, bool aero,
                CloseBox close) {
  const FrameGeometry g = frameGeometry(frame);
  const CaptionLook& look = active ? theme.active : theme.inactive;
  const int saved = SaveDC(windowDc);
  ExcludeClipRect(windowDc, g.client.left, g.client.top, g.client.right, g.client.bottom);
  {
    BufferedDc buffer(windowDc, RECT{0, 0, g.size.cx, g.size.cy});
    const HDC dc = buffer.get();
    paintCaptionBackground(dc, g, look, aero);
    paintCaptionText(frame, dc, g, theme, look);
    if (g.closeBox.right > g.closeBox.left) {
      if (close != CloseBox::normal)
        FillRect(dc, &g.closeBox,
                 (close == CloseBox::hot ? theme.closeHot : theme.closePressed).get());
      drawCross(dc, g.closeBox, close == CloseBox::normal ? look.glyph.get() : theme.closeGlyph.get());
    }
  }
  RestoreDC(windowDc, saved);
}

void paintBorder(HWND control, HDC windowDc, HPEN outer, HPEN inner) {
  RECT window, client;
  GetWindowRect(control, &window);
  GetClientRect(control, &client);
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  const int thickness = origin.x - window.left;
  const int width = window.right - window.left, height = window.bottom - window.top;
  const HGDIOBJ oldBrush = SelectObject(windowDc, GetStockObject(NULL_BRUSH));
  const HGDIOBJ oldPen = SelectObject(windowDc, outer);
  for (int i = 0; i < thickness; ++i) {
    if (i == 1) SelectObject(windowDc, inner);
    Rectangle(windowDc, i, i, width - i, height - i);
  }
  SelectObject(windowDc, oldPen);
  SelectObject(windowDc, oldBrush);
}

void paintButton(HWND button, HDC target, const Theme& theme, bool hot) {
  RECT rc;
  GetClientRect(button, &rc);
  BufferedDc buffer(target, rc);
  const HDC dc = buffer.get();
  FillRect(dc, &rc, theme.face.get());
  const LRESULT state = SendMessageA(button, BM_GETSTATE, 0, 0);
  const bool pressed = state & BST_PUSHED;
  const bool enabled = IsWindowEnabled(button);
  const HBRUSH face = (pressed ? theme.buttonPressed : hot && enabled ? theme.buttonHot : theme.button).get();
  const int round = theme.skin.radius * 2;
  const HGDIOBJ oldPen = SelectObject(dc, theme.buttonBorder.get());
  const HGDIOBJ oldBrush = SelectObject(dc, face);
  RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, round, round);
  if (GetFocus() == button) {
    SelectObject(dc, theme.focusPen.get());
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1, round, round);
    RoundRect(dc, rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2, round, round);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);

  const std::string text = windowText(button);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const COLORREF ink = colorRef(theme.c.buttonText);
  SetTextColor(dc, enabled ? ink : mix(ink, colorRef(theme.c.button), 55));
  RECT box = rc;
  InflateRect(&box, -4, -3);
  const UINT format = DT_CENTER | DT_WORDBREAK;
  RECT measured = box;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
  OffsetRect(&box, pressed ? 1 : 0,
             ((box.bottom - box.top) - (measured.bottom - measured.top)) / 2 + (pressed ? 1 : 0));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  SelectObject(dc, oldFont);
}

void paintHeader(HWND header, HDC target, const Theme& theme) {
  RECT rc;
  GetClientRect(header, &rc);
  BufferedDc buffer(target, rc);
  const HDC dc = buffer.get();
  // The whole control, so the empty part right of the last column is dressed too.
  FillRect(dc, &rc, theme.header.get());
  const auto font = reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const HGDIOBJ oldPen = SelectObject(dc, theme.headerLine.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colorRef(theme.c.headerText));
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (!SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    char text[260] = "";
    HDITEMA info{};
    info.mask = HDI_TEXT | HDI_FORMAT;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    const UINT align = info.fmt & HDF_RIGHT ? DT_RIGHT : info.fmt & HDF_CENTER ? DT_CENTER : DT_LEFT;
    RECT label{item.left + 6, item.top, item.right - 6, item.bottom - 1};
    DrawTextA(dc, text, -1, &label, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    line(dc, item.right - 1, item.top + 4, item.right - 1, item.bottom - 4);
  }
  line(dc, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
}

void paintListGrid(HWND list, HDC dc, const Theme& theme) {
  if ((GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT ||
      !(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES))
    return;
  RECT rc;
  GetClientRect(list, &rc);
  const auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  POINT headerOrigin{0, 0};
  int top = rc.top;
  if (header && IsWindowVisible(header)) {
    RECT hr;
    GetWindowRect(header, &hr);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&hr), 2);
    headerOrigin = {hr.left, hr.top};
    top = hr.bottom;
  }
  int rowTop = top;
  int rowHeight = HIWORD(SendMessageA(list, LVM_GETITEMSPACING, TRUE, 0));
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  if (SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) {
    rowTop = item.top;
    rowHeight = item.bottom - item.top;
  }
  if (rowHeight <= 0) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, rc.left, top, rc.right, rc.bottom);
  SelectObject(dc, theme.grid.get());
  // The list draws its own grid lines in a system colour; ours go over exactly the same pixels.
  int y = rowTop + rowHeight - 1;
  if (y < top) y += (top - y + rowHeight - 1) / rowHeight * rowHeight;
  for (; y < rc.bottom; y += rowHeight) line(dc, rc.left, y, rc.right, y);
  const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int i = 0; i < columns; ++i) {
    RECT column;
    if (!SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)))
      continue;
    const int x = headerOrigin.x + column.right - 1;
    line(dc, x, top, x, rc.bottom);
  }
  RestoreDC(dc, saved);
}

HIMAGELIST makeCheckImages(const Theme& theme, int cx, int cy) {
  constexpr COLORREF key = RGB(255, 0, 255);
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  Bitmap strip(CreateCompatibleBitmap(screen, cx * 2, cy));
  ReleaseDC(nullptr, screen);
  const HGDIOBJ oldBitmap = SelectObject(dc, strip.get());
  Brush keyBrush(CreateSolidBrush(key));
  fill(dc, 0, 0, cx * 2, cy, keyBrush.get());
  const int box = std::min(13, std::min(cx, cy) - 2);
  for (int i = 0; i < 2; ++i) {
    const int left = i * cx + (cx - box) / 2, top = (cy - box) / 2;
    const HGDIOBJ oldPen = SelectObject(dc, theme.checkOutline.get());
    const HGDIOBJ oldBrush = SelectObject(dc, theme.list.get());
    Rectangle(dc, left, top, left + box, top + box);
    if (i == 1) {
      SelectObject(dc, theme.checkMark.get());
      MoveToEx(dc, left + 3, top + box / 2, nullptr);
      LineTo(dc, left + box / 2 - 1, top + box - 4);
      LineTo(dc, left + box - 3, top + 3);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
  }
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  HIMAGELIST images = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, 2, 0);
  if (images) ImageList_AddMasked(images, strip.get(), key);
  return images;
}

namespace {

struct MenuItemText {
  std::string label, shortcut;
  UINT type = 0;
};

MenuItemText menuItemText(HMENU menu, UINT id) {
  MenuItemText out;
  char text[260] = "";
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_FTYPE;
  info.dwTypeData = text;
  info.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, id, FALSE, &info)) return out;
  out.type = info.fType;
  out.label = text;
  if (const size_t tab = out.label.find('\t'); tab != std::string::npos) {
    out.shortcut = out.label.substr(tab + 1);
    out.label.resize(tab);
  }
  return out;
}

}  // namespace

void measureMenuItem(MEASUREITEMSTRUCT& item, HMENU menu, const Theme& theme) {
  const MenuItemText text = menuItemText(menu, item.itemID);
  if (text.type & MFT_SEPARATOR) {
    item.itemWidth = 0;
    item.itemHeight = 7;
    return;
  }
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ oldFont = SelectObject(dc, theme.menuFont ? static_cast<HGDIOBJ>(theme.menuFont.get())
                                                          : GetStockObject(DEFAULT_GUI_FONT));
  RECT label{0, 0, 0, 0}, shortcut{0, 0, 0, 0};
  DrawTextA(dc, text.label.c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
  if (!text.shortcut.empty()) DrawTextA(dc, text.shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_CALCRECT);
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);
  item.itemWidth = static_cast<UINT>(label.right + (shortcut.right ? shortcut.right + 24 : 0) + 40);
  item.itemHeight = static_cast<UINT>(std::max<LONG>(label.bottom + 8, GetSystemMetrics(SM_CYMENU)));
}

void drawMenuItem(const DRAWITEMSTRUCT& item, const Theme& theme) {
  const auto menu = reinterpret_cast<HMENU>(item.hwndItem);
  const MenuItemText text = menuItemText(menu, item.itemID);
  const HDC dc = item.hDC;
  const bool selected = item.itemState & ODS_SELECTED;
  const COLORREF back = colorRef(selected ? theme.c.menuSelect : theme.c.menu);
  FillRect(dc, &item.rcItem, (selected ? theme.menuSelect : theme.menu).get());
  COLORREF ink = colorRef(selected ? theme.c.menuSelectText : theme.c.menuText);
  if (text.type & MFT_SEPARATOR) {
    const HGDIOBJ old = SelectObject(dc, theme.menuRule.get());
    const int y = (item.rcItem.top + item.rcItem.bottom) / 2;
    line(dc, item.rcItem.left + 4, y, item.rcItem.right - 4, y);
    SelectObject(dc, old);
    return;
  }
  if (item.itemState & (ODS_GRAYED | ODS_DISABLED)) ink = mix(ink, back, 50);
  const HGDIOBJ oldFont = SelectObject(dc, theme.menuFont ? static_cast<HGDIOBJ>(theme.menuFont.get())
                                                          : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  const UINT prefix = item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0;
  RECT label = item.rcItem;
  label.left += 26;
  label.right -= 12;
  DrawTextA(dc, text.label.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
  if (!text.shortcut.empty())
    DrawTextA(dc, text.shortcut.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | prefix);
  if (item.itemState & ODS_CHECKED) {
    const HGDIOBJ old = SelectObject(dc, (selected ? theme.menuSelectCheck : theme.menuCheck).get());
    const int x = item.rcItem.left + 8, y = (item.rcItem.top + item.rcItem.bottom) / 2;
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x + 3, y + 3);
    LineTo(dc, x + 9, y - 4);
    SelectObject(dc, old);
  }
  SelectObject(dc, oldFont);
}

}  // namespace skin
