// The main window's start position and the window icon file.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/window_layout.h"

TEST(AppLayout, WindowIsCentredWithIntegerDivisionEvenOnSmallScreens) {
    struct Case {
        int screen, window, origin;
    };
    const Case cases[] = {
        {1024, mainWindowWidth, 238}, {768, mainWindowHeight, 229}, {1025, mainWindowWidth, 238},
        {548, mainWindowWidth, 0},    {500, mainWindowWidth, -24},  {301, mainWindowHeight, -4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(centredOrigin(c.screen, c.window), c.origin);
    }
}

TEST(AppIcon, IsOneThirtyTwoPixelThirtyTwoBitImage) {
    std::ifstream file(KORVALD_SOURCE_DIR "/resources/korvald.ico", std::ios::binary);
    const std::vector<unsigned char> icon{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(icon.size(), 4286u);
    const auto u16 = [&](size_t at) { return icon[at] | icon[at + 1] << 8; };
    const auto u32 = [&](size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
    EXPECT_EQ(u16(0), 0);                  // reserved
    EXPECT_EQ(u16(2), 1);                  // icon, not cursor
    EXPECT_EQ(u16(4), 1);                  // one image
    EXPECT_EQ(icon[6], 32);                // width
    EXPECT_EQ(icon[7], 32);                // height
    EXPECT_EQ(u16(12), 32);                // bits per pixel
    EXPECT_EQ(u32(14), 4286u - 22u);       // image size
    EXPECT_EQ(u32(18), 22u);               // image offset
    EXPECT_EQ(u32(22), 40u);               // BITMAPINFOHEADER
    EXPECT_EQ(u32(26), 32u);               // width
    EXPECT_EQ(u32(30), 64u);               // colour rows and mask rows
    EXPECT_EQ(u16(36), 32);                // bits per pixel
}
