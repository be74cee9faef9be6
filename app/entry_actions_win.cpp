#include "app/entry_actions_win.h"

#include "app/entry_text.h"
#include "app/main_window_win.h"
#include "app/unique_handle_win.h"

// The menu bar that holds the popup is never attached to a window, so its top-level item
// "菜单" stays hidden; only its popup is ever shown.
void showEntryMenu(HWND mainWindow) {
    POINT cursor{};
    GetCursorPos(&cursor);
    UniqueMenu entryMenu(CreateMenu());
    const HMENU items = CreatePopupMenu();
    if (!entryMenu || !items) {
        if (items) DestroyMenu(items);
        return;
    }
    AppendMenuA(items, MF_STRING, copyEntryItemId, "\xCC\xE1\xC8\xA1\xB8\xE8\xC7\xFA\xB5\xD8\xD6\xB7");
    AppendMenuA(items, MF_STRING, copyAndOpenEntryItemId,
                "\xCC\xE1\xC8\xA1\xB2\xA2\xC7\xD2\xB4\xF2\xBF\xAA\xCF\xC2\xD4\xD8");
    AppendMenuA(entryMenu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(items), "\xB2\xCB\xB5\xA5");
    // The chosen item arrives as WM_COMMAND after the menu has closed; destroying the menu bar
    // destroys its popup with it.
    TrackPopupMenu(items, TPM_RIGHTBUTTON, cursor.x + 3, cursor.y + 3, 0, mainWindow, nullptr);
}

void copySelectedEntry(const ListViewSongList& songList) {
    const int row = songList.selectedRow();
    setClipboardText(entryClipboardText(songList.cellText(row, 1), songList.cellText(row, 2)));
}

void copyAndOpenSelectedEntry(const ListViewSongList& songList, ShellExecuteFunction shellExecute) {
    const int row = songList.selectedRow();
    const std::string url = songList.cellText(row, 2);
    setClipboardText(entryClipboardText(songList.cellText(row, 1), url));
    openUrl(url, shellExecute);
}

// Another program may hold the clipboard open; then nothing is copied.
void setClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
    if (block) {
        if (void* bytes = GlobalLock(block.get())) {
            CopyMemory(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(block.get());
            // The clipboard owns the block once it has taken it.
            if (SetClipboardData(CF_TEXT, block.get())) block.release();
        }
    }
    CloseClipboard();
}

void openUrl(const std::string& text, ShellExecuteFunction shellExecute) {
    if (!isOpenableUrl(text)) return;
    shellExecute(nullptr, "open", text.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
