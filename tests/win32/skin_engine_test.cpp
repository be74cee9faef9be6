// SkinH_EL.dll on a window built like Korvald's: loaded by path and called through its two
// exports, as the program does. Probes: colours the engine answers to the controls, the list's
// and the menu's colours, and pixels of a PrintWindow capture against the skin's palette.
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin-engine/skin_format.h"
#include "tests/win32/skin_test_window.h"

namespace {

using SetAero = int(WINAPI*)(int);
using AttachRes = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);
using Bytes = std::vector<unsigned char>;

struct Engine {
  HMODULE module = LoadLibraryA(skinTestWindowsPath(KORVALD_BINARY_DIR "/SkinH_EL.dll").c_str());
  SetAero setAero = reinterpret_cast<SetAero>(reinterpret_cast<void*>(GetProcAddress(module, "SkinH_SetAero")));
  AttachRes attachRes =
      reinterpret_cast<AttachRes>(reinterpret_cast<void*>(GetProcAddress(module, "SkinH_AttachRes")));
};

const Engine& engine() {
  static const Engine e;
  return e;
}

Bytes blob(int number) {
  std::ifstream in(KORVALD_BINARY_DIR "/skins/" + std::to_string(number) + ".she", std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

skin::Skin palette(int number) {
  const Bytes b = blob(number);
  skin::Skin s;
  EXPECT_EQ(skin::loadSkin(b.data(), static_cast<long long>(b.size()), s), skin::SkinError::None);
  return s;
}

int attach(int number, const char* options = "", int parts = 0) {
  const Bytes b = blob(number);
  return engine().attachRes(b.data(), static_cast<int>(b.size()), options, parts, 0, 0);
}

COLORREF ref(skin::Rgb rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

COLORREF brushColor(LRESULT brush) {
  LOGBRUSH lb{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
  return lb.lbColor;
}

struct ControlColor {
  COLORREF back, text;
};

ControlColor controlColor(HWND frame, UINT msg, HWND control) {
  const HDC dc = GetDC(control);
  SetTextColor(dc, RGB(1, 2, 3));
  const LRESULT brush = SendMessageA(frame, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const ControlColor c{brush ? brushColor(brush) : CLR_NONE, GetTextColor(dc)};
  ReleaseDC(control, dc);
  return c;
}

COLORREF menuBackground(const SkinTestWindow& w) {
  SendMessageA(w.frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(w.menu), 0);
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  GetMenuInfo(w.menu, &info);
  return info.hbrBack ? brushColor(reinterpret_cast<LRESULT>(info.hbrBack)) : CLR_NONE;
}

// The whole window, drawn through WM_PRINT into a 32-bit top-down bitmap.
struct Capture {
  explicit Capture(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    width = rc.right - rc.left;
    height = rc.bottom - rc.top;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    PrintWindow(hwnd, dc, 0);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    pixels.assign(p, p + width * height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  COLORREF at(POINT p) const {
    const DWORD v = pixels[static_cast<size_t>(p.y * width + p.x)];
    return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
  }
  int width, height;
  std::vector<DWORD> pixels;
};

bool closeTo(COLORREF a, COLORREF b) {
  auto close = [&](int shift) { return std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) <= 4; };
  return close(0) && close(8) && close(16);
}

// A control's client rectangle in its top-level window's coordinates.
RECT clientInWindow(HWND frame, HWND control) {
  RECT window, client;
  GetWindowRect(frame, &window);
  GetClientRect(control, &client);
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  return client;
}

RECT rowInWindow(const SkinTestWindow& w, int row) {
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  SendMessageA(w.list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  const RECT list = clientInWindow(w.frame, w.list);
  OffsetRect(&item, list.left, list.top);
  return item;
}

struct PixelProbe {
  const char* what;
  POINT (*where)(const SkinTestWindow&);
  skin::Rgb skin::Palette::*expected;
};

const PixelProbe pixelProbes[] = {
    {"caption, left end", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.frame);
       return POINT{c.left + 2, c.top - 3};
     }, &skin::Palette::caption},
    {"caption, right end", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.frame);
       return POINT{c.right - 3, c.top - 3};
     }, &skin::Palette::caption},
    {"client background", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.frame);
       return POINT{c.left + 3, c.top + 3};
     }, &skin::Palette::face},
    {"behind the label", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.label);
       return POINT{c.right - 2, c.top + 1};
     }, &skin::Palette::face},
    {"edit interior", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.edit);
       return POINT{c.right - 5, (c.top + c.bottom) / 2};
     }, &skin::Palette::edit},
    {"button face", [](const SkinTestWindow& w) {
       const RECT c = clientInWindow(w.frame, w.button);
       return POINT{c.left + 6, c.top + 6};
     }, &skin::Palette::button},
    {"unselected row", [](const SkinTestWindow& w) {
       const RECT r = rowInWindow(w, 0);
       return POINT{r.left + 500, (r.top + r.bottom) / 2};
     }, &skin::Palette::list},
    {"selected row", [](const SkinTestWindow& w) {
       const RECT r = rowInWindow(w, 1);
       return POINT{r.left + 500, (r.top + r.bottom) / 2};
     }, &skin::Palette::listSelect},
    {"grid line under a row", [](const SkinTestWindow& w) {
       const RECT r = rowInWindow(w, 0);
       return POINT{r.left + 400, r.bottom - 1};
     }, &skin::Palette::listGrid},
    {"grid line below the rows", [](const SkinTestWindow& w) {
       const RECT r = rowInWindow(w, 2);
       return POINT{r.left + 300, r.bottom - 1 + 2 * (r.bottom - r.top)};
     }, &skin::Palette::listGrid},
    {"header item", [](const SkinTestWindow& w) {
       const auto header = reinterpret_cast<HWND>(SendMessageA(w.list, LVM_GETHEADER, 0, 0));
       const RECT c = clientInWindow(w.frame, header);
       return POINT{c.left + 3, c.top + 3};
     }, &skin::Palette::header},
};

