// What SkinH_AttachRes spends before it touches a window: header checks, LZMA decoding and the
// skin text, for a built-in skin and for a blob at the 4 MiB cap.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "skin-engine/skin_format.h"

namespace {

std::vector<unsigned char> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void loadBlob(benchmark::State& state, const std::string& path) {
  const std::vector<unsigned char> blob = readBytes(path);
  std::string text;
  skin::unpackSkin(blob.data(), static_cast<long long>(blob.size()), text);
  for (auto _ : state) {
    skin::Skin s;
    benchmark::DoNotOptimize(skin::loadSkin(blob.data(), static_cast<long long>(blob.size()), s));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_LoadBuiltInSkin(benchmark::State& state) { loadBlob(state, KORVALD_BINARY_DIR "/skins/1.she"); }
void BM_LoadBlobAtSizeCap(benchmark::State& state) {
  loadBlob(state, KORVALD_SOURCE_DIR "/tests/host/skin_fixtures/at-size-cap.she");
}

}  // namespace

BENCHMARK(BM_LoadBuiltInSkin);
BENCHMARK(BM_LoadBlobAtSizeCap)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
