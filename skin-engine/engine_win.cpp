// SkinH_EL.dll: the entry points, and the dressing of the calling thread's windows through
// window subclasses (SetWindowSubclass) and a thread CBT hook for windows created later.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <set>
#include <utility>

#include "skin-engine/SkinH_EL.h"
#include "skin-engine/paint_win.h"
#include "skin-engine/theme_win.h"

namespace skin {
namespace {

constexpr UINT_PTR subclassId = 0x4B53;
// Undocumented messages with which themed Windows draws the caption outside WM_NCPAINT.
constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE, WM_NCUAHDRAWFRAME = 0x00AF;

enum class Kind { frame, edit, button, list, header };

struct WindowState {
  Kind kind;
  bool created = true;  // false while a window caught by the hook awaits WM_CREATE
  bool active = false;  // frame: caption drawn active
  bool hot = false;     // button: under the pointer; frame: close box under the pointer
  bool pressed = false; // frame: close box held down
  bool tracking = false;// frame: mouse captured for the close box
};

// The engine serves one user-interface thread: everything below is touched only by it.
std::unique_ptr<Theme> theme;
bool aero = false;
HHOOK cbtHook = nullptr;
HMENU initialisingMenu = nullptr;
std::set<std::pair<HMENU, UINT>> ownerDrawnItems;

LRESULT CALLBACK dressedProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// The dressed window's state is also kept as a window property, so any window can be asked.
constexpr char stateProperty[] = "Korvald.SkinState";

WindowState* stateOf(HWND hwnd) { return static_cast<WindowState*>(GetPropA(hwnd, stateProperty)); }

bool dresses(int part) { return theme && !(theme->parts & part); }

bool kindOf(HWND hwnd, LONG_PTR style, Kind& kind) {
  char name[32] = "";
  GetClassNameA(hwnd, name, sizeof name);
  if (!(style & WS_CHILD)) {
    kind = Kind::frame;
    return (style & WS_CAPTION) == WS_CAPTION;
  }
  const LONG_PTR type = style & BS_TYPEMASK;
  if (!lstrcmpiA(name, WC_EDITA)) kind = Kind::edit;
  else if (!lstrcmpiA(name, WC_BUTTONA) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) kind = Kind::button;
  else if (!lstrcmpiA(name, WC_LISTVIEWA)) kind = Kind::list;
  else if (!lstrcmpiA(name, WC_HEADERA)) kind = Kind::header;
  else return false;
  return dresses(leaveControls);
}

// The list's own check boxes are replaced by ones in the skin's colours.
void dressCheckBoxes(HWND list) {
  if (!(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES)) return;
  int cx = 16, cy = 16;
  if (auto old = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)))
    ImageList_GetIconSize(old, &cx, &cy);
  HIMAGELIST images = makeCheckImages(*theme, cx, cy);
  if (!images) return;
  // The list owns the state image list it is given; the one it made for itself is ours to free.
  if (auto old = reinterpret_cast<HIMAGELIST>(
          SendMessageA(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images))))
    ImageList_Destroy(old);
}

void keepFramePaintedByUs(HWND frame) {
  // With desktop composition Windows would draw its own frame over ours.
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const SetAttribute setAttribute = [] {
    char path[MAX_PATH + 16];
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return SetAttribute{};
    lstrcatA(path, "\\dwmapi.dll");
    const HMODULE dwm = LoadLibraryA(path);  // kept for the life of the process
    return dwm ? reinterpret_cast<SetAttribute>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
               : SetAttribute{};
  }();
  const DWORD disabled = 1;  // DWMNCRP_DISABLED for DWMWA_NCRENDERING_POLICY (2)
  if (setAttribute) setAttribute(frame, 2, &disabled, sizeof disabled);  // fails quietly without DWM
}

void applyDress(HWND hwnd, WindowState& state) {
  state.created = true;
  switch (state.kind) {
    case Kind::frame:
      state.active = GetActiveWindow() == hwnd;
      if (dresses(leaveFrame)) keepFramePaintedByUs(hwnd);
      break;
    case Kind::list:
      SendMessageA(hwnd, LVM_SETBKCOLOR, 0, 0);  // the subclass puts the skin's colours in
      SendMessageA(hwnd, LVM_SETTEXTCOLOR, 0, 0);
      SendMessageA(hwnd, LVM_SETTEXTBKCOLOR, 0, 0);
      dressCheckBoxes(hwnd);
      break;
    default:
      break;
  }
}

