#include "app/main_window_win.h"

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "app/window_layout.h"

const char mainWindowClassName[] = "KorvaldMainWindow";

namespace {

const char mainWindowCaption[] = "Bremlock\xD6\xAEKorvald ";  // Bremlock之Korvald, trailing blank
const int iconResourceId = 1;

struct ControlDefinition {
    ControlId id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
};

// In creation order, which is also their stacking order.
const ControlDefinition controlDefinitions[] = {
    {accountLabelId, "STATIC", "QQ\xBA\xC5\xC2\xEB", SS_LEFT | SS_CENTERIMAGE, 0, 286, 239, 44, 17},
    {accountEditId, "EDIT", "583162047", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 334, 237, 130, 18},
    {songListId, WC_LISTVIEWA, "", WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 0, 8, 8, 528, 216},
    {extractButtonId, "BUTTON", "\xCC\xE1\xC8\xA1", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
     0, 475, 234, 66, 26},
};

struct ColumnDefinition {
    const char* header;
    int width;
};

const ColumnDefinition songListColumns[] = {
    {"\xD0\xF2\xBA\xC5", 40},   // 序号
    {"\xC3\xFB\xD7\xD6", 200},  // 名字
    {"\xB5\xD8\xD6\xB7", 288},  // 地址
};

const DWORD songListExStyles =
    LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;

struct MainWindowState {
    explicit MainWindowState(MainWindowHooks windowHooks) : hooks(std::move(windowHooks)) {}
    MainWindowHooks hooks;
    ListViewSongList songList;
    HFONT font = nullptr;
    HWND lastFocus = nullptr;  // the control to give the focus back to on reactivation
};

MainWindowState* stateOf(HWND window) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string windowText(HWND window) {
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void runQuery(HWND window, MainWindowState& state) {
    if (!state.hooks.queryRequested) return;
    const std::string account = accountText(window);
    RedrawSuspension suspension(state.songList.handle());
    state.hooks.queryRequested(account, state.songList);
}

// Enter runs the query exactly as the button does; the modifiers are not looked at.
void handleAccountKey(HWND window, MainWindowState& state, unsigned keyCode, int /*modifiers*/) {
    if (keyCode == 13) runQuery(window, state);
}

// Runs a copy of the hook: an action that dispatches messages (the reveal animation, the popup
// menu's loop) may see the window closed and its state, hooks included, freed under it.
void raise(std::function<void(HWND)> hook, HWND window) {
    if (hook) hook(window);
}

LRESULT onCommand(HWND window, MainWindowState& state, int id, int code) {
    if (id == extractButtonId && code == BN_CLICKED) runQuery(window, state);
    if (id == copyEntryItemId) raise(state.hooks.copyEntryChosen, window);
    if (id == copyAndOpenEntryItemId) raise(state.hooks.copyAndOpenEntryChosen, window);
    return 0;
}

LRESULT onNotify(HWND window, MainWindowState& state, const NMHDR& header) {
    if (header.idFrom != songListId) return 0;
    if (header.code == NM_RCLICK) raise(state.hooks.listRightClicked, window);
    // Nothing is kept per row, so one notice for the whole list will do: TRUE spares a
    // notification per deleted row when a query clears thousands of them.
    return header.code == LVN_DELETEALLITEMS ? TRUE : 0;
}

LRESULT onActivate(HWND window, MainWindowState& state, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) state.lastFocus = focus;
    }
    return DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
}

// Activation gives the focus to the window itself; hand it on to a control, as dialogs do.
LRESULT onSetFocus(HWND window, MainWindowState& state) {
    const bool remembered = state.lastFocus && IsChild(window, state.lastFocus);
    SetFocus(remembered ? state.lastFocus : mainWindowControl(window, extractButtonId));
    return 0;
}

