// libFuzzer target over the skin header, LZMA stream and skin text (scripts/fuzz-skin).
#include <cstdlib>
#include <cstdio>

#include "tests/fuzz/skin_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = checkSkinInput(data, size);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