void dress(HWND hwnd, Kind kind, bool creating) {
  WindowState* state = stateOf(hwnd);
  if (!state) {
    state = new WindowState{kind};
    if (!SetPropA(hwnd, stateProperty, state)) {
      delete state;
      return;
    }
    if (!SetWindowSubclass(hwnd, dressedProc, subclassId, reinterpret_cast<DWORD_PTR>(state))) {
      RemovePropA(hwnd, stateProperty);
      delete state;
      return;
    }
  }
  if (creating) state->created = false;
  else applyDress(hwnd, *state);
}

BOOL CALLBACK dressChild(HWND hwnd, LPARAM) {
  Kind kind;
  if (kindOf(hwnd, GetWindowLongPtrA(hwnd, GWL_STYLE), kind)) dress(hwnd, kind, false);
  return TRUE;
}

BOOL CALLBACK dressThreadWindow(HWND hwnd, LPARAM) {
  Kind kind;
  if (!kindOf(hwnd, GetWindowLongPtrA(hwnd, GWL_STYLE), kind)) return TRUE;
  dress(hwnd, kind, false);
  EnumChildWindows(hwnd, dressChild, 0);
  return TRUE;
}

BOOL CALLBACK redrawThreadWindow(HWND hwnd, LPARAM) {
  if (stateOf(hwnd))
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && theme) {
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    // The requested style, and what the system has made of it so far (an overlapped window
    // gets its caption whether it asked for one or not).
    const LONG_PTR style = static_cast<LONG_PTR>(create->lpcs->style) | GetWindowLongPtrA(hwnd, GWL_STYLE);
    Kind kind;
    if (kindOf(hwnd, style, kind)) dress(hwnd, kind, true);
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// ---- frames ---------------------------------------------------------------------------------

CloseBox closeBoxState(const WindowState& s) {
  return s.pressed ? CloseBox::pressed : s.hot ? CloseBox::hot : CloseBox::normal;
}

void redrawFrame(HWND hwnd, const WindowState& s) {
  if (!dresses(leaveFrame)) return;
  const HDC dc = GetWindowDC(hwnd);
  paintFrame(hwnd, dc, *theme, s.active, aero, closeBoxState(s));
  ReleaseDC(hwnd, dc);
}

bool inCloseBox(HWND hwnd, POINT screen) {
  RECT window;
  GetWindowRect(hwnd, &window);
  const FrameGeometry g = frameGeometry(hwnd);
  const POINT p{screen.x - window.left, screen.y - window.top};
  return PtInRect(&g.closeBox, p);
}

LRESULT onNcPaint(HWND hwnd, WindowState& s, WPARAM wParam) {
  if (GetMenu(hwnd)) DefSubclassProc(hwnd, WM_NCPAINT, wParam, 0);  // the menu bar stays native
  redrawFrame(hwnd, s);
  return 0;
}

LRESULT onNcActivate(HWND hwnd, WindowState& s, WPARAM wParam) {
  s.active = wParam != 0;
  // -1 keeps the default handler from painting its own caption over ours.
  const LRESULT result = DefSubclassProc(hwnd, WM_NCACTIVATE, wParam, -1);
  redrawFrame(hwnd, s);
  return result;
}

LRESULT onNcHitTest(HWND hwnd, LPARAM lParam) {
  const LRESULT hit = DefSubclassProc(hwnd, WM_NCHITTEST, 0, lParam);
  if (inCloseBox(hwnd, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}))
    return HTCLOSE;
  // The system's own boxes are not drawn; where they would be is plain caption.
  return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTHELP ? HTCAPTION : hit;
}

