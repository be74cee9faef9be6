// The skin blob and skin text: every way a blob can be wrong is refused without touching the
// result; the 33 built-in skins decode to their sources and are distinct and readable.
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin-engine/skin_format.h"

namespace {

using skin::SkinError;
using Bytes = std::vector<unsigned char>;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes readBytes(const std::string& path) {
  const std::string s = readFile(path);
  return Bytes(s.begin(), s.end());
}

std::string blobPath(int number) {
  return KORVALD_BINARY_DIR "/skins/" + std::to_string(number) + ".she";
}

std::vector<std::string> skinSources() {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(KORVALD_SOURCE_DIR "/resources/skins"))
    if (entry.path().extension() == ".skin") paths.push_back(entry.path().string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

void putLe32(Bytes& b, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}
std::uint32_t le32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

const std::string firstSource = KORVALD_SOURCE_DIR "/resources/skins/01-harbour.skin";

}  // namespace

TEST(SkinBlob, RefusesEveryMalformedBlobAndLeavesTheResultAlone) {
  struct Case {
    const char* name;
    void (*mutate)(Bytes&);
    long long length;  // -2: the mutated blob's own length
    SkinError expected;
  };
  const Case cases[] = {
      {"empty", nullptr, 0, SkinError::BadLength},
      {"negative length", nullptr, -1, SkinError::BadLength},
      {"shorter than the header", nullptr, 14, SkinError::BadLength},
      {"wrong magic", [](Bytes& b) { b[1] = 'X'; }, -2, SkinError::BadMagic},
      {"wrong version, first byte", [](Bytes& b) { b[4] = 1; }, -2, SkinError::BadVersion},
      {"wrong version, second byte", [](Bytes& b) { b[5] = 2; }, -2, SkinError::BadVersion},
      {"wrong lc/lp/pb", [](Bytes& b) { b[10] = 0x5E; }, -2, SkinError::BadProperties},
      {"4 MiB dictionary", [](Bytes& b) { putLe32(b, 11, 4u << 20); }, -2, SkinError::BadProperties},
      {"unpacked length 0", [](Bytes& b) { putLe32(b, 6, 0); }, -2, SkinError::BadUnpackedLength},
      {"unpacked length over 4 MiB", [](Bytes& b) { putLe32(b, 6, (4u << 20) + 1); }, -2, SkinError::BadUnpackedLength},
      {"unpacked length over 2 GiB", [](Bytes& b) { putLe32(b, 6, 0x80000000u); }, -2, SkinError::BadUnpackedLength},
      {"stream ends before the stated length", [](Bytes& b) { putLe32(b, 6, le32(b, 6) + 1); }, -2, SkinError::LengthMismatch},
      {"stream goes on past the stated length", [](Bytes& b) { putLe32(b, 6, le32(b, 6) - 1); }, -2, SkinError::DecodeFailed},
      {"truncated stream", [](Bytes& b) { b.resize(b.size() - 8); }, -2, SkinError::DecodeFailed},
      {"bytes after the stream", [](Bytes& b) { b.push_back(0); }, -2, SkinError::DecodeFailed},
      {"corrupt stream", [](Bytes& b) { b[40] ^= 0x5A; }, -2, SkinError::DecodeFailed},
      {"stated length beyond the buffer", nullptr, 1 << 20, SkinError::DecodeFailed},
  };
  const Bytes good = readBytes(blobPath(1));
  ASSERT_GT(good.size(), 48u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes blob = good;
    if (c.mutate) c.mutate(blob);
    // "Beyond the buffer" reads only what it is told is there: a copy with no slack.
    if (c.length == (1 << 20)) blob.resize(1 << 20);
    const long long length = c.length == -2 ? static_cast<long long>(blob.size()) : c.length;
    skin::Skin result;
    result.name = "untouched";
    EXPECT_EQ(skin::loadSkin(blob.data(), length, result), c.expected) << skin::describe(c.expected);
    EXPECT_EQ(result.name, "untouched");
  }
  skin::Skin result;
  EXPECT_EQ(skin::loadSkin(nullptr, 100, result), SkinError::NullBlob);
}

TEST(SkinBlob, FixturesAtTheEdges) {
  const struct {
    const char* file;
    SkinError expected;
  } cases[] = {
      {"at-size-cap.she", SkinError::None},  // exactly 4 MiB unpacked
      {"unknown-key.she", SkinError::BadContent},
      {"missing-key.she", SkinError::BadContent},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Bytes blob = readBytes(std::string(KORVALD_SOURCE_DIR "/tests/host/skin_fixtures/") + c.file);
    ASSERT_FALSE(blob.empty());
    skin::Skin result;
    EXPECT_EQ(skin::loadSkin(blob.data(), static_cast<long long>(blob.size()), result), c.expected);
  }
}

TEST(SkinText, RefusesMalformedLines) {
  const struct {
    const char* name;
    std::string from, to;
  } cases[] = {
      {"colour without #", "caption               = #1F4E79", "caption = 1F4E79"},
      {"short colour", "caption               = #1F4E79", "caption = #1F4E7"},
      {"long colour", "caption               = #1F4E79", "caption = #1F4E790"},
      {"non-hex colour", "caption               = #1F4E79", "caption = #1F4E7G"},
      {"line without =", "caption               = #1F4E79", "caption #1F4E79"},
      {"empty key", "caption               = #1F4E79", "= #1F4E79"},
      {"unknown key", "caption               = #1F4E79", "caption = #1F4E79\nshadow = #000000"},
      {"repeated key", "caption               = #1F4E79", "caption = #1F4E79\ncaption = #1F4E79"},
      {"missing key", "caption               = #1F4E79", ""},
      {"key in another case", "caption               = #1F4E79", "Caption = #1F4E79"},
      {"gloss above 100", "gloss = 24", "gloss = 101"},
      {"negative radius", "radius = 3", "radius = -1"},
      {"radius above 8", "radius = 3", "radius = 9"},
      {"huge number", "gloss = 24", "gloss = 99999999999"},
      {"empty name", "name = Harbour", "name ="},
      {"name over 40 characters", "name = Harbour", "name = " + std::string(41, 'x')},
      {"non-ASCII name", "name = Harbour", "name = Harb\xB8\xE8ur"},
      {"zero byte", "name = Harbour", std::string("name = Har\0bour", 15)},
  };
  const std::string source = readFile(firstSource);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = source;
    const size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, c.from.size(), c.to);
    skin::Skin result;
    result.name = "untouched";
    EXPECT_EQ(skin::parseSkinText(text, result), SkinError::BadContent);
    EXPECT_EQ(result.name, "untouched");
  }
}

