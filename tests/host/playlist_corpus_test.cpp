// The fuzzer's seed corpus, replayed: every file passes the fuzz target's checks.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tests/fuzz/playlist_extraction_check.h"

TEST(PlaylistFuzzCorpus, EverySeedPasses)
{
    int seeds = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(KORVALD_SOURCE_DIR "/tests/fuzz/corpus")) {
        SCOPED_TRACE(file.path().string());
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        EXPECT_EQ(checkPlaylistExtraction(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                          bytes.size()),
                  "");
        ++seeds;
    }
    EXPECT_GT(seeds, 0);
}