// Over our close box the default handler is kept out: it would draw the system's own hot box.
LRESULT onNcMouseMove(HWND hwnd, WindowState& s, WPARAM wParam, LPARAM lParam) {
  const bool hot = wParam == HTCLOSE;
  const LRESULT result = hot ? 0 : DefSubclassProc(hwnd, WM_NCMOUSEMOVE, wParam, lParam);
  if (hot != s.hot) {
    s.hot = hot;
    redrawFrame(hwnd, s);
  }
  if (hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, hwnd, 0};
    TrackMouseEvent(&track);
  }
  return result;
}

LRESULT onNcMouseLeave(HWND hwnd, WindowState& s) {
  const LRESULT result = DefSubclassProc(hwnd, WM_NCMOUSELEAVE, 0, 0);
  s.hot = false;
  redrawFrame(hwnd, s);
  return result;
}

// The close box is ours, so we track the press ourselves, like a push button.
LRESULT onNcButtonDown(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (wParam != HTCLOSE) return DefSubclassProc(hwnd, msg, wParam, lParam);
  s.pressed = s.tracking = true;
  SetCapture(hwnd);
  redrawFrame(hwnd, s);
  return 0;
}

LRESULT onTrackingMouse(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!s.tracking) return DefSubclassProc(hwnd, msg, wParam, lParam);
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(hwnd, &p);
  const bool inside = inCloseBox(hwnd, p);
  s.hot = inside;
  if (msg == WM_MOUSEMOVE) {
    if (inside != s.pressed) {
      s.pressed = inside;
      redrawFrame(hwnd, s);
    }
    return 0;
  }
  s.tracking = s.pressed = false;
  ReleaseCapture();
  redrawFrame(hwnd, s);
  if (inside) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(p.x, p.y));
  return 0;
}

LRESULT onCaptureChanged(HWND hwnd, WindowState& s, WPARAM wParam, LPARAM lParam) {
  if (s.tracking) {
    s.tracking = s.pressed = false;
    redrawFrame(hwnd, s);
  }
  return DefSubclassProc(hwnd, WM_CAPTURECHANGED, wParam, lParam);
}

LRESULT repaintFrameAfter(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  redrawFrame(hwnd, s);
  return result;
}

LRESULT onEraseBackground(HWND hwnd, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, theme->face.get());
  return 1;
}

LRESULT onControlColor(HDC dc, Rgb text, Rgb back, HBRUSH brush) {
  SetTextColor(dc, colorRef(text));
  SetBkColor(dc, colorRef(back));
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT onListCustomDraw(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const HWND list = draw.nmcd.hdr.hwndFrom;
  // Like the list itself: without LVS_SHOWSELALWAYS the selection shows only while focused.
  const bool selected =
      (SendMessageA(list, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec, LVIS_SELECTED) & LVIS_SELECTED) &&
      (GetFocus() == list || (GetWindowLongPtrA(list, GWL_STYLE) & LVS_SHOWSELALWAYS));
  // Clearing the selected flag stops the list painting the system highlight over our colours.
  draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
  draw.clrText = colorRef(selected ? theme->c.listSelectText : theme->c.listText);
  draw.clrTextBk = colorRef(selected ? theme->c.listSelect : theme->c.list);
  return CDRF_NEWFONT;
}

LRESULT onNotify(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  auto& header = *reinterpret_cast<NMHDR*>(lParam);
  const WindowState* from = stateOf(header.hwndFrom);
  if (header.code == static_cast<UINT>(NM_CUSTOMDRAW) && from && from->kind == Kind::list)
    return onListCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
  return DefSubclassProc(hwnd, WM_NOTIFY, wParam, lParam);
}

void dressMenu(HMENU menu) {
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = theme->menu.get();
  SetMenuInfo(menu, &info);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item) || (item.fType & MFT_OWNERDRAW))
      continue;
    // MIIM_FTYPE alone keeps the item's text, which the drawing reads back.
    item.fMask = MIIM_FTYPE;
    item.fType |= MFT_OWNERDRAW;
    if (SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) ownerDrawnItems.insert({menu, item.wID});
  }
}

LRESULT onInitMenuPopup(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, WM_INITMENUPOPUP, wParam, lParam);
  initialisingMenu = reinterpret_cast<HMENU>(wParam);
  if (dresses(leaveMenus) && !HIWORD(lParam)) dressMenu(initialisingMenu);  // not the window menu
  return result;
}