TEST(SkinText, ReadsLayoutVariants) {
  const std::string source = readFile(firstSource);
  skin::Skin plain;
  ASSERT_EQ(skin::parseSkinText(source, plain), SkinError::None);
  EXPECT_EQ(plain.name, "Harbour");
  EXPECT_EQ(plain.colors.caption, 0x1F4E79u);
  EXPECT_EQ(plain.gloss, 24);
  EXPECT_EQ(plain.radius, 3);

  std::string crlf;
  for (char ch : source) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  std::string spaced = source;
  spaced.replace(spaced.find("caption               = #1F4E79"), 31, "\t caption=#1f4e79 \t");
  const std::string noFinalNewline = source.substr(0, source.size() - 1);
  for (const std::string& text : {crlf, spaced, noFinalNewline, "\n# note\n\n" + source}) {
    skin::Skin result;
    ASSERT_EQ(skin::parseSkinText(text, result), SkinError::None);
    EXPECT_EQ(result.colors.caption, plain.colors.caption);
    EXPECT_EQ(result.colors.menuSelectText, plain.colors.menuSelectText);
  }
}

TEST(SkinOverrides, ApplyAllOrNothing) {
  skin::Skin base;
  ASSERT_EQ(skin::parseSkinText(readFile(firstSource), base), SkinError::None);
  const struct {
    const char* options;
    SkinError expected;
    skin::Rgb caption, closeHot;
  } cases[] = {
      {"", SkinError::None, 0x1F4E79, 0xC42B1C},
      {"caption = #202020", SkinError::None, 0x202020, 0xC42B1C},
      {"caption = #202020; close.hot = #E81123", SkinError::None, 0x202020, 0xE81123},
      {"caption = #202020\nclose.hot = #E81123;", SkinError::None, 0x202020, 0xE81123},
      {"caption = #202020; close.hot = #E8112", SkinError::BadContent, 0x1F4E79, 0xC42B1C},
      {"caption = #202020; caption = #303030", SkinError::BadContent, 0x1F4E79, 0xC42B1C},
      {"caption = #202020; bogus = 1", SkinError::BadContent, 0x1F4E79, 0xC42B1C},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    skin::Skin result = base;
    EXPECT_EQ(skin::applyOverrides(c.options, result), c.expected);
    EXPECT_EQ(result.colors.caption, c.caption);
    EXPECT_EQ(result.colors.closeHot, c.closeHot);
  }
}

