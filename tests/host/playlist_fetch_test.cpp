// The portable half of the fetch: URL splitting and read-buffer sizing.
#include <gtest/gtest.h>

#include "playlist/fetch.h"

namespace {

TEST(PlaylistFetchUrl, SplitsHostPortAndTarget)
{
    const struct {
        const char* url;
        bool valid;
        const char* host;
        unsigned short port;
        const char* target;
    } cases[] = {
        {"http://qzone-music.qq.com/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=1&g_tk=514926140", true,
         "qzone-music.qq.com", 80, "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=1&g_tk=514926140"},
        {"http://h/p?uin=1#2&g_tk=5", true, "h", 80, "/p?uin=1"},
        {"HTTP://h:8080", true, "h", 8080, "/"},
        {"http://h?q=1", true, "h", 80, "/?q=1"},
        {"http://h/a b\xB8\xE8", true, "h", 80, "/a b\xB8\xE8"},
        {"http://h/#", true, "h", 80, "/"},
        {"", false, "", 0, ""},
        {"https://h/", false, "", 0, ""},
        {"http:///p", false, "", 0, ""},
        {"http://:80/p", false, "", 0, ""},
        {"http://h:/p", false, "", 0, ""},
        {"http://h:0/p", false, "", 0, ""},
        {"http://h:65536/p", false, "", 0, ""},
        {"http://h:8o/p", false, "", 0, ""},
        {"http://user:pw@h/p", false, "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        const auto split = splitHttpUrl(c.url);
        ASSERT_EQ(split.has_value(), c.valid);
        if (!split) continue;
        EXPECT_EQ(split->host, c.host);
        EXPECT_EQ(split->port, c.port);
        EXPECT_EQ(split->target, c.target);
    }
}

TEST(PlaylistFetchBuffer, SizedFromContentLength)
{
    const struct {
        std::optional<std::string> contentLength;
        unsigned long size;
    } cases[] = {
        {std::nullopt, 10240},
        {"", 10240},
        {"0", 10240},
        {"-5", 10240},
        {"12x", 10240},
        {"0x10", 10240},
        {"1", 2},
        {" 500 ", 501},
        {"102398", 102399},
        {"102399", 102400},
        {"102400", 102400},
        {"99999999999999999999999", 102400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contentLength.value_or("(missing)"));
        EXPECT_EQ(readBufferSize(c.contentLength), c.size);
    }
}

}  // namespace
