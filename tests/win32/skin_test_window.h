// A window built like Korvald's main window (same size, controls, styles and popup menu), so the
// skin engine is tried on what it will dress, without depending on the application's code.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

struct SkinTestWindow {
  HWND frame, label, edit, list, button;
  HMENU menu;  // the popup, as Korvald's "菜单" submenu
};

inline int skinTestCloseRequests = 0;

inline LRESULT CALLBACK skinTestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {  // counted; tests close their windows with DestroyWindow
    ++skinTestCloseRequests;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline HMODULE skinTestModule() { return GetModuleHandleA(nullptr); }

// Unix paths of the build tree, as Wine sees them.
inline std::string skinTestWindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

inline SkinTestWindow createSkinTestWindow(int rows) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc{};
    wc.lpfnWndProc = skinTestWindowProc;
    wc.hInstance = skinTestModule();
    wc.hIcon = LoadIconA(skinTestModule(), MAKEINTRESOURCEA(1));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KorvaldSkinTestWindow";
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  SkinTestWindow w{};
  const int x = (GetSystemMetrics(SM_CXSCREEN) - 548) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - 310) / 2;
  w.frame = CreateWindowExA(0, "KorvaldSkinTestWindow", "Bremlock\xD6\xAEKorvald ",
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, 548, 310, nullptr, nullptr,
                            skinTestModule(), nullptr);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageA(w.frame, WM_SETFONT, font, 0);
  auto child = [&](DWORD exStyle, const char* cls, const char* text, DWORD style, int l, int t, int cx, int cy) {
    HWND h = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, l, t, cx, cy, w.frame,
                             nullptr, skinTestModule(), nullptr);
    SendMessageA(h, WM_SETFONT, font, 0);
    return h;
  };
  w.label = child(0, "Static", "QQ\xBA\xC5\xC2\xEB", SS_LEFT | SS_CENTERIMAGE, 286, 239, 44, 17);
  w.edit = child(WS_EX_CLIENTEDGE, "Edit", "583162047", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, 334, 237, 130, 18);
  w.list = child(0, WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 8, 8, 528, 216);
  SendMessageA(w.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP);
  const char* headers[] = {"\xD0\xF2\xBA\xC5", "\xC3\xFB\xD7\xD6", "\xB5\xD8\xD6\xB7"};
  const int widths[] = {40, 200, 288};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = widths[i];
    column.pszText = const_cast<char*>(headers[i]);
    SendMessageA(w.list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  for (int row = 0; row < rows; ++row) {
    std::string position = std::to_string(row + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = position.data();
    SendMessageA(w.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const std::string cells[] = {"Song " + position + " - Singer", "http://music.example/" + position + ".mp3"};
    for (int column = 1; column <= 2; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<char*>(cells[column - 1].c_str());
      SendMessageA(w.list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
  }
  w.button = child(0, "Button", "\xCC\xE1\xC8\xA1", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP,
                   475, 234, 66, 26);
  w.menu = CreatePopupMenu();
  AppendMenuA(w.menu, MF_STRING, 1, "\xCC\xE1\xC8\xA1\xB8\xE8\xC7\xFA\xB5\xD8\xD6\xB7");
  AppendMenuA(w.menu, MF_STRING, 2, "\xCC\xE1\xC8\xA1\xB2\xA2\xC7\xD2\xB4\xF2\xBF\xAA\xCF\xC2\xD4\xD8");
  return w;
}

inline void pumpUntilIdle() {
  for (int round = 0; round < 5; ++round) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  }
}
