// extract-playlist: prints the rows that a playlist reply gives, one per line:
// position<TAB>title<TAB>url, with the reply's bytes as they are.
// Usage: extract-playlist [reply-file]   (standard input when no file is named)

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "playlist/playlist_query.h"

namespace {

// Reads the whole stream; false on a read error (a directory, a vanished file).
bool readAll(std::FILE* in, Bytes& bytes)
{
    unsigned char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return !std::ferror(in);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fputs("usage: extract-playlist [reply-file]\n", stderr);
        return 2;
    }
    const char* name = argc == 2 ? argv[1] : "standard input";
    std::FILE* in = argc == 2 ? std::fopen(argv[1], "rb") : stdin;
    Bytes reply;
    const bool read = in && readAll(in, reply);
    if (!read) {
        std::fprintf(stderr, "extract-playlist: cannot read %s: %s\n", name, std::strerror(errno));
        return 2;
    }
    if (in != stdin) std::fclose(in);
    std::string out;
    for (const PlaylistEntry& entry : extractPlaylistEntries(bytesToText(reply))) {
        out += entry.positionText + '\t' + entry.title + '\t' + entry.url + '\n';
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0
               ? 0
               : 1;
}