// Everything the engine could have touched, to show that a refused skin touched nothing.
struct Snapshot {
  std::vector<LONG_PTR> longs;
  std::vector<COLORREF> colors;
  std::vector<DWORD> pixels;
  bool operator==(const Snapshot& o) const { return longs == o.longs && colors == o.colors && pixels == o.pixels; }
};

Snapshot snapshot(const SkinTestWindow& w) {
  Snapshot s;
  const auto header = reinterpret_cast<HWND>(SendMessageA(w.list, LVM_GETHEADER, 0, 0));
  for (HWND h : {w.frame, w.label, w.edit, w.list, w.button, header})
    for (int index : {GWLP_WNDPROC, GWL_STYLE, GWL_EXSTYLE}) s.longs.push_back(GetWindowLongPtrA(h, index));
  for (const auto& c : {controlColor(w.frame, WM_CTLCOLORSTATIC, w.label), controlColor(w.frame, WM_CTLCOLOREDIT, w.edit),
                        controlColor(w.frame, WM_CTLCOLORBTN, w.button)}) {
    s.colors.push_back(c.back);
    s.colors.push_back(c.text);
  }
  for (UINT msg : {LVM_GETBKCOLOR, LVM_GETTEXTCOLOR, LVM_GETTEXTBKCOLOR})
    s.colors.push_back(static_cast<COLORREF>(SendMessageA(w.list, msg, 0, 0)));
  s.colors.push_back(menuBackground(w));
  s.pixels = Capture(w.frame).pixels;
  return s;
}

