// Drawing of the dressed parts. Every function draws into the DC it is given, in that window's
// own coordinates (window coordinates for frames and borders, client coordinates otherwise).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skin-engine/theme_win.h"

namespace skin {

enum class CloseBox { normal, hot, pressed };

struct FrameGeometry {
  SIZE size;       // the whole window
  RECT client;     // in window coordinates
  RECT caption;    // in window coordinates
  RECT closeBox;   // empty without WS_SYSMENU
};

FrameGeometry frameGeometry(HWND frame);
void paintFrame(HWND frame, HDC windowDc, const Theme& theme, bool active, bool aero,
                CloseBox close);
void paintBorder(HWND control, HDC windowDc, HPEN outer, HPEN inner);
void paintButton(HWND button, HDC dc, const Theme& theme, bool hot);
void paintHeader(HWND header, HDC dc, const Theme& theme);
void paintListGrid(HWND list, HDC dc, const Theme& theme);
HIMAGELIST makeCheckImages(const Theme& theme, int cx, int cy);
void measureMenuItem(MEASUREITEMSTRUCT& item, HMENU menu, const Theme& theme);
void drawMenuItem(const DRAWITEMSTRUCT& item, const Theme& theme);

// Draws into an off-screen bitmap and copies it to the target when destroyed.
class BufferedDc {
 public:
  BufferedDc(HDC target, const RECT& area);
  ~BufferedDc();
  BufferedDc(const BufferedDc&) = delete;
  BufferedDc& operator=(const BufferedDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC target_;
  RECT area_;
  HDC dc_;
  Bitmap bitmap_;
  HGDIOBJ old_;
};

}  // namespace skin