LRESULT onSetFont(MainWindowState& state, WPARAM font) {
    state.font = reinterpret_cast<HFONT>(font);
    return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The window owns its state from here; WM_NCDESTROY frees it, even if creation fails later.
        auto* owner = static_cast<std::unique_ptr<MainWindowState>*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
    }
    MainWindowState* state = stateOf(window);
    if (!state) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND: return onCommand(window, *state, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return onNotify(window, *state, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_ACTIVATE: return onActivate(window, *state, wParam, lParam);
    case WM_SETFOCUS: return onSetFocus(window, *state);
    case WM_SETFONT: return onSetFont(*state, wParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_DESTROY: raise(state->hooks.destroyed, window); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete state;
        return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconResourceId), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(instance, mainWindowClassName, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    // The class keeps its icons for the life of the process. Not LR_SHARED: a shared load hands
    // back the first size loaded, and the small icon must be scaled from the one 32 x 32 image.
    windowClass.hIcon = loadIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = mainWindowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

// The edit box must show one whole line of its font inside its sunken border.
int editHeightFor(HWND edit, HFONT font, int height) {
    const HDC dc = GetDC(edit);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    const int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
    return height < needed ? needed : height;
}

void setUpSongList(HWND list) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, songListExStyles, songListExStyles);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    int index = 0;
    for (const ColumnDefinition& definition : songListColumns) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = definition.width;
        column.pszText = const_cast<char*>(definition.header);
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&column));
    }
}

HWND createControl(HWND window, HINSTANCE instance, const ControlDefinition& definition, HFONT font) {
    const HWND control = CreateWindowExA(
        definition.exStyle, definition.className, definition.text, WS_CHILD | WS_VISIBLE | definition.style,
        definition.left, definition.top, definition.width, definition.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)), instance, nullptr);
    if (!control) return nullptr;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (definition.id == accountEditId) {
        SendMessageA(control, EM_LIMITTEXT, 0, 0);
        SendMessageA(control, EM_SETSEL, 0, 0);
        const int height = editHeightFor(control, font, definition.height);
        if (height != definition.height)
            SetWindowPos(control, nullptr, 0, 0, definition.width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (definition.id == songListId) setUpSongList(control);
    return control;
}

}  // namespace

HWND createMainWindow(HINSTANCE instance, MainWindowHooks hooks) {
    if (!registerMainWindowClass(instance)) return nullptr;
    auto state = std::make_unique<MainWindowState>(std::move(hooks));
    MainWindowState& windowState = *state;
    const HWND window = CreateWindowExA(
        0, mainWindowClassName, mainWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
        centredOrigin(GetSystemMetrics(SM_CXSCREEN), mainWindowWidth),
        centredOrigin(GetSystemMetrics(SM_CYSCREEN), mainWindowHeight), mainWindowWidth, mainWindowHeight,
        nullptr, nullptr, instance, &state);
    if (!window) return nullptr;
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ControlDefinition& definition : controlDefinitions) {
        if (!createControl(window, instance, definition, font)) {
            DestroyWindow(window);
            return nullptr;
        }
    }
    windowState.songList = ListViewSongList(mainWindowControl(window, songListId));
    raise(windowState.hooks.created, window);
    return window;
}

HWND findMainWindow(HWND window) {
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    char className[sizeof mainWindowClassName + 1] = {};
    if (!root || !GetClassNameA(root, className, sizeof className)) return nullptr;
    return std::strcmp(className, mainWindowClassName) == 0 ? root : nullptr;
}

HWND mainWindowControl(HWND mainWindow, ControlId id) { return GetDlgItem(mainWindow, id); }

ListViewSongList& mainWindowSongList(HWND mainWindow) { return stateOf(mainWindow)->songList; }

std::string accountText(HWND mainWindow) { return windowText(mainWindowControl(mainWindow, accountEditId)); }

// Only the account box has a key-down handler; it never swallows the key.
bool raiseControlKeyDown(HWND mainWindow, HWND control, unsigned virtualKey, int modifiers) {
    MainWindowState* state = stateOf(mainWindow);
    if (state && control == mainWindowControl(mainWindow, accountEditId))
        handleAccountKey(mainWindow, *state, virtualKey, modifiers);
    return true;
}
