#include "app/start_win.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <utility>

#include "app/entry_actions_win.h"
#include "app/message_pump_win.h"
#include "playlist/fetch_win.h"

MainWindowHooks standardHooks(std::function<void(HWND mainWindow)> created) {
    MainWindowHooks hooks;
    hooks.created = std::move(created);
    hooks.queryRequested = [](const std::string& account, SongList& songList) {
        runPlaylistQuery(account, songList, [](const std::string& url) { return fetchUrlBytes(url); });
    };
    hooks.listRightClicked = showEntryMenu;
    hooks.copyEntryChosen = [](HWND window) { copySelectedEntry(mainWindowSongList(window)); };
    hooks.copyAndOpenEntryChosen = [](HWND window) {
        copyAndOpenSelectedEntry(mainWindowSongList(window), ShellExecuteA);
    };
    hooks.destroyed = [](HWND) { PostQuitMessage(0); };
    return hooks;
}

int startApplication(HINSTANCE instance, std::function<void(HWND mainWindow)> created) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell may hand a URL to COM-based handlers; they need an apartment on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HWND mainWindow = createMainWindow(instance, standardHooks(std::move(created)));
    if (!mainWindow) {
        MessageBoxA(nullptr,
                    "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xD6\xF7\xB4\xB0\xBF\xDA\xA3\xAC"
                    "Korvald \xB2\xBB\xC4\xDC\xC6\xF4\xB6\xAF\xA1\xA3",  // 无法创建主窗口，Korvald 不能启动。
                    "Korvald", MB_OK | MB_ICONERROR);
        return -1;
    }
    ShowWindow(mainWindow, SW_SHOW);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) dispatchThroughPump(message);
    return static_cast<int>(message.wParam);
}
