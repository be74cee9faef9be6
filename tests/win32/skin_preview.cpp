// skin_preview NUMBER [AERO [MILLISECONDS [menu]]]: the test window dressed with built-in skin
// NUMBER, a row selected and the list focused, until closed (or for the given time), optionally
// with the popup menu open over the list. For screenshots.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/win32/skin_test_window.h"

namespace {

SkinTestWindow w;

void CALLBACK openMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  RECT rc;
  GetWindowRect(w.list, &rc);
  HMENU menu = w.menu;
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, rc.left + 120, rc.top + 70, 0, w.frame, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int number = __argc > 1 ? std::atoi(__argv[1]) : 1;
  const int aero = __argc > 2 ? std::atoi(__argv[2]) : 1;
  const int lifetime = __argc > 3 ? std::atoi(__argv[3]) : 0;
  const HMODULE engine = LoadLibraryA(skinTestWindowsPath(KORVALD_BINARY_DIR "/SkinH_EL.dll").c_str());
  using SetAero = int(WINAPI*)(int);
  using AttachRes = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);
  const auto setAero = reinterpret_cast<SetAero>(reinterpret_cast<void*>(GetProcAddress(engine, "SkinH_SetAero")));
  const auto attachRes = reinterpret_cast<AttachRes>(reinterpret_cast<void*>(GetProcAddress(engine, "SkinH_AttachRes")));
  if (!setAero || !attachRes) return 2;
  std::ifstream in(KORVALD_BINARY_DIR "/skins/" + std::to_string(number) + ".she", std::ios::binary);
  const std::vector<unsigned char> skin((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  w = createSkinTestWindow(6);
  ShowWindow(w.frame, SW_SHOW);
  SetFocus(w.list);
  LVITEMA state{};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(w.list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(2);
  SendMessageA(w.list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  setAero(aero);
  if (!attachRes(skin.data(), static_cast<int>(skin.size()), "", 0, 0, 0)) return 3;
  if (lifetime > 0) SetTimer(nullptr, 0, static_cast<UINT>(lifetime), nullptr);
  if (__argc > 4 && !lstrcmpA(__argv[4], "menu")) SetTimer(nullptr, 0, 300, openMenu);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && !msg.hwnd && !msg.lParam) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
