// The skin format of the Korvald skin engine: a 15-byte header, a raw LZMA stream, and inside it
// a small text of "key = value" lines (described in skin_format.cpp, next to the parser).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// 0xRRGGBB, as written in the skin text.
using Rgb = std::uint32_t;

struct Palette {
  Rgb frame, frameInactive;
  Rgb caption, captionInactive, captionText, captionTextInactive;
  Rgb closeHot, closePressed, closeGlyph;
  Rgb face, text;
  Rgb edit, editText, editBorder;
  Rgb button, buttonHot, buttonPressed, buttonText, buttonBorder, focus;
  Rgb list, listText, listSelect, listSelectText, listGrid;
  Rgb header, headerText, headerLine;
  Rgb menu, menuText, menuSelect, menuSelectText;
};

struct Skin {
  std::string name;
  Palette colors{};
  int gloss = 0;   // percent of white blended into the upper half of the aero caption, 0..100
  int radius = 0;  // corner radius of push buttons in pixels, 0..8
};

enum class SkinError {
  None,
  NullBlob,
  BadLength,        // zero, negative, or shorter than the header
  BadMagic,
  BadVersion,
  BadProperties,    // LZMA properties other than 5D and an 8 MiB dictionary
  BadUnpackedLength,// zero or above maxUnpackedLength
  DecodeFailed,     // corrupt stream, or bytes left over after it
  LengthMismatch,   // the stream ends before or after the stated length
  BadContent,       // unknown key, malformed value, repeated or missing key
};

constexpr std::size_t headerSize = 15;
constexpr std::uint32_t maxUnpackedLength = 4u << 20;
constexpr std::uint32_t dictionarySize = 8u << 20;

const char* describe(SkinError error);

// Checks the header and decodes the stream; on success `text` holds exactly the stated length.
SkinError unpackSkin(const unsigned char* blob, long long length, std::string& text);

// Reads skin text; every key must appear exactly once.
SkinError parseSkinText(std::string_view text, Skin& skin);

// Applies overrides written like skin lines, separated by newlines or ';'. Any fault: no change.
SkinError applyOverrides(std::string_view text, Skin& skin);

// unpackSkin + parseSkinText. `skin` is only written on success.
SkinError loadSkin(const unsigned char* blob, long long length, Skin& skin);

// `percent` of `b` mixed into `a`, rounded: how the engine derives the gloss and muted tones.
Rgb mixRgb(Rgb a, Rgb b, int percent);

// WCAG relative-luminance contrast ratio, 1..21.
double contrastRatio(Rgb a, Rgb b);

}  // namespace skin
