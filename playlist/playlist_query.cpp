#include "playlist/playlist_query.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <iterator>
#include <string_view>

const char playlistHost[] = "qzone-music.qq.com";
const char playlistToken[] = "514926140";

const char songNamePattern[] = "xsong_name:.(.*?).,xsinger_id";
const char singerNamePattern[] = "xsinger_name:.(.*?).,xsong_url";
const char songUrlPattern[] = "xsong_url:'(.*?)',xsong_dissid";

std::string buildPlaylistUrl(const std::string& account)
{
    // The account goes in exactly as typed: the service, not the client, judges it.
    return std::string("http://") + playlistHost +
           "/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=" + account + "&g_tk=" + playlistToken;
}

std::string bytesToText(const Bytes& bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    return std::string(bytes.begin(), end);
}

namespace {

using TextIterator = std::string::const_iterator;

// The literal that ends every match of the pattern, or empty when that cannot be told from its
// source. Only plain case-sensitive Perl patterns qualify: an alternation, an escape or an inline
// modifier anywhere could make a match end otherwise.
std::string closingLiteral(const boost::regex& pattern)
{
    if (pattern.flags() != boost::regex::perl) return {};
    const std::string source = pattern.str();
    if (source.find_first_of("|\\") != std::string::npos ||
        source.find("(?") != std::string::npos) {
        return {};
    }
    const auto lastSpecial = source.find_last_of(".^$?*+()[]{}");
    return lastSpecial == std::string::npos ? source : source.substr(lastSpecial + 1);
}

// One past the end of the literal's last occurrence in the text; begin when it does not occur.
TextIterator endOfLastOccurrence(const std::string& text, std::string_view literal)
{
    const std::boyer_moore_horspool_searcher reversed(literal.rbegin(), literal.rend());
    const auto found = std::search(text.rbegin(), text.rend(), reversed);
    return found == text.rend() ? text.begin() : found.base();
}

// Runs the searches of findAllMatches, handing each match to the visitor. No match can end past
// the last occurrence of the pattern's closing literal, so the searches stop there: otherwise a
// reply full of opening keys and no closing one makes every search scan the rest of the text,
// quadratic time before the engine gives up.
template <typename Visitor>
void visitMatches(const boost::regex& pattern, const std::string& text, bool guarded,
                  Visitor&& visit)
{
    if (text.empty()) return;
    auto searchEnd = text.end();
    std::ptrdiff_t minimumLength = 0;
    if (guarded) {
        const std::string literal = closingLiteral(pattern);
        if (!literal.empty()) {
            searchEnd = endOfLastOccurrence(text, literal);
            minimumLength = static_cast<std::ptrdiff_t>(literal.size());
        }
    }
    boost::smatch match;
    for (auto start = text.begin(); searchEnd - start >= minimumLength;) {
        if (!boost::regex_search(start, searchEnd, match, pattern, boost::match_default)) break;
        visit(match);
        start = match[0].second;
        // An empty match would be found again at the same place: step past it.
        if (match[0].length() == 0) {
            if (start == searchEnd) break;
            ++start;
        }
    }
}

}  // namespace

std::vector<boost::smatch> findAllMatches(const boost::regex& pattern, const std::string& text)
{
    std::vector<boost::smatch> matches;
    try {
        visitMatches(pattern, text, true, [&](const boost::smatch& m) { matches.push_back(m); });
    } catch (const std::exception&) {
        // The engine gave up (complexity or memory): the matches found before stand.
    }
    return matches;
}

std::vector<boost::smatch> findAllMatchesUnguarded(const boost::regex& pattern,
                                                   const std::string& text)
{
    std::vector<boost::smatch> matches;
    visitMatches(pattern, text, false, [&](const boost::smatch& m) { matches.push_back(m); });
    return matches;
}

namespace {

// Group 1 of every match, collected without keeping the match objects: a large reply has many.
std::vector<std::string> capturedValues(const char* patternSource, const std::string& text)
{
    const boost::regex pattern(patternSource, boost::regex::perl);
    std::vector<std::string> values;
    try {
        visitMatches(pattern, text, true,
                     [&](const boost::smatch& m) { values.push_back(m.str(1)); });
    } catch (const std::exception&) {
        // As in findAllMatches: what was found before the engine gave up stands.
    }
    return values;
}

}  // namespace

std::vector<PlaylistEntry> extractPlaylistEntries(const std::string& text)
{
    std::vector<std::string> names = capturedValues(songNamePattern, text);
    const std::vector<std::string> singers = capturedValues(singerNamePattern, text);
    std::vector<std::string> urls = capturedValues(songUrlPattern, text);
    // A reply whose singer or URL list runs short gives the empty text for what is missing.
    std::vector<PlaylistEntry> entries;
    entries.reserve(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        PlaylistEntry entry;
        entry.positionText = std::to_string(k + 1);
        entry.title = std::move(names[k]);
        entry.title += " - ";
        if (k < singers.size()) entry.title += singers[k];
        if (k < urls.size()) entry.url = std::move(urls[k]);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void runPlaylistQuery(const std::string& account, SongList& songList, const FetchFunction& fetch)
{
    // Cleared first, so that any failure below leaves an empty list rather than old rows.
    songList.removeAllRows();
    std::vector<PlaylistEntry> entries;
    {
        std::string text = bytesToText(fetch(buildPlaylistUrl(account)));
        entries = extractPlaylistEntries(text);
    }
    for (const PlaylistEntry& entry : entries) {
        const int row = songList.appendRow(entry.positionText);
        songList.setCellText(row, 1, entry.title);
        songList.setCellText(row, 2, entry.url);
    }
}
