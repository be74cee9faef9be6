// The main window read back from the live window, and its keyboard and focus rules driven through
// the real message pump.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "app/start_win.h"
#include "tests/win32/app_test_window.h"

namespace {

std::string textOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Position relative to the main window's client area.
RECT clientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int editHeightNeeded(HWND edit) {
    const HDC dc = GetDC(edit);
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return std::max(18, static_cast<int>(metrics.tmHeight) + 2 * GetSystemMetrics(SM_CYEDGE));
}

SIZE iconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

}  // namespace

TEST_F(AppWindowTest, ControlsMatchTheLayoutInCreationAndStackingOrder) {
    struct Expected {
        ControlId id;
        const char* className;
        const char* text;
        LONG style;
        LONG exStyle;
        RECT rect;  // left, top, right, bottom in the client area
    };
    const LONG child = WS_CHILD | WS_VISIBLE;
    const Expected expected[] = {
        {accountLabelId, "Static", "QQ\xBA\xC5\xC2\xEB", child | SS_LEFT | SS_CENTERIMAGE, 0, {286, 239, 330, 256}},
        {accountEditId, "Edit", "583162047", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
         {334, 237, 464, 237 + editHeightNeeded(control(accountEditId))}},
        {songListId, "SysListView32", "", child | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 0,
         {8, 8, 536, 224}},
        {extractButtonId, "Button", "\xCC\xE1\xC8\xA1",
         child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, {475, 234, 541, 260}},
    };
    HWND stacked = GetWindow(window, GW_CHILD);
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.className);
        const HWND c = control(e.id);
        EXPECT_EQ(stacked, c);
        stacked = GetWindow(stacked, GW_HWNDNEXT);
        EXPECT_STRCASEEQ(classOf(c).c_str(), e.className);
        EXPECT_EQ(textOf(c), e.text);
        // The list adds its own scroll bars: its columns fill it to the pixel, its client area is smaller.
        EXPECT_EQ(GetWindowLongA(c, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL), e.style);
        EXPECT_EQ(GetWindowLongA(c, GWL_EXSTYLE), e.exStyle);
        const RECT r = clientRectOf(c);
        EXPECT_EQ(r.left, e.rect.left);
        EXPECT_EQ(r.top, e.rect.top);
        EXPECT_EQ(r.right, e.rect.right);
        EXPECT_EQ(r.bottom, e.rect.bottom);
        EXPECT_EQ(SendMessageA(c, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
        EXPECT_TRUE(IsWindowEnabled(c));
    }
    EXPECT_EQ(stacked, nullptr);
}

TEST_F(AppWindowTest, MainWindowIsFixedCentredAndDressedAsLaidDown) {
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 548);
    EXPECT_EQ(rect.bottom - rect.top, 310);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 548) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 310) / 2);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), 0);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(textOf(window), "Bremlock\xD6\xAEKorvald ");
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
    EXPECT_EQ(SendMessageA(window, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    const SIZE large = iconSize(reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON)));
    const SIZE small = iconSize(reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM)));
    EXPECT_EQ(large.cx, 32);
    EXPECT_EQ(large.cy, 32);
    EXPECT_EQ(small.cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(small.cy, GetSystemMetrics(SM_CYSMICON));
    EXPECT_EQ(createdEvents, 1);
}

TEST_F(AppWindowTest, AccountBoxAndSongListAreSetUp) {
    const HWND edit = control(accountEditId);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);  // what a limit of 0 means
    DWORD start = 1, end = 1;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);

    const HWND list = control(songListId);
    EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP);
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    const struct {
        const char* header;
        int width;
    } columns[] = {{"\xD0\xF2\xBA\xC5", 40}, {"\xC3\xFB\xD7\xD6", 200}, {"\xB5\xD8\xD6\xB7", 288}};
    EXPECT_EQ(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        char header[32] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = header;
        column.cchTextMax = sizeof header;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(header, columns[i].header);
        EXPECT_EQ(column.cx, columns[i].width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    }
}

