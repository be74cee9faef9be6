// The playlist query on the host: URL, bytes to text, extraction and the query over a song list.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "playlist/playlist_query.h"
#include "tests/host/playlist_recording_list.h"

namespace {

std::string record(const std::string& name, const std::string& singer, const std::string& url)
{
    return "{xsong_id:'7',xsong_name:'" + name + "',xsinger_id:'9',xsinger_name:'" + singer +
           "',xsong_url:'" + url + "',xsong_dissid:'0',xsong_type:'3'},";
}

std::string twelveRecords()
{
    std::string reply = "jsonCallback({songlist:[";
    for (int k = 1; k <= 12; ++k) {
        reply += record("n" + std::to_string(k), "s", "u" + std::to_string(k));
    }
    return reply;
}

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

struct ExtractionCase {
    const char* name;
    std::string reply;
    std::vector<std::pair<std::string, std::string>> rows;  // title, url; positions count from 1
};

const std::vector<ExtractionCase>& extractionCases()
{
    static const std::vector<ExtractionCase> cases = {
        {"GBK names, two records",
         record("\xC7\xE0\xBB\xA8\xB4\xC9", "\xD6\xDC\xBD\xDC\xC2\xD7", "http://s.example/1.m4a") +
             record("B", "C", "http://s.example/2.m4a"),
         {{"\xC7\xE0\xBB\xA8\xB4\xC9 - \xD6\xDC\xBD\xDC\xC2\xD7", "http://s.example/1.m4a"},
          {"B - C", "http://s.example/2.m4a"}}},
        {"value spanning lines",
         record("one\r\ntwo", "s\n", "u\nv"),
         {{"one\r\ntwo - s\n", "u\nv"}}},
        {"empty values", record("", "", ""), {{" - ", ""}}},
        {"other quote characters",
         "xsong_name:\"N\",xsinger_id xsinger_name:`S`,xsong_url",
         {{"N - S", ""}}},
        {"more singers and URLs than names",
         "xsong_name:'N',xsinger_id xsinger_name:'S1',xsong_url xsinger_name:'S2',xsong_url "
         "xsong_url:'U1',xsong_dissid xsong_url:'U2',xsong_dissid",
         {{"N - S1", "U1"}}},
        {"singer and URL lists run out",
         record("A", "S", "U") + "xsong_name:'B',xsinger_id",
         {{"A - S", "U"}, {"B - ", ""}}},
        {"zero byte ends the text",
         record("A", "S", "U") + std::string(1, '\0') + record("B", "S", "U"),
         {{"A - S", "U"}}},
        {"capital-letter keys", "XSONG_NAME:'A',XSINGER_ID XSINGER_NAME:'S',XSONG_URL", {}},
        {"truncated last record",
         record("A", "S", "U") + "{xsong_id:'8',xsong_name:'Cut off",
         {{"A - S", "U"}}},
        {"names are the shortest run",
         "xsong_name:'a',xsinger_id:'1',xsong_name:'b',xsinger_id",
         {{"a - ", ""}, {"b - ", ""}}},
        {"error page", "<html><body>502 Bad Gateway</body></html>", {}},
        {"no bytes", "", {}},
    };
    return cases;
}

TEST(PlaylistExtraction, TableOfReplies)
{
    for (const ExtractionCase& c : extractionCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<PlaylistEntry> entries =
            extractPlaylistEntries(bytesToText(bytesOf(c.reply)));
        ASSERT_EQ(entries.size(), c.rows.size());
        for (std::size_t k = 0; k < entries.size(); ++k) {
            EXPECT_EQ(entries[k].positionText, std::to_string(k + 1));
            EXPECT_EQ(entries[k].title, c.rows[k].first);
            EXPECT_EQ(entries[k].url, c.rows[k].second);
        }
    }
}

TEST(PlaylistExtraction, NumbersPastNineWithoutLeadingZeros)
{
    const std::vector<PlaylistEntry> entries = extractPlaylistEntries(twelveRecords());
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[8].positionText, "9");
    EXPECT_EQ(entries[9].positionText, "10");
    EXPECT_EQ(entries[11].positionText, "12");
    EXPECT_EQ(entries[11].title, "n12 - s");
    EXPECT_EQ(entries[11].url, "u12");
}

TEST(PlaylistUrl, AccountGoesInUnchanged)
{
    const std::string base = "http://qzone-music.qq.com/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=";
    for (const std::string account : {"10001", "", " 1 2a#x&y"}) {
        SCOPED_TRACE(account);
        EXPECT_EQ(buildPlaylistUrl(account), base + account + "&g_tk=514926140");
    }
}

TEST(PlaylistBytesToText, StopsAtTheFirstZeroByte)
{
    const struct {
        Bytes bytes;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{'a', 'b'}, "ab"},
        {{0, 'a'}, ""},
        {{'a', 0, 'b', 0}, "a"},
        {{0xB8, 0xE8, 0xFF}, "\xB8\xE8\xFF"},
    };
    for (const auto& c : cases) EXPECT_EQ(bytesToText(c.bytes), c.text);
}