class SkinEngine : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(engine().module);
    ASSERT_TRUE(engine().setAero);
    ASSERT_TRUE(engine().attachRes);
    w = createSkinTestWindow(3);
    ShowWindow(w.frame, SW_SHOW);
    SetFocus(w.list);
    SendMessageA(w.list, LVM_SETSELECTIONMARK, 0, 1);
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(w.list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    pumpUntilIdle();
  }
  static void TearDownTestSuite() { DestroyWindow(w.frame); }

  static void expectDressed(const SkinTestWindow& window, const skin::Palette& p) {
    const ControlColor label = controlColor(window.frame, WM_CTLCOLORSTATIC, window.label);
    EXPECT_EQ(label.back, ref(p.face));
    EXPECT_EQ(label.text, ref(p.text));
    const ControlColor edit = controlColor(window.frame, WM_CTLCOLOREDIT, window.edit);
    EXPECT_EQ(edit.back, ref(p.edit));
    EXPECT_EQ(edit.text, ref(p.editText));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window.list, LVM_GETBKCOLOR, 0, 0)), ref(p.list));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window.list, LVM_GETTEXTCOLOR, 0, 0)), ref(p.listText));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window.list, LVM_GETTEXTBKCOLOR, 0, 0)), ref(p.list));
    EXPECT_EQ(menuBackground(window), ref(p.menu));
    const Capture capture(window.frame);
    for (const PixelProbe& probe : pixelProbes) {
      SCOPED_TRACE(probe.what);
      const POINT at = probe.where(window);
      EXPECT_PRED2(closeTo, capture.at(at), ref(p.*probe.expected)) << "at " << at.x << "," << at.y;
    }
  }

  static SkinTestWindow w;
};

SkinTestWindow SkinEngine::w;

// Runs first: before any skin is taken, nothing of the engine is installed yet.
TEST_F(SkinEngine, RefusedCallsChangeNothing) {
  Bytes wrongMagic = blob(1);
  wrongMagic[0] = 'X';
  Bytes cut = blob(1);
  cut.resize(cut.size() - 5);
  const Bytes good = blob(1);
  const struct {
    const char* name;
    const unsigned char* data;
    int length;
    const char* options;
    int parts, reserved1, reserved2;
  } cases[] = {
      {"null blob", nullptr, 100, "", 0, 0, 0},
      {"zero length", good.data(), 0, "", 0, 0, 0},
      {"negative length", good.data(), -5, "", 0, 0, 0},
      {"wrong magic", wrongMagic.data(), static_cast<int>(wrongMagic.size()), "", 0, 0, 0},
      {"cut stream", cut.data(), static_cast<int>(cut.size()), "", 0, 0, 0},
      {"bad options", good.data(), static_cast<int>(good.size()), "caption = blue", 0, 0, 0},
      {"unknown part bit", good.data(), static_cast<int>(good.size()), "", 8, 0, 0},
      {"reserved value", good.data(), static_cast<int>(good.size()), "", 0, 1, 0},
  };
  const Snapshot before = snapshot(w);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(engine().attachRes(c.data, c.length, c.options, c.parts, c.reserved1, c.reserved2), 0);
    pumpUntilIdle();
    EXPECT_TRUE(snapshot(w) == before);
  }
}

TEST_F(SkinEngine, DressesEveryPartWithEachBuiltInSkin) {
  ASSERT_EQ(engine().setAero(1), 1);
  const LONG_PTR style = GetWindowLongPtrA(w.frame, GWL_STYLE), exStyle = GetWindowLongPtrA(w.frame, GWL_EXSTYLE);
  for (int number = 1; number <= 33; ++number) {
    SCOPED_TRACE("skin " + std::to_string(number));
    ASSERT_EQ(attach(number), 1);
    pumpUntilIdle();
    expectDressed(w, palette(number).colors);
  }
  EXPECT_EQ(GetWindowLongPtrA(w.frame, GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongPtrA(w.frame, GWL_EXSTYLE), exStyle);
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w.frame, region), ERROR) << "the engine must not set a window region";
  DeleteObject(region);
}

TEST_F(SkinEngine, AeroPaintsTheFrameInTheCaptionColour) {
  ASSERT_EQ(attach(7), 1);
  const skin::Palette p = palette(7).colors;
  const RECT client = clientInWindow(w.frame, w.frame);
  const POINT border{client.left / 2, (client.top + client.bottom) / 2};
  const struct {
    int aero;
    skin::Rgb expected;
  } cases[] = {{0, p.frame}, {1, p.caption}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.aero);
    engine().setAero(c.aero);
    pumpUntilIdle();
    EXPECT_PRED2(closeTo, Capture(w.frame).at(border), ref(c.expected));
  }
}

