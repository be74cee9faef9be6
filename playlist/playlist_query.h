// The playlist query: from an account number to the rows of the song list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <boost/regex.hpp>

// One listed song: the three texts of a row of the song list.
struct PlaylistEntry {
    std::string positionText;  // 1-based position, decimal
    std::string title;         // song name, " - ", singer name
    std::string url;           // audition URL as captured
};

// What the query needs of the song list.
class SongList {
public:
    virtual ~SongList() = default;
    virtual void removeAllRows() = 0;
    virtual int appendRow(const std::string& text) = 0;  // returns the new row's index
    virtual void setCellText(int row, int column, const std::string& text) = 0;
};

using Bytes = std::vector<unsigned char>;
using FetchFunction = std::function<Bytes(const std::string& url)>;

extern const char playlistHost[];   // "qzone-music.qq.com"
extern const char playlistToken[];  // "514926140"

extern const char songNamePattern[];
extern const char singerNamePattern[];
extern const char songUrlPattern[];

std::string buildPlaylistUrl(const std::string& account);
std::string bytesToText(const Bytes& bytes);

// Every non-overlapping match, in order. Stops early, keeping what it found, if the regex
// engine gives up (complexity or memory).
std::vector<boost::smatch> findAllMatches(const boost::regex& pattern, const std::string& text);

// The same search as a bare loop over the whole text, with no guard: the reference that
// findAllMatches must agree with, and the baseline of the benchmarks. May throw.
std::vector<boost::smatch> findAllMatchesUnguarded(const boost::regex& pattern,
                                                   const std::string& text);

std::vector<PlaylistEntry> extractPlaylistEntries(const std::string& text);
void runPlaylistQuery(const std::string& account, SongList& songList, const FetchFunction& fetch);