TEST_F(AppWindowTest, KeyboardRulesApplyBeforeTheFocusedControl) {
    struct Case {
        const char* name;
        ControlId from;
        UINT key;
        int modifiers;
        bool withKeyUp;
        ControlId focusAfter;
        int queries;
        bool closes;
    };
    const Case cases[] = {
        {"Tab from button", extractButtonId, VK_TAB, 0, false, songListId, 0, false},
        {"Tab from list", songListId, VK_TAB, 0, false, accountEditId, 0, false},
        {"Tab from edit", accountEditId, VK_TAB, 0, false, extractButtonId, 0, false},
        {"Shift+Tab from edit", accountEditId, VK_TAB, modifierShift, false, songListId, 0, false},
        {"Shift+Tab from list", songListId, VK_TAB, modifierShift, false, extractButtonId, 0, false},
        {"Shift+Tab from button", extractButtonId, VK_TAB, modifierShift, false, accountEditId, 0, false},
        {"Ctrl+Tab moves nothing", accountEditId, VK_TAB, modifierCtrl, false, accountEditId, 0, false},
        {"Enter in edit", accountEditId, VK_RETURN, 0, false, accountEditId, 1, false},
        {"Ctrl+Enter in edit", accountEditId, VK_RETURN, modifierCtrl, false, accountEditId, 1, false},
        {"Shift+Enter in edit", accountEditId, VK_RETURN, modifierShift, false, accountEditId, 1, false},
        {"Alt+Enter in edit", accountEditId, VK_RETURN, modifierAlt, false, accountEditId, 1, false},
        {"Enter on button", extractButtonId, VK_RETURN, 0, false, extractButtonId, 0, false},
        {"Enter on list", songListId, VK_RETURN, 0, false, songListId, 0, false},
        {"Space on button", extractButtonId, VK_SPACE, 0, true, extractButtonId, 1, false},
        {"Shift+Esc keeps the window", accountEditId, VK_ESCAPE, modifierShift, false, accountEditId, 0, false},
        {"Esc in edit", accountEditId, VK_ESCAPE, 0, false, accountEditId, 0, true},
        {"Esc in list", songListId, VK_ESCAPE, 0, false, songListId, 0, true},
        {"Esc on button", extractButtonId, VK_ESCAPE, 0, false, extractButtonId, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        songList().appendRow("1");  // Esc closes with rows in the list too
        SetFocus(control(c.from));
        ASSERT_EQ(GetFocus(), control(c.from));
        pressKey(c.key, c.modifiers, c.withKeyUp);
        EXPECT_EQ(IsWindow(window), !c.closes);
        if (!c.closes) {
            EXPECT_EQ(GetFocus(), control(c.focusAfter));
        }
        EXPECT_EQ(queries.size(), static_cast<size_t>(c.queries));
    }
}

TEST_F(AppWindowTest, EnterInTheAccountBoxQueriesOncePerKeyDownWithItsText) {
    SetFocus(control(accountEditId));
    const LPARAM autoRepeat = 1 | (1 << 30);  // key already down: auto-repeat
    pressKey(VK_RETURN, 0);
    pressKey(VK_RETURN, 0, false, autoRepeat);
    pressKey(VK_RETURN, 0, false, autoRepeat);
    EXPECT_EQ(queries, (std::vector<std::string>(3, "583162047")));
    // Every query's rows reached the list, which draws again afterwards.
    EXPECT_EQ(songList().rowCount(), 3);
    EXPECT_TRUE(IsWindowVisible(control(songListId)));
    EXPECT_TRUE(GetWindowLongA(control(songListId), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(AppWindowTest, FocusStartsOnTheButtonAndReturnsOnReactivation) {
    openWindow();
    EXPECT_EQ(GetFocus(), control(extractButtonId));
    pressKey(VK_RETURN, 0);
    EXPECT_TRUE(queries.empty());

    SetFocus(control(accountEditId));
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(other);
    pumpPendingMessages();
    EXPECT_NE(GetFocus(), control(accountEditId));
    SetActiveWindow(window);
    pumpPendingMessages();
    EXPECT_EQ(GetFocus(), control(accountEditId));
    DestroyWindow(other);
}

namespace {

// Refuses to create windows of one class on this thread.
thread_local const char* refusedClass = nullptr;

LRESULT CALLBACK refuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        const char* name = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(name) && lstrcmpiA(name, refusedClass) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct RefusedCreation {
    explicit RefusedCreation(const char* className)
        : hook(SetWindowsHookExA(WH_CBT, refuseCreation, nullptr, GetCurrentThreadId())) {
        refusedClass = className;
    }
    ~RefusedCreation() { UnhookWindowsHookEx(hook); }
    HHOOK hook;
};

}  // namespace

TEST(AppStartup, WindowOrControlThatCannotBeCreatedLeavesNoWindow) {
    for (const char* className : {mainWindowClassName, "STATIC", "EDIT", WC_LISTVIEWA, "BUTTON"}) {
        SCOPED_TRACE(className);
        RefusedCreation refused(className);
        int created = 0;
        MainWindowHooks hooks;
        hooks.created = [&](HWND) { ++created; };
        EXPECT_EQ(createMainWindow(GetModuleHandleA(nullptr), hooks), nullptr);
        EXPECT_EQ(FindWindowA(mainWindowClassName, nullptr), nullptr);
        EXPECT_EQ(created, 0);
    }
}

TEST(AppStartup, FailedStartShowsAnErrorBoxAndExitsWithMinusOne) {
    RefusedCreation refused(mainWindowClassName);
    bool boxSeen = false;
    std::thread closer([&] {
        for (int i = 0; i < 200 && !boxSeen; ++i, Sleep(25)) {
            if (const HWND box = FindWindowA("#32770", "Korvald")) {
                boxSeen = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
    });
    EXPECT_EQ(startApplication(GetModuleHandleA(nullptr), nullptr), -1);
    closer.join();
    EXPECT_TRUE(boxSeen);
}