TEST_F(SkinEngine, AttachingAgainIsHarmlessAndReplacesTheSkin) {
  ASSERT_EQ(attach(5), 1);
  pumpUntilIdle();
  const Snapshot once = snapshot(w);
  ASSERT_EQ(attach(5), 1);
  pumpUntilIdle();
  EXPECT_TRUE(snapshot(w) == once);
  ASSERT_EQ(attach(12, "caption = #202020"), 1);
  pumpUntilIdle();
  EXPECT_EQ(snapshot(w).longs, once.longs) << "window procedures and styles stay as they were";
  skin::Palette expected = palette(12).colors;
  expected.caption = 0x202020;
  expectDressed(w, expected);
}

TEST_F(SkinEngine, CaptionFollowsActivation) {
  ASSERT_EQ(attach(14), 1);
  const skin::Palette p = palette(14).colors;
  const RECT client = clientInWindow(w.frame, w.frame);
  const POINT caption{client.left + 2, client.top - 3};
  const struct {
    BOOL active;
    skin::Rgb expected;
  } cases[] = {{FALSE, p.captionInactive}, {TRUE, p.caption}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.active);
    SendMessageA(w.frame, WM_NCACTIVATE, static_cast<WPARAM>(c.active), 0);
    EXPECT_PRED2(closeTo, Capture(w.frame).at(caption), ref(c.expected));
  }
}

// Moving by the caption and the window menu stay with the system: only the close box is ours.
TEST_F(SkinEngine, CaptionKeepsMovingAndTheWindowMenu) {
  ASSERT_EQ(attach(3), 1);
  pumpUntilIdle();
  RECT window;
  GetWindowRect(w.frame, &window);
  const RECT client = clientInWindow(w.frame, w.frame);
  const int captionMiddle = window.top + (client.left + client.top) / 2;
  const struct {
    const char* what;
    POINT at;
    LRESULT expected;
  } cases[] = {
      {"caption middle", {window.left + 274, captionMiddle}, HTCAPTION},
      {"window icon", {window.left + client.left + 12, captionMiddle}, HTSYSMENU},
      {"close box", {window.left + client.right - 10, captionMiddle}, HTCLOSE},
      {"client", {window.left + client.left + 300, window.top + client.top + 260}, HTCLIENT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SendMessageA(w.frame, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.expected);
  }
}

// The close box is tracked like a push button: hot, pressed, and a close only when released on it.
TEST_F(SkinEngine, CloseBoxShowsHotAndPressedAndClosesOnRelease) {
  ASSERT_EQ(attach(9), 1);
  pumpUntilIdle();
  const skin::Palette p = palette(9).colors;
  RECT window;
  GetWindowRect(w.frame, &window);
  const RECT client = clientInWindow(w.frame, w.frame);
  const POINT corner{client.right - 3, client.top - 3};  // inside the box, clear of its cross
  const POINT box{window.left + client.right - 10, window.top + (client.left + client.top) / 2};
  auto clientLParam = [&](POINT screen) {
    ScreenToClient(w.frame, &screen);
    return MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y));
  };
  const LPARAM onBox = MAKELPARAM(box.x, box.y);
  const int closes = skinTestCloseRequests;
  const struct {
    const char* step;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    skin::Rgb expected;
    int closeRequests;
  } steps[] = {
      {"pointer over the box", WM_NCMOUSEMOVE, HTCLOSE, onBox, p.closeHot, 0},
      {"pressed", WM_NCLBUTTONDOWN, HTCLOSE, onBox, p.closePressed, 0},
      {"dragged off while pressed", WM_MOUSEMOVE, 0, clientLParam({box.x - 200, box.y}), p.caption, 0},
      {"released off the box", WM_LBUTTONUP, 0, clientLParam({box.x - 200, box.y}), p.caption, 0},
      {"pressed again", WM_NCLBUTTONDOWN, HTCLOSE, onBox, p.closePressed, 0},
      {"released on the box", WM_LBUTTONUP, 0, clientLParam(box), p.closeHot, 1},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    SendMessageA(w.frame, step.msg, step.wParam, step.lParam);
    pumpUntilIdle();
    EXPECT_PRED2(closeTo, Capture(w.frame).at(corner), ref(step.expected));
    EXPECT_EQ(skinTestCloseRequests - closes, step.closeRequests);
  }
  SendMessageA(w.frame, WM_NCMOUSELEAVE, 0, 0);
}