TEST(PlaylistQuery, ReplacesTheRowsWithWhatTheReplyGives)
{
    RecordingSongList list;
    std::vector<std::string> fetched;
    Bytes reply = bytesOf(record("A", "S", "U1") + record("B", "T", "U2"));
    const FetchFunction fetch = [&](const std::string& url) {
        fetched.push_back(url);
        return reply;
    };
    list.rows = {{"old", "row", ""}};
    runPlaylistQuery("10001", list, fetch);
    const std::vector<std::vector<std::string>> expected = {{"1", "A - S", "U1"},
                                                            {"2", "B - T", "U2"}};
    EXPECT_EQ(list.rows, expected);
    EXPECT_EQ(fetched, std::vector<std::string>{buildPlaylistUrl("10001")});
    const std::vector<std::string> calls = {"removeAllRows", "appendRow", "setCellText 1",
                                            "setCellText 2", "appendRow", "setCellText 1",
                                            "setCellText 2"};
    EXPECT_EQ(list.calls, calls);

    // Run again, same rows numbered from 1; then a failed fetch leaves the list empty.
    runPlaylistQuery("10001", list, fetch);
    EXPECT_EQ(list.rows, expected);
    reply.clear();
    runPlaylistQuery("10001", list, fetch);
    EXPECT_TRUE(list.rows.empty());
}

// Replies of random keys, quotes, separators, line breaks, zero and high bytes: the guarded
// search finds exactly what the bare loop finds.
TEST(PlaylistFindAllMatches, GuardChangesNoResult)
{
    const char* pieces[] = {"xsong_name:",
                            ",xsinger_id",
                            "xsinger_name:",
                            ",xsong_url",
                            "xsong_url:'",
                            "',xsong_dissid",
                            "'",
                            "\"",
                            ",",
                            "\n",
                            "\r\n",
                            "\xB8\xE8",
                            "\xFF",
                            "a",
                            "xsong_",
                            "XSONG_NAME:",
                            ":"};
    std::mt19937 random(20261211);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            const auto pick = random() % (std::size(pieces) + 1);
            text += pick == std::size(pieces) ? std::string(1, '\0') : std::string(pieces[pick]);
        }
        for (const char* source : {songNamePattern, singerNamePattern, songUrlPattern}) {
            const boost::regex pattern(source, boost::regex::perl);
            const auto guarded = findAllMatches(pattern, text);
            const auto plain = findAllMatchesUnguarded(pattern, text);
            ASSERT_EQ(guarded.size(), plain.size()) << text;
            for (std::size_t i = 0; i < plain.size(); ++i) {
                ASSERT_EQ(guarded[i].position(), plain[i].position()) << text;
                ASSERT_EQ(guarded[i].length(), plain[i].length()) << text;
                ASSERT_EQ(guarded[i].str(1), plain[i].str(1)) << text;
            }
            compared += static_cast<int>(plain.size());
        }
    }
    EXPECT_GT(compared, 1000);  // the generator does produce matches
}

TEST(PlaylistFindAllMatches, HostileReplyGivesItsMatchesAndNoSearchPastTheLastClose)
{
    // Opening keys by the hundred thousand and no closing literal: the bare loop would take
    // quadratic time here before the engine gives up.
    std::string hostile;
    for (int i = 0; i < 200000; ++i) hostile += "xsong_name:'x' ";
    EXPECT_TRUE(extractPlaylistEntries(hostile).empty());
    hostile += "',xsinger_id";
    const boost::regex pattern(songNamePattern, boost::regex::perl);
    const auto matches = findAllMatches(pattern, hostile);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].position(), 0);
    EXPECT_EQ(matches[0].length(), static_cast<std::ptrdiff_t>(hostile.size()));
}

TEST(PlaylistFindAllMatches, EngineGivingUpKeepsTheEarlierMatches)
{
    // An alternation defeats the guard, so the engine meets the quadratic search and gives up
    // after the first match.
    const boost::regex pattern("k(.*?)(;|!)", boost::regex::perl);
    const std::string text = "ka; " + std::string(20000, 'k');
    EXPECT_ANY_THROW(findAllMatchesUnguarded(pattern, text));
    const auto matches = findAllMatches(pattern, text);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].str(1), "a");
}

#ifndef _WIN32
// The table once more through the extract-playlist tool, as bytes on standard input and a file.
TEST(ExtractPlaylistTool, PrintsTheRowsOfTheTable)
{
    const std::string tool = KORVALD_BINARY_DIR "/tools/extract-playlist";
    const std::string path = ::testing::TempDir() + "playlist-reply";
    for (const ExtractionCase& c : extractionCases()) {
        SCOPED_TRACE(c.name);
        std::string expected;
        for (std::size_t k = 0; k < c.rows.size(); ++k) {
            expected +=
                std::to_string(k + 1) + '\t' + c.rows[k].first + '\t' + c.rows[k].second + '\n';
        }
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(c.reply.data(), 1, c.reply.size(), file);
        std::fclose(file);
        std::FILE* out = popen((tool + " '" + path + "'").c_str(), "r");
        ASSERT_NE(out, nullptr);
        std::string printed;
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, out)) > 0;)
            printed.append(chunk, got);
        EXPECT_EQ(pclose(out), 0);
        EXPECT_EQ(printed, expected);
    }
    EXPECT_EQ(WEXITSTATUS(std::system((tool + " /nonexistent/reply 2>/dev/null").c_str())), 2);
}
#endif

}  // namespace
