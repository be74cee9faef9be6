// extract-playlist-query: runs the real playlist query for an account (WinINet fetch, then the
// extraction) and prints the rows it gives, position<TAB>title<TAB>url, bytes as they are.
// Usage: extract-playlist-query [account]   (10001 when none is given)
#include <cstdio>
#include <string>

#include "playlist/fetch_win.h"

namespace {

// Prints each row once all three of its columns are set.
struct PrintingSongList : SongList {
    std::string row[3];

    void removeAllRows() override {}
    int appendRow(const std::string& text) override
    {
        row[0] = text;
        return 0;
    }
    void setCellText(int, int column, const std::string& text) override
    {
        row[column] = text;
        if (column != 2) return;
        const std::string line = row[0] + '\t' + row[1] + '\t' + row[2] + '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    PrintingSongList songList;
    runPlaylistQuery(argc > 1 ? argv[1] : "10001", songList,
                     [](const std::string& url) { return fetchUrlBytes(url); });
    return std::fflush(stdout) == 0 ? 0 : 1;
}