TEST(BuiltInSkins, EachPackedSkinDecodesToItsSource) {
  const std::vector<std::string> sources = skinSources();
  ASSERT_EQ(sources.size(), 33u);
  std::set<Bytes> blobs;
  for (int number = 1; number <= 33; ++number) {
    SCOPED_TRACE(sources[number - 1]);
    const Bytes blob = readBytes(blobPath(number));
    const std::string source = readFile(sources[number - 1]);
    ASSERT_GE(blob.size(), skin::headerSize);
    EXPECT_EQ(le32(blob, 6), source.size());
    std::string text;
    ASSERT_EQ(skin::unpackSkin(blob.data(), static_cast<long long>(blob.size()), text), SkinError::None);
    EXPECT_EQ(text, source);
    blobs.insert(blob);
  }
  EXPECT_EQ(blobs.size(), 33u) << "two skins are alike";
}

namespace {

std::array<double, 3> lab(skin::Rgb c) {
  auto linear = [&](int shift) {
    const double v = static_cast<double>(c >> shift & 0xFF) / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double r = linear(16), g = linear(8), b = linear(0);
  auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
  const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
  const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
  const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

double colourDistance(skin::Rgb a, skin::Rgb b) {
  const auto p = lab(a), q = lab(b);
  return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

}  // namespace

TEST(BuiltInSkins, AreReadableAndDistinctAtAGlance) {
  using P = skin::Palette;
  struct Pair {
    const char* what;
    skin::Rgb P::*text;
    skin::Rgb P::*back;
    int glossOfBack;  // the caption's lighter parts: -1 none, 0 the skin's gloss, else percent
  };
  // Every text colour against every background the engine draws it on.
  const Pair pairs[] = {
      {"caption", &P::captionText, &P::caption, -1},
      {"caption, aero gloss", &P::captionText, &P::caption, 0},
      {"caption, gradient top", &P::captionText, &P::caption, 18},
      {"inactive caption", &P::captionTextInactive, &P::captionInactive, -1},
      {"inactive caption, aero gloss", &P::captionTextInactive, &P::captionInactive, 0},
      {"inactive caption, gradient top", &P::captionTextInactive, &P::captionInactive, 18},
      {"close box, hot", &P::closeGlyph, &P::closeHot, -1},
      {"close box, pressed", &P::closeGlyph, &P::closePressed, -1},
      {"static text", &P::text, &P::face, -1},
      {"edit box", &P::editText, &P::edit, -1},
      {"button", &P::buttonText, &P::button, -1},
      {"button, hot", &P::buttonText, &P::buttonHot, -1},
      {"button, pressed", &P::buttonText, &P::buttonPressed, -1},
      {"list", &P::listText, &P::list, -1},
      {"selected row", &P::listSelectText, &P::listSelect, -1},
      {"header", &P::headerText, &P::header, -1},
      {"menu", &P::menuText, &P::menu, -1},
      {"highlighted menu item", &P::menuSelectText, &P::menuSelect, -1},
  };
  std::vector<skin::Skin> skins;
  for (const std::string& path : skinSources()) {
    SCOPED_TRACE(path);
    skin::Skin s;
    ASSERT_EQ(skin::parseSkinText(readFile(path), s), SkinError::None);
    for (const Pair& p : pairs) {
      SCOPED_TRACE(p.what);
      skin::Rgb back = s.colors.*p.back;
      if (p.glossOfBack >= 0) back = skin::mixRgb(back, 0xFFFFFF, p.glossOfBack ? p.glossOfBack : s.gloss);
      EXPECT_GE(skin::contrastRatio(s.colors.*p.text, back), 4.5);
    }
    skins.push_back(s);
  }
  ASSERT_EQ(skins.size(), 33u);
  std::set<std::string> names;
  for (size_t i = 0; i < skins.size(); ++i) {
    names.insert(skins[i].name);
    for (size_t j = i + 1; j < skins.size(); ++j) {
      SCOPED_TRACE(skins[i].name + " / " + skins[j].name);
      EXPECT_GE(colourDistance(skins[i].colors.caption, skins[j].colors.caption), 12.0);
    }
  }
  EXPECT_EQ(names.size(), 33u);
}

TEST(SkinContrast, KnownRatios) {
  EXPECT_NEAR(skin::contrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
  EXPECT_NEAR(skin::contrastRatio(0x777777, 0xFFFFFF), 4.48, 0.01);
  EXPECT_NEAR(skin::contrastRatio(0x123456, 0x123456), 1.0, 1e-9);
  EXPECT_EQ(skin::mixRgb(0x000000, 0xFFFFFF, 50), 0x808080u);
}
