// A song list that keeps its rows in memory and records every call, for the query tests.
#pragma once

#include <string>
#include <vector>

#include "playlist/playlist_query.h"

struct RecordingSongList : SongList {
    std::vector<std::vector<std::string>> rows;  // three columns each
    std::vector<std::string> calls;

    void removeAllRows() override
    {
        rows.clear();
        calls.push_back("removeAllRows");
    }
    int appendRow(const std::string& text) override
    {
        rows.push_back({text, "", ""});
        calls.push_back("appendRow");
        return static_cast<int>(rows.size()) - 1;
    }
    void setCellText(int row, int column, const std::string& text) override
    {
        rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
        calls.push_back("setCellText " + std::to_string(column));
    }
};
