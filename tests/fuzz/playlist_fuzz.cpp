// libFuzzer target for the playlist extraction; built by scripts/fuzz-playlist.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/playlist_extraction_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string fault = checkPlaylistExtraction(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
