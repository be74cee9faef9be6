// Extraction speed on typical and hostile replies, against the bare Boost loop and std::regex,
// and the memory peak of the whole query. Prints one table: scripts in the README quote it.
#include <malloc.h>

#include <cstdlib>
#include <new>
#include <regex>
#include <string>

#include <benchmark/benchmark.h>

#include "playlist/playlist_query.h"

// Live and peak heap bytes, for the memory figure of the whole query (one thread only).
namespace {
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;
}  // namespace

void* operator new(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    liveBytes += malloc_usable_size(p);
    if (liveBytes > peakBytes) peakBytes = liveBytes;
    return p;
}
void operator delete(void* p) noexcept
{
    if (!p) return;
    liveBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

std::string typicalReply(std::size_t size)
{
    // Song and singer names in GBK, as the service sends them.
    const char* names[] = {"\xC7\xE0\xBB\xA8\xB4\xC9", "\xBA\xF3\xC0\xB4", "\xCD\xAF\xBB\xB0",
                           "\xD0\xA1\xD0\xD2\xD4\xCB"};
    const char* singers[] = {"\xD6\xDC\xBD\xDC\xC2\xD7", "\xC1\xF5\xC8\xF4\xD3\xA2",
                             "\xB9\xE2\xC1\xBC", "\xCC\xEF\xF0\xA5\xD5\xE7"};
    std::string reply = "jsonCallback({code:0,data:{xuin:'10001',songlist:[";
    for (int k = 0; reply.size() < size; ++k) {
        reply += "{xqqid:'10001',xsong_id:'" + std::to_string(100000 + k) + "',xsong_name:'" +
                 names[k % 4] + "',xsinger_id:'" + std::to_string(4500 + k % 97) +
                 "',xsinger_name:'" + singers[k % 4] +
                 "',xsong_url:'http://stream.qqmusic.example/C400" + std::to_string(k) +
                 ".m4a?fromtag=38',xsong_dissid:'0',xsong_type:'3'},";
    }
    return reply + "]}})";
}

std::string hostileReply(std::size_t size)
{
    std::string reply;
    while (reply.size() < size) reply += "xsong_name:'\xC7\xE0\xBB\xA8' ";
    return reply;
}

std::string replyOfSize(bool hostile, std::int64_t size)
{
    return hostile ? hostileReply(static_cast<std::size_t>(size))
                   : typicalReply(static_cast<std::size_t>(size));
}

// Rows made from the three match lists, paired by position as the query pairs them.
template <typename Match>
std::size_t pairedRows(const std::vector<std::vector<Match>>& lists)
{
    std::vector<PlaylistEntry> entries;
    for (std::size_t k = 0; k < lists[0].size(); ++k) {
        entries.push_back({std::to_string(k + 1),
                           lists[0][k].str(1) + " - " + lists[1].at(k).str(1),
                           lists[2].at(k).str(1)});
    }
    return entries.size();
}

// The bare loop: three successive-search loops, no guard, rows paired as the query pairs them.
std::size_t plainBoostRows(const std::string& text)
{
    std::vector<std::vector<boost::smatch>> lists;
    for (const char* source : {songNamePattern, singerNamePattern, songUrlPattern}) {
        lists.push_back(findAllMatchesUnguarded(boost::regex(source, boost::regex::perl), text));
    }
    return pairedRows(lists);
}

std::size_t stdRegexRows(const std::string& text)
{
    std::vector<std::vector<std::smatch>> lists;
    for (const char* source : {songNamePattern, singerNamePattern, songUrlPattern}) {
        const std::regex pattern(source);
        std::vector<std::smatch> matches;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
             it != std::sregex_iterator(); ++it) {
            matches.push_back(*it);
        }
        lists.push_back(std::move(matches));
    }
    return pairedRows(lists);
}

template <typename Extract>
void runExtraction(benchmark::State& state, bool hostile, Extract extract)
{
    const std::string text = replyOfSize(hostile, state.range(0));
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = extract(text);
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["rows"] = static_cast<double>(rows);
}

void Extraction_Typical(benchmark::State& state)
{
    runExtraction(state, false,
                  [](const std::string& t) { return extractPlaylistEntries(t).size(); });
}
void PlainBoostLoop_Typical(benchmark::State& state)
{
    runExtraction(state, false, plainBoostRows);
}
void StdRegex_Typical(benchmark::State& state)
{
    runExtraction(state, false, stdRegexRows);
}
void Extraction_Hostile(benchmark::State& state)
{
    runExtraction(state, true,
                  [](const std::string& t) { return extractPlaylistEntries(t).size(); });
}

struct NullSongList : SongList {
    void removeAllRows() override {}
    int appendRow(const std::string&) override { return 0; }
    void setCellText(int, int, const std::string&) override {}
};

// The whole query on a reply of the given size: the fetch hands over a fresh copy, as WinINet's
// would be; the peak counts every heap byte the query holds at once, the reply included.
void Query_PeakMemory(benchmark::State& state)
{
    const std::string reply = typicalReply(static_cast<std::size_t>(state.range(0)));
    const Bytes bytes(reply.begin(), reply.end());
    double ratio = 0;
    for (auto _ : state) {
        NullSongList list;
        const std::size_t before = liveBytes;
        peakBytes = before;
        runPlaylistQuery("10001", list, [&](const std::string&) { return bytes; });
        ratio = static_cast<double>(peakBytes - before) / static_cast<double>(reply.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * reply.size()));
    state.counters["peak/reply"] = ratio;
}

constexpr std::int64_t kB = 1 << 10, MB = 1 << 20;
BENCHMARK(Extraction_Typical)
    ->Arg(10 * kB)
    ->Arg(1 * MB)
    ->Arg(10 * MB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PlainBoostLoop_Typical)
    ->Arg(10 * kB)
    ->Arg(1 * MB)
    ->Arg(10 * MB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StdRegex_Typical)->Arg(10 * kB)->Arg(1 * MB)->Arg(10 * MB)->Unit(benchmark::kMillisecond);
BENCHMARK(Extraction_Hostile)->Arg(1 * MB)->Arg(10 * MB)->Unit(benchmark::kMillisecond);
BENCHMARK(Query_PeakMemory)->Arg(10 * MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