LRESULT onMeasureItem(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (item.CtlType != ODT_MENU || !ownerDrawnItems.count({initialisingMenu, item.itemID}))
    return DefSubclassProc(hwnd, WM_MEASUREITEM, wParam, lParam);
  measureMenuItem(item, initialisingMenu, *theme);
  return TRUE;
}

LRESULT onDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item.CtlType != ODT_MENU ||
      !ownerDrawnItems.count({reinterpret_cast<HMENU>(item.hwndItem), item.itemID}))
    return DefSubclassProc(hwnd, WM_DRAWITEM, wParam, lParam);
  drawMenuItem(item, *theme);
  return TRUE;
}

void printWindow(HWND hwnd, HDC dc);

// WM_PRINT (PrintWindow): the same drawing as on screen, children included.
void printChildren(HWND parent, HDC dc) {
  POINT origin{0, 0};
  ClientToScreen(parent, &origin);
  const HWND top = GetWindow(parent, GW_CHILD);
  for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
    if (!IsWindowVisible(child)) continue;
    RECT rc;
    GetWindowRect(child, &rc);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, rc.left - origin.x, rc.top - origin.y, nullptr);
    IntersectClipRect(dc, 0, 0, rc.right - rc.left, rc.bottom - rc.top);
    printWindow(child, dc);
    RestoreDC(dc, saved);
  }
}

void printWindow(HWND hwnd, HDC dc) {
  const WindowState* s = stateOf(hwnd);
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  if (s && s->kind == Kind::frame) paintFrame(hwnd, dc, *theme, s->active, aero, closeBoxState(*s));
  if (s && (s->kind == Kind::edit || s->kind == Kind::list))
    paintBorder(hwnd, dc, theme->editBorder.get(), (s->kind == Kind::edit ? theme->editInner : theme->listInner).get());
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, origin.x - window.left, origin.y - window.top, nullptr);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  if (s && s->kind == Kind::frame) FillRect(dc, &client, theme->face.get());
  else SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  printChildren(hwnd, dc);
  RestoreDC(dc, saved);
}

LRESULT onPrint(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (!dresses(leaveFrame) || !dresses(leaveControls)) return DefSubclassProc(hwnd, WM_PRINT, wParam, lParam);
  printWindow(hwnd, reinterpret_cast<HDC>(wParam));
  return 0;
}

LRESULT onCreate(HWND hwnd, WindowState& s, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, WM_CREATE, wParam, lParam);
  if (result != -1 && !s.created) applyDress(hwnd, s);
  return result;
}

