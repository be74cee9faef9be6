// Skin blob and skin text.
//
// Blob: ".SHE" 00 03, unpacked length (LE32), LZMA properties 5D and dictionary size 8 MiB (LE32),
// then a raw LZMA stream (lc 3, lp 0, pb 2) of exactly the stated length, with or without an end
// mark, and nothing after it.
//
// Text: ASCII lines "key = value"; blank lines and lines starting with '#' are ignored; CR LF or LF.
// Every key below appears exactly once; an unknown key, a repeated key or a malformed value
// rejects the whole skin.
//   name                   1..40 printable ASCII characters
//   colour keys            "#RRGGBB"; each is listed with its role in the table below
//   gloss                  0..100, percent of white blended into the upper half of the aero caption
//   radius                 0..8, corner radius of push buttons in pixels
#include "skin-engine/skin_format.h"

#include <bitset>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include SKIN_LZMA_DEC_HEADER

namespace skin {
namespace {

struct Field {
  const char* key;
  Rgb Palette::*color;  // null for the three non-colour keys
};

// Colour roles: what each key paints.
constexpr Field fields[] = {
    {"name", nullptr},
    {"gloss", nullptr},
    {"radius", nullptr},
    {"frame", &Palette::frame},                          // window border, active
    {"frame.inactive", &Palette::frameInactive},         // window border, inactive
    {"caption", &Palette::caption},                      // title bar, active
    {"caption.inactive", &Palette::captionInactive},     // title bar, inactive
    {"caption.text", &Palette::captionText},             // on caption
    {"caption.text.inactive", &Palette::captionTextInactive},  // on caption.inactive
    {"close.hot", &Palette::closeHot},                   // close box under the pointer
    {"close.pressed", &Palette::closePressed},           // close box held down
    {"close.glyph", &Palette::closeGlyph},               // the cross on close.hot / close.pressed
    {"face", &Palette::face},                            // client background
    {"text", &Palette::text},                            // static text, on face
    {"edit", &Palette::edit},                            // edit box interior
    {"edit.text", &Palette::editText},                   // on edit
    {"edit.border", &Palette::editBorder},               // edit box frame
    {"button", &Palette::button},                        // push button face
    {"button.hot", &Palette::buttonHot},                 // ... under the pointer
    {"button.pressed", &Palette::buttonPressed},         // ... held down
    {"button.text", &Palette::buttonText},               // on all three button faces
    {"button.border", &Palette::buttonBorder},           // push button outline
    {"focus", &Palette::focus},                          // focus ring of the button
    {"list", &Palette::list},                            // list view background and rows
    {"list.text", &Palette::listText},                   // on list
    {"list.select", &Palette::listSelect},               // selected row
    {"list.select.text", &Palette::listSelectText},      // on list.select
    {"list.grid", &Palette::listGrid},                   // grid lines and check box outline
    {"header", &Palette::header},                        // list header
    {"header.text", &Palette::headerText},               // on header
    {"header.line", &Palette::headerLine},               // header separators and bottom line
    {"menu", &Palette::menu},                            // popup menu background
    {"menu.text", &Palette::menuText},                   // on menu
    {"menu.select", &Palette::menuSelect},               // highlighted menu item
    {"menu.select.text", &Palette::menuSelectText},      // on menu.select
};
constexpr std::size_t fieldCount = sizeof fields / sizeof fields[0];
using Seen = std::bitset<fieldCount>;

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool readColor(std::string_view v, Rgb& out) {
  if (v.size() != 7 || v[0] != '#') return false;
  Rgb value = 0;
  for (char c : v.substr(1)) {
    const int d = hexDigit(c);
    if (d < 0) return false;
    value = value << 4 | static_cast<Rgb>(d);
  }
  out = value;
  return true;
}

bool readNumber(std::string_view v, int max, int& out) {
  if (v.empty() || v.size() > 3) return false;
  int value = 0;
  for (char c : v) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > max) return false;
  out = value;
  return true;
}

bool readName(std::string_view v, std::string& out) {
  if (v.empty() || v.size() > 40) return false;
  for (char c : v)
    if (c < ' ' || c > '~') return false;
  out.assign(v);
  return true;
}

bool readLine(std::string_view line, Skin& skin, Seen& seen) {
  line = trim(line);
  if (line.empty() || line.front() == '#') return true;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  const std::string_view key = trim(line.substr(0, eq));
  const std::string_view value = trim(line.substr(eq + 1));
  for (std::size_t i = 0; i < fieldCount; ++i) {
    if (key != fields[i].key) continue;
    if (seen[i]) return false;
    seen[i] = true;
    if (fields[i].color) return readColor(value, skin.colors.*fields[i].color);
    if (key == "name") return readName(value, skin.name);
    if (key == "gloss") return readNumber(value, 100, skin.gloss);
    return readNumber(value, 8, skin.radius);
  }
  return false;
}

// Reads every line into a copy, so a fault anywhere leaves `skin` as it was.
SkinError readLines(std::string_view text, std::string_view separators, Skin& skin, Seen& seen) {
  if (text.find('\0') != std::string_view::npos) return SkinError::BadContent;
  Skin work = skin;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of(separators);
    if (!readLine(text.substr(0, end), work, seen)) return SkinError::BadContent;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  skin = std::move(work);
  return SkinError::None;
}

std::uint32_t le32(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

void* lzmaAlloc(void*, size_t size) { return std::malloc(size); }
void lzmaFree(void*, void* address) { std::free(address); }

double channelLuminance(Rgb c, int shift) {
  const double v = static_cast<double>((c >> shift) & 0xFF) / 255.0;
  return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c) {
  return 0.2126 * channelLuminance(c, 16) + 0.7152 * channelLuminance(c, 8) +
         0.0722 * channelLuminance(c, 0);
}

}  // namespace

const char* describe(SkinError error) {
  switch (error) {
    case SkinError::None: return "ok";
    case SkinError::NullBlob: return "null blob";
    case SkinError::BadLength: return "bad blob length";
    case SkinError::BadMagic: return "bad magic";
    case SkinError::BadVersion: return "bad version";
    case SkinError::BadProperties: return "bad LZMA properties";
    case SkinError::BadUnpackedLength: return "bad unpacked length";
    case SkinError::DecodeFailed: return "LZMA stream does not decode";
    case SkinError::LengthMismatch: return "unpacked length differs from the header";
    case SkinError::BadContent: return "bad skin text";
  }
  return "?";
}

SkinError unpackSkin(const unsigned char* blob, long long length, std::string& text) {
  static const unsigned char magic[6] = {'.', 'S', 'H', 'E', 0x00, 0x03};
  if (!blob) return SkinError::NullBlob;
  if (length < static_cast<long long>(headerSize)) return SkinError::BadLength;
  if (std::memcmp(blob, magic, 4) != 0) return SkinError::BadMagic;
  if (std::memcmp(blob + 4, magic + 4, 2) != 0) return SkinError::BadVersion;
  if (blob[10] != 0x5D || le32(blob + 11) != dictionarySize) return SkinError::BadProperties;
  const std::uint32_t unpacked = le32(blob + 6);
  if (unpacked == 0 || unpacked > maxUnpackedLength) return SkinError::BadUnpackedLength;

  std::string out(unpacked, '\0');
  SizeT outLength = unpacked;
  SizeT inLength = static_cast<SizeT>(length - static_cast<long long>(headerSize));
  const SizeT inAvailable = inLength;
  ELzmaStatus status = LZMA_STATUS_NOT_SPECIFIED;
  ISzAlloc alloc = {lzmaAlloc, lzmaFree};
  // The output buffer is the whole dictionary, so nothing near 8 MiB is allocated.
  const SRes res = LzmaDecode(reinterpret_cast<Byte*>(out.data()), &outLength, blob + headerSize,
                              &inLength, blob + 10, 5, LZMA_FINISH_END, &status, &alloc);
  const bool finished = status == LZMA_STATUS_FINISHED_WITH_MARK ||
                        status == LZMA_STATUS_MAYBE_FINISHED_WITHOUT_MARK;
  if (res != SZ_OK || !finished) return SkinError::DecodeFailed;
  if (outLength != unpacked) return SkinError::LengthMismatch;
  if (inLength != inAvailable) return SkinError::DecodeFailed;  // bytes after the stream
  text = std::move(out);
  return SkinError::None;
}

SkinError parseSkinText(std::string_view text, Skin& skin) {
  Seen seen;
  Skin work;
  if (readLines(text, "\n", work, seen) != SkinError::None || !seen.all())
    return SkinError::BadContent;
  skin = std::move(work);
  return SkinError::None;
}

SkinError applyOverrides(std::string_view text, Skin& skin) {
  Seen seen;
  return readLines(text, "\n;", skin, seen);
}

SkinError loadSkin(const unsigned char* blob, long long length, Skin& skin) {
  std::string text;
  if (const SkinError e = unpackSkin(blob, length, text); e != SkinError::None) return e;
  return parseSkinText(text, skin);
}

Rgb mixRgb(Rgb a, Rgb b, int percent) {
  Rgb out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int x = static_cast<int>(a >> shift & 0xFF), y = static_cast<int>(b >> shift & 0xFF);
    out |= static_cast<Rgb>((x * (100 - percent) + y * percent + 50) / 100) << shift;
  }
  return out;
}

double contrastRatio(Rgb a, Rgb b) {
  const double la = luminance(a), lb = luminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

}  // namespace skin