TEST_F(SkinEngine, PushButtonShowsEachState) {
  ASSERT_EQ(attach(26), 1);
  pumpUntilIdle();
  const skin::Palette p = palette(26).colors;
  const RECT button = clientInWindow(w.frame, w.button);
  const POINT face{button.left + 6, button.top + 6}, ring{button.left + 2, (button.top + button.bottom) / 2};
  const struct {
    const char* state;
    void (*enter)(HWND);
    skin::Rgb faceColor, ringColor;
  } cases[] = {
      {"normal", [](HWND) {}, p.button, p.button},
      {"hot", [](HWND b) { SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, p.buttonHot, p.buttonHot},
      {"pressed", [](HWND b) { SendMessageA(b, BM_SETSTATE, TRUE, 0); }, p.buttonPressed, p.buttonPressed},
      {"released, pointer gone", [](HWND b) {
         SendMessageA(b, BM_SETSTATE, FALSE, 0);
         SendMessageA(b, WM_MOUSELEAVE, 0, 0);
       }, p.button, p.button},
      {"focused", [](HWND b) { SetFocus(b); }, p.button, p.focus},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    c.enter(w.button);  // no pumping: a posted WM_MOUSELEAVE would end the hot state at once
    const Capture capture(w.frame);
    EXPECT_PRED2(closeTo, capture.at(face), ref(c.faceColor));
    EXPECT_PRED2(closeTo, capture.at(ring), ref(c.ringColor));
  }
  SetFocus(w.list);
  pumpUntilIdle();
}

// Menu items are drawn by the engine, and keep their texts for whoever reads them back.
TEST_F(SkinEngine, PopupMenuItemsAreDrawnInTheSkin) {
  ASSERT_EQ(attach(30), 1);
  const skin::Palette p = palette(30).colors;
  ASSERT_EQ(menuBackground(w), ref(p.menu));
  char text[64] = "";
  GetMenuStringA(w.menu, 2, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "\xCC\xE1\xC8\xA1\xB2\xA2\xC7\xD2\xB4\xF2\xBF\xAA\xCF\xC2\xD4\xD8");
  const struct {
    const char* what;
    UINT state;
    skin::Rgb back;
  } cases[] = {{"plain item", 0, p.menu}, {"highlighted item", ODS_SELECTED, p.menuSelect}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{ODT_MENU, 0, 2, ODA_DRAWENTIRE, c.state, reinterpret_cast<HWND>(w.menu), dc, {0, 0, 200, 24}, 0};
    EXPECT_EQ(SendMessageA(w.frame, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_PRED2(closeTo, GetPixel(dc, 3, 3), ref(c.back));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
}

TEST_F(SkinEngine, WindowsCreatedLaterAreDressedToo) {
  ASSERT_EQ(attach(20), 1);
  SkinTestWindow later = createSkinTestWindow(3);
  SetWindowPos(later.frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetFocus(later.list);
  LVITEMA state{};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(later.list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  pumpUntilIdle();
  expectDressed(later, palette(20).colors);
  DestroyWindow(later.frame);
  pumpUntilIdle();
  DestroyMenu(later.menu);
}

}  // namespace

namespace {

// Korvald.exe carries the packed skins byte for byte as RCDATA 1..33 (when it has been built).
TEST(SkinResources, KorvaldCarriesEveryPackedSkin) {
  const std::string exe = skinTestWindowsPath(KORVALD_BINARY_DIR "/Korvald.exe");
  if (GetFileAttributesA(exe.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "Korvald.exe not built";
  const HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(image);
  for (int number = 1; number <= 33; ++number) {
    SCOPED_TRACE(number);
    const HRSRC resource = FindResourceA(image, MAKEINTRESOURCEA(number), MAKEINTRESOURCEA(10));  // RT_RCDATA
    ASSERT_TRUE(resource);
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(image, resource)));
    const Bytes carried(data, data + SizeofResource(image, resource));
    EXPECT_EQ(carried, blob(number));
  }
  EXPECT_FALSE(FindResourceA(image, MAKEINTRESOURCEA(34), MAKEINTRESOURCEA(10)));
  FreeLibrary(image);
}

}  // namespace