LRESULT frameProc(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool frame = dresses(leaveFrame), client = dresses(leaveControls);
  const auto dc = reinterpret_cast<HDC>(wParam);
  switch (msg) {
    case WM_CREATE: return onCreate(hwnd, s, wParam, lParam);
    case WM_NCPAINT: if (frame) return onNcPaint(hwnd, s, wParam); break;
    case WM_NCACTIVATE: if (frame) return onNcActivate(hwnd, s, wParam); break;
    case WM_NCUAHDRAWCAPTION: case WM_NCUAHDRAWFRAME: if (frame) return 0; break;
    case WM_SETTEXT: case WM_SETICON: if (frame) return repaintFrameAfter(hwnd, s, msg, wParam, lParam); break;
    case WM_NCHITTEST: if (frame) return onNcHitTest(hwnd, lParam); break;
    case WM_NCMOUSEMOVE: if (frame) return onNcMouseMove(hwnd, s, wParam, lParam); break;
    case WM_NCMOUSELEAVE: if (frame) return onNcMouseLeave(hwnd, s); break;
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: if (frame) return onNcButtonDown(hwnd, s, msg, wParam, lParam); break;
    case WM_NCLBUTTONUP: if (frame && wParam == HTCLOSE) return 0; break;
    case WM_MOUSEMOVE: case WM_LBUTTONUP: return onTrackingMouse(hwnd, s, msg, wParam, lParam);
    case WM_CAPTURECHANGED: return onCaptureChanged(hwnd, s, wParam, lParam);
    case WM_ERASEBKGND: if (client) return onEraseBackground(hwnd, dc); break;
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORDLG: case WM_CTLCOLORBTN: if (client) return onControlColor(dc, theme->c.text, theme->c.face, theme->face.get()); break;
    case WM_CTLCOLOREDIT: if (client) return onControlColor(dc, theme->c.editText, theme->c.edit, theme->edit.get()); break;
    case WM_NOTIFY: if (client) return onNotify(hwnd, wParam, lParam); break;
    case WM_INITMENUPOPUP: return onInitMenuPopup(hwnd, wParam, lParam);
    case WM_MEASUREITEM: return onMeasureItem(hwnd, wParam, lParam);
    case WM_DRAWITEM: return onDrawItem(hwnd, wParam, lParam);
    case WM_PRINT: return onPrint(hwnd, wParam, lParam);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// ---- controls -------------------------------------------------------------------------------

void redrawButton(HWND hwnd, const WindowState& s) {
  const HDC dc = GetDC(hwnd);
  paintButton(hwnd, dc, *theme, s.hot);
  ReleaseDC(hwnd, dc);
}

LRESULT onPaint(HWND hwnd, WPARAM wParam, void (*paint)(HWND, HDC)) {
  if (wParam) {
    paint(hwnd, reinterpret_cast<HDC>(wParam));
    return 0;
  }
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  paint(hwnd, dc);
  EndPaint(hwnd, &ps);
  return 0;
}

void paintButtonNow(HWND hwnd, HDC dc) {
  const WindowState* s = stateOf(hwnd);
  paintButton(hwnd, dc, *theme, s && s->hot);
}

// The button draws itself straight away on many messages; we draw over it at once.
LRESULT repaintButtonAfter(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  if (IsWindow(hwnd)) redrawButton(hwnd, s);
  return result;
}

LRESULT onButtonHover(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool hot = msg == WM_MOUSEMOVE;
  if (hot && !s.hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  if (hot == s.hot) return DefSubclassProc(hwnd, msg, wParam, lParam);
  s.hot = hot;
  return repaintButtonAfter(hwnd, s, msg, wParam, lParam);
}

LRESULT buttonProc(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: case WM_PRINTCLIENT: return onPaint(hwnd, wParam, paintButtonNow);
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: case WM_MOUSELEAVE: return onButtonHover(hwnd, s, msg, wParam, lParam);
    case BM_SETSTATE: case BM_SETCHECK: case BM_SETSTYLE: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_ENABLE: case WM_SETTEXT: case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_KEYDOWN: case WM_KEYUP: case WM_CAPTURECHANGED: case WM_UPDATEUISTATE:
      return repaintButtonAfter(hwnd, s, msg, wParam, lParam);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void paintBorderNow(HWND hwnd, const WindowState& s) {
  const HDC dc = GetWindowDC(hwnd);
  const bool focused = GetFocus() == hwnd && s.kind == Kind::edit;
  paintBorder(hwnd, dc, (focused ? theme->focusPen : theme->editBorder).get(),
              (s.kind == Kind::edit ? theme->editInner : theme->listInner).get());
  ReleaseDC(hwnd, dc);
}

LRESULT onBorderPaint(HWND hwnd, const WindowState& s, WPARAM wParam) {
  // Scroll bars stay native: let the control draw them, then draw the border over its own.
  if (GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) DefSubclassProc(hwnd, WM_NCPAINT, wParam, 0);
  paintBorderNow(hwnd, s);
  return 0;
}

LRESULT repaintBorderAfter(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  paintBorderNow(hwnd, s);
  return result;
}

LRESULT editProc(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCPAINT: return onBorderPaint(hwnd, s, wParam);
    case WM_SETFOCUS: case WM_KILLFOCUS: return repaintBorderAfter(hwnd, s, msg, wParam, lParam);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void paintList(HWND hwnd, HDC target) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  // The list has no WS_CLIPCHILDREN: keep the copy of the buffer off its header.
  const int saved = SaveDC(target);
  const auto header = reinterpret_cast<HWND>(SendMessageA(hwnd, LVM_GETHEADER, 0, 0));
  if (header && IsWindowVisible(header)) {
    RECT hr;
    GetWindowRect(header, &hr);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&hr), 2);
    ExcludeClipRect(target, hr.left, hr.top, hr.right, hr.bottom);
  }
  {
    BufferedDc buffer(target, rc);
    const auto dc = reinterpret_cast<WPARAM>(buffer.get());
    DefSubclassProc(hwnd, WM_ERASEBKGND, dc, 0);
    DefSubclassProc(hwnd, WM_PAINT, dc, 0);
    paintListGrid(hwnd, buffer.get(), *theme);
  }
  RestoreDC(target, saved);
}

LRESULT onListColor(HWND hwnd, UINT msg, Rgb color) {
  return DefSubclassProc(hwnd, msg, 0, static_cast<LPARAM>(colorRef(color)));
}

LRESULT onListStyle(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, wParam, lParam);
  dressCheckBoxes(hwnd);
  return result;
}

LRESULT repaintListAfter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  InvalidateRect(hwnd, nullptr, FALSE);  // the selection colour follows the focus
  return result;
}

