#include "tests/fuzz/skin_check.h"

#include <string_view>

#include "skin-engine/skin_format.h"

std::string checkSkinInput(const std::uint8_t* data, std::size_t size) {
  skin::Skin result;
  result.name = "untouched";
  const skin::SkinError error = skin::loadSkin(data, static_cast<long long>(size), result);
  if (error != skin::SkinError::None) {
    if (result.name != "untouched") return "a refused blob changed the result";
  } else {
    std::string text;
    if (skin::unpackSkin(data, static_cast<long long>(size), text) != skin::SkinError::None)
      return "loads but does not unpack";
    const std::uint32_t stated = data[6] | data[7] << 8 | data[8] << 16 | static_cast<std::uint32_t>(data[9]) << 24;
    if (text.size() != stated) return "unpacked length differs from the header";
    if (result.name.empty() || result.gloss > 100 || result.radius > 8) return "accepted an invalid skin";
  }
  // The same bytes as an options text: all or nothing.
  const skin::Skin before = result;
  const std::string_view options(reinterpret_cast<const char*>(data), size);
  if (skin::applyOverrides(options, result) != skin::SkinError::None &&
      (result.name != before.name || result.colors.caption != before.colors.caption))
    return "refused overrides changed the skin";
  return "";
}
