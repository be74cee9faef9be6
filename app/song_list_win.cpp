#include "app/song_list_win.h"

#include <commctrl.h>

#include <climits>
#include <vector>

void ListViewSongList::removeAllRows() { SendMessageA(listView_, LVM_DELETEALLITEMS, 0, 0); }

int ListViewSongList::appendRow(const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = INT_MAX;  // past the end: appended, without asking the control for its count
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(SendMessageA(listView_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListViewSongList::setCellText(int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(listView_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The control keeps its texts as UTF-16 and converts on the way out, so the buffer is grown until
// at least two bytes stay free: a truncated copy may stop one byte short when the next character
// is a double-byte GBK character that did not fit.
std::string ListViewSongList::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    std::vector<char> buffer(256);
    for (;;) {
        buffer[0] = '\0';
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        SendMessageA(listView_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        buffer.back() = '\0';
        const std::string text(buffer.data());
        if (text.size() + 2 < buffer.size()) return text;
        buffer.resize(buffer.size() * 2);
    }
}

int ListViewSongList::selectedRow() const {
    return static_cast<int>(SendMessageA(listView_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int ListViewSongList::rowCount() const {
    return static_cast<int>(SendMessageA(listView_, LVM_GETITEMCOUNT, 0, 0));
}

RedrawSuspension::RedrawSuspension(HWND window) : window_(window) {
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawSuspension::~RedrawSuspension() {
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}
