// The song list operations over the real list view control.
#pragma once

#include <windows.h>

#include <string>

#include "playlist/playlist_query.h"

class ListViewSongList final : public SongList {
public:
    explicit ListViewSongList(HWND listView = nullptr) : listView_(listView) {}

    void removeAllRows() override;
    int appendRow(const std::string& text) override;
    void setCellText(int row, int column, const std::string& text) override;

    // The whole text of a cell; empty for an empty cell or a row that does not exist (-1 too).
    std::string cellText(int row, int column) const;
    // The first selected row, or -1.
    int selectedRow() const;
    int rowCount() const;
    HWND handle() const { return listView_; }

private:
    HWND listView_;
};

// Turns the list's drawing off while it is filled: inserting thousands of rows into a visible
// report view repaints after every row and freezes the window for minutes.
class RedrawSuspension {
public:
    explicit RedrawSuspension(HWND window);
    ~RedrawSuspension();
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    HWND window_;
};
