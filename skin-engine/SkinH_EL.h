// SkinH_EL.dll: Korvald's skin engine. Two stdcall entry points, exported without decoration.
//
// SkinH_SetAero(on)
//   on != 0: the "aero" look, a glassy two-tone caption (the upper half lightened by the skin's
//   gloss) with a highlight line, the frame in the caption colour. on == 0 (the default): a flat
//   frame in the skin's frame colour and a soft vertical gradient caption. Windows already dressed
//   are repainted at once. Returns 1.
//
// SkinH_AttachRes(skin, length, options, parts, reserved1, reserved2)
//   Dresses every window of the calling thread, present and future, with the skin blob
//   (".SHE" header + LZMA stream, see skin_format.cpp). Attaching again replaces the skin.
//   The engine serves one user-interface thread: call both entry points from that thread.
//   options  zero-terminated text of skin lines that override the skin's own, separated by ';' or
//            newlines, e.g. "caption = #202020; close.hot = #C42B1C". "" (or null): none.
//   parts    bit mask of parts left native: 1 frame and caption, 2 client area and controls,
//            4 popup menus. 0: dress everything.
//   reserved1, reserved2  must be 0.
//   Returns 1 when the skin was taken. On any fault (bad blob, bad options, nonzero reserved
//   values or unknown bits in parts) returns 0 and changes nothing.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

int __stdcall SkinH_SetAero(int on);
int __stdcall SkinH_AttachRes(const unsigned char* skin, int length, const char* options,
                              int parts, int reserved1, int reserved2);

#ifdef __cplusplus
}
#endif
