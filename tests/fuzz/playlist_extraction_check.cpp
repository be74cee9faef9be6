#include "tests/fuzz/playlist_extraction_check.h"

#include <exception>

#include "playlist/playlist_query.h"

namespace {

bool sameMatches(const std::vector<boost::smatch>& a, const std::vector<boost::smatch>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i][0].first != b[i][0].first || a[i][0].second != b[i][0].second ||
            a[i][1].first != b[i][1].first || a[i][1].second != b[i][1].second) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string checkPlaylistExtraction(const std::uint8_t* data, std::size_t size)
{
    const std::string text = bytesToText(Bytes(data, data + size));
    const std::vector<PlaylistEntry> entries = extractPlaylistEntries(text);
    for (const char* source : {songNamePattern, singerNamePattern, songUrlPattern}) {
        const boost::regex pattern(source, boost::regex::perl);
        const auto guarded = findAllMatches(pattern, text);
        std::vector<boost::smatch> plain;
        try {
            plain = findAllMatchesUnguarded(pattern, text);
        } catch (const std::exception&) {
            continue;  // the bare loop gave up: nothing to compare against
        }
        if (!sameMatches(guarded, plain)) return std::string("matches differ for ") + source;
        if (source == songNamePattern && entries.size() != plain.size()) {
            return "one row per name match expected";
        }
    }
    return {};
}