LRESULT listProc(HWND hwnd, WindowState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return onCreate(hwnd, s, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT: return onPaint(hwnd, wParam, paintList);
    case WM_NCPAINT: return onBorderPaint(hwnd, s, wParam);
    case WM_SETFOCUS: case WM_KILLFOCUS: return repaintListAfter(hwnd, msg, wParam, lParam);
    case LVM_SETBKCOLOR: return onListColor(hwnd, msg, theme->c.list);
    case LVM_SETTEXTBKCOLOR: return onListColor(hwnd, msg, theme->c.list);
    case LVM_SETTEXTCOLOR: return onListColor(hwnd, msg, theme->c.listText);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return onListStyle(hwnd, wParam, lParam);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void paintHeaderNow(HWND hwnd, HDC dc) { paintHeader(hwnd, dc, *theme); }

LRESULT headerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: case WM_PRINTCLIENT: return onPaint(hwnd, wParam, paintHeaderNow);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK dressedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto& s = *reinterpret_cast<WindowState*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, dressedProc, subclassId);
    RemovePropA(hwnd, stateProperty);
    delete &s;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  if (!theme || (s.kind != Kind::frame && !dresses(leaveControls)))
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  switch (s.kind) {
    case Kind::frame: return frameProc(hwnd, s, msg, wParam, lParam);
    case Kind::button: return buttonProc(hwnd, s, msg, wParam, lParam);
    case Kind::edit: return editProc(hwnd, s, msg, wParam, lParam);
    case Kind::list: return listProc(hwnd, s, msg, wParam, lParam);
    case Kind::header: return headerProc(hwnd, msg, wParam, lParam);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// While our window procedures are installed the module must never be unloaded.
void pinModule() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&dressedProc)), &self);
}

int attach(const unsigned char* blob, int length, const char* options, int parts, int reserved1,
           int reserved2) {
  if ((parts & ~allParts) || reserved1 || reserved2) return 0;
  Skin skin;
  if (loadSkin(blob, length, skin) != SkinError::None) return 0;
  if (options && applyOverrides(std::string_view(options, strnlen(options, 64 * 1024)), skin) != SkinError::None)
    return 0;
  auto next = std::make_unique<Theme>(skin, parts);
  pinModule();
  if (!cbtHook) cbtHook = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
  std::swap(theme, next);
  EnumThreadWindows(GetCurrentThreadId(), dressThreadWindow, 0);
  EnumThreadWindows(GetCurrentThreadId(), redrawThreadWindow, 0);
  return 1;  // `next` now holds the previous skin's objects, no longer selected anywhere
}

}  // namespace
}  // namespace skin

extern "C" int __stdcall SkinH_SetAero(int on) {
  skin::aero = on != 0;
  if (skin::theme) EnumThreadWindows(GetCurrentThreadId(), skin::redrawThreadWindow, 0);
  return 1;
}

extern "C" int __stdcall SkinH_AttachRes(const unsigned char* skin, int length, const char* options,
                                         int parts, int reserved1, int reserved2) {
  return skin::attach(skin, length, options, parts, reserved1, reserved2);
}
