#include <gtest/gtest.h>
#include "playlist/playlist_query.h"
TEST(Smoke, HostConstants) { EXPECT_STREQ(playlistToken, "514926140"); }
