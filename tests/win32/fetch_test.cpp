// fetchUrlBytes against the scripted test server (tests/fixtures/playlist_test_server.py), and
// the whole query through a proxy. Run by tests/fixtures/with-playlist-server.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "playlist/fetch_win.h"
#include "tests/host/playlist_recording_list.h"

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string serverUrl(const std::string& target)
{
    return "http://127.0.0.1:" + environment("KORVALD_TEST_PORT") + target;
}

std::string fetchText(const std::string& url, unsigned long timeout = fetchTimeoutMilliseconds)
{
    const Bytes bytes = fetchUrlBytes(url, timeout);
    return std::string(bytes.begin(), bytes.end());
}

std::string partialBody()
{
    std::string body(25000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) body[i] = "0123456789abcdef"[i % 16];
    return body;
}

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (environment("KORVALD_TEST_PORT").empty()) GTEST_SKIP() << "needs with-playlist-server";
    }
};

using FetchTest = ServerTest;
using QueryThroughProxyTest = ServerTest;

TEST_F(FetchTest, BodiesArriveWhole)
{
    std::string big(5 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 251);
    std::string repeated;
    for (int i = 0; i < 100; ++i) repeated += "a body without a length";
    const struct {
        const char* name;
        const char* target;
        std::string body;
    } cases[] = {
        {"no Content-Length", "/no-length", repeated},
        {"Content-Length longer than the body", "/long-length", "0123456789"},
        {"Content-Length not a number", "/bad-length", "0123456789"},
        {"zero byte in the body", "/zero-byte", std::string("before\0after", 12)},
        {"error page is the reply", "/nowhere", "<html>not here</html>"},
        {"redirect loop stopped by the server", "/loop/0", "loop ended"},
        {"5 MB body", "/big", big},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string body = fetchText(serverUrl(c.target));
        EXPECT_EQ(body.size(), c.body.size());
        EXPECT_TRUE(body == c.body);
    }
    // Content-Length 5 on a 10-byte body: Windows stops at the length, Wine reads to the close.
    const std::string body = fetchText(serverUrl("/short-length"));
    EXPECT_GE(body.size(), 5u);
    EXPECT_EQ(body, std::string("0123456789").substr(0, body.size()));
}

TEST_F(FetchTest, SendsOneBareHttp10Get)
{
    const std::string head = fetchText(serverUrl("/echo?json=1&uin=10001&g_tk=514926140#part"));
    EXPECT_EQ(head.substr(0, head.find("\r\n")),
              "GET /echo?json=1&uin=10001&g_tk=514926140 HTTP/1.0");
    EXPECT_NE(head.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"),
              std::string::npos);
    const auto accept = head.find("\r\nAccept:");
    EXPECT_EQ(head.substr(accept, 15), "\r\nAccept: */*\r\n");
    EXPECT_EQ(head.find("\r\nAccept:", accept + 1), std::string::npos);
    EXPECT_NE(head.find("\r\nPragma: no-cache\r\n"), std::string::npos);  // past any proxy cache
    for (const char* absent : {"\r\nCookie:", "\r\nAuthorization:", "\r\nReferer:"}) {
        EXPECT_EQ(head.find(absent), std::string::npos) << absent;
    }
}

TEST_F(FetchTest, BlanksAndHighBytesKeepTheRequestLineWhole)
{
    // An account is sent as typed; whatever the client makes of a blank or a GBK byte, the
    // request line must still be one method, one target and one version.
    const std::string head = fetchText(serverUrl("/echo?uin=1 2\xB8\xE8&g_tk=514926140"));
    const std::string line = head.substr(0, head.find("\r\n"));
    EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 2) << line;
    EXPECT_EQ(line.rfind("GET /echo?uin=1", 0), 0u) << line;
    EXPECT_EQ(line.substr(line.size() - 24), "&g_tk=514926140 HTTP/1.0") << line;
}

TEST_F(FetchTest, FollowsRedirects)
{
    std::string head = fetchText(serverUrl("/redirect-same"));
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /echo?redirected HTTP/1.0");
    head = fetchText(serverUrl("/redirect-other"));
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /echo HTTP/1.0");
    EXPECT_NE(head.find("\r\nHost: localhost:" + environment("KORVALD_TEST_PORT") + "\r\n"),
              std::string::npos)
        << head;
}

TEST_F(FetchTest, BrokenTransferKeepsTheEarlierReads)
{
    // 25,000 bytes without a length are read 10,240 at a time; the transfer then breaks, and
    // the failing read's own count is not trusted.
    const std::string sent = partialBody();
    for (const char* target : {"/reset", "/stall"}) {
        SCOPED_TRACE(target);
        const DWORD start = GetTickCount();
        const std::string body = fetchText(serverUrl(target), 2000);
        EXPECT_LT(GetTickCount() - start, 30000u);  // the stalled server holds for two minutes
        EXPECT_GE(body.size(), 20480u);
        EXPECT_EQ(body, sent.substr(0, body.size()));
    }
}

TEST_F(FetchTest, FailuresGiveNoBytes)
{
    const struct {
        const char* name;
        std::string url;
    } cases[] = {
        {"empty URL", ""},
        {"other scheme", "ftp://127.0.0.1/"},
        {"no host", "http:///echo"},
        {"bad port", "http://127.0.0.1:99999/echo"},
        {"closed port", "http://127.0.0.1:" + environment("KORVALD_CLOSED_PORT") + "/echo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DWORD start = GetTickCount();
        EXPECT_TRUE(fetchUrlBytes(c.url).empty());
        // A refused connection fails at once, not after the time-out.
        EXPECT_LT(GetTickCount() - start, fetchTimeoutMilliseconds / 2);
    }
}

TEST_F(FetchTest, ServerThatNeverAnswersTimesOut)
{
    // The server holds the connection silent for two minutes; the 2 s time-out must end it.
    const DWORD start = GetTickCount();
    EXPECT_TRUE(fetchUrlBytes(serverUrl("/silent"), 2000).empty());
    EXPECT_LT(GetTickCount() - start, 30000u);
}

TEST_F(QueryThroughProxyTest, FillsTheSongList)
{
    if (environment("http_proxy").empty()) GTEST_SKIP() << "needs with-playlist-server --proxy";
    RecordingSongList list;
    list.rows = {{"old", "row", ""}};
    runPlaylistQuery("10001", list, [](const std::string& url) { return fetchUrlBytes(url); });
    const std::vector<std::vector<std::string>> expected = {
        {"1", "\xC7\xE0\xBB\xA8\xB4\xC9 - \xD6\xDC\xBD\xDC\xC2\xD7",
         "http://stream.qqmusic.example/C100003aBc.m4a"},
        {"2", "\xBA\xF3\xC0\xB4 - \xC1\xF5\xC8\xF4\xD3\xA2",
         "http://stream.qqmusic.example/C100001xYz.m4a"},
        {"3", "\xCD\xAF\xBB\xB0 - \xB9\xE2\xC1\xBC",
         "http://stream.qqmusic.example/C100002Qwe.m4a"},
        // Through a proxy, WinINet writes the port into the absolute target.
        {"4", "request - target",
         "http://qzone-music.qq.com:80/fcg-bin/"
         "cgi_playlist_xml.fcg?json=1&uin=10001&g_tk=514926140"},
    };
    EXPECT_EQ(list.rows, expected);
}

}  // namespace
