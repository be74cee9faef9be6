// The song list operations and the entry actions on a live window: the popup menu, the clipboard
// bytes and the URLs handed to the shell.
#include <windows.h>

#include <atomic>
#include <thread>

#include "app/entry_actions_win.h"
#include "tests/win32/app_test_window.h"

namespace {

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

struct ShellCall {
    HWND owner;
    std::string verb, file;
    bool noParameters, noDirectory;
    INT show;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI recordShellCall(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT show) {
    shellCalls.push_back({owner, verb ? verb : "<null>", file ? file : "<null>", !parameters, !directory, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

const std::string titleLabel = "\xB8\xE8\xC7\xFA\xC3\xFB\xA3\xBA";
const std::string urlLabel = "\r\n\xCA\xD4\xCC\xFD\xB5\xD8\xD6\xB7\xA3\xBA";
const std::string sunnyDay = "\xC7\xE7\xCC\xEC - \xD6\xDC\xBD\xDC\xC2\xD7";  // 晴天 - 周杰伦

// Holds the clipboard open on another thread, as another program would.
class ClipboardHolder {
public:
    ClipboardHolder()
        : thread_([this] {
              // Opened for a window of its own: another program's clipboard owner.
              const HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                 GetModuleHandleA(nullptr), nullptr);
              opened_ = OpenClipboard(owner) != FALSE;
              ready_ = true;
              while (!release_) Sleep(5);
              if (opened_) CloseClipboard();
              DestroyWindow(owner);
          }) {
        while (!ready_) Sleep(5);
    }
    ~ClipboardHolder() {
        release_ = true;
        thread_.join();
    }
    bool opened() const { return opened_; }

private:
    std::atomic<bool> opened_{false}, ready_{false}, release_{false};
    std::thread thread_;
};

}  // namespace

class AppEntryTest : public AppWindowTest {
protected:
    void addRow(const std::string& title, const std::string& url) {
        const int row = songList().appendRow(std::to_string(songList().rowCount() + 1));
        songList().setCellText(row, 1, title);
        songList().setCellText(row, 2, url);
    }
    void selectRow(int row) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(songList().handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
};

TEST_F(AppEntryTest, CellTextIsWholeAtAnyLengthAndEmptyOffTheList) {
    const std::string gbk(300, '\xB0');  // 150 double-byte characters
    const std::string cases[] = {"",
                                 "a",
                                 std::string(253, 'x'),
                                 std::string(254, 'x'),
                                 std::string(255, 'x'),
                                 std::string(256, 'x'),
                                 "x" + gbk,  // a double-byte character across the first buffer's end
                                 std::string(5000, 'y')};
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.size());
        songList().removeAllRows();
        addRow(text, "http://example.com/" + text);
        EXPECT_EQ(songList().cellText(0, 1), text);
        EXPECT_EQ(songList().cellText(0, 2), "http://example.com/" + text);
    }
    EXPECT_EQ(songList().cellText(0, 0), "1");
    EXPECT_EQ(songList().cellText(-1, 1), "");
    EXPECT_EQ(songList().cellText(1, 1), "");
    EXPECT_EQ(songList().selectedRow(), -1);
}

TEST_F(AppEntryTest, CopyPutsTheLabelledTitleAndUrlBytesOnTheClipboard) {
    const std::string longTitle(600, 'T'), longUrl = "http://example.com/" + std::string(700, 'u');
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> rows;
        int selected;
        std::string expected;
    };
    const Case cases[] = {
        {"song", {{sunnyDay, "http://example.com/a.mp3"}}, 0,
         titleLabel + sunnyDay + urlLabel + "http://example.com/a.mp3"},
        {"second row selected", {{"a - b", "http://a"}, {"c - d", "http://c"}}, 1,
         titleLabel + "c - d" + urlLabel + "http://c"},
        {"empty name and singer", {{" - ", "http://x"}}, 0, titleLabel + " - " + urlLabel + "http://x"},
        {"longer than 511 bytes", {{longTitle, longUrl}}, 0, titleLabel + longTitle + urlLabel + longUrl},
        {"rows but none selected", {{"a - b", "http://a"}}, -1, titleLabel + urlLabel},
        {"empty list", {}, -1, titleLabel + urlLabel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        songList().removeAllRows();
        for (const auto& [title, url] : c.rows) addRow(title, url);
        if (c.selected >= 0) selectRow(c.selected);
        setClipboardText("old");
        copySelectedEntry(songList());
        EXPECT_EQ(clipboardText(), c.expected);
    }
}

TEST_F(AppEntryTest, HeldClipboardKeepsItsContentAndTheUrlIsStillOpened) {
    addRow(sunnyDay, "http://example.com/a.mp3");
    selectRow(0);
    setClipboardText("old");
    shellCalls.clear();
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.opened());
        copyAndOpenSelectedEntry(songList(), recordShellCall);
    }
    EXPECT_EQ(clipboardText(), "old");
    ASSERT_EQ(shellCalls.size(), 1u);
    EXPECT_EQ(shellCalls[0].file, "http://example.com/a.mp3");
}

TEST_F(AppEntryTest, OnlyPlainWebUrlsReachTheShell) {
    const std::string longest = "http://example.com/" + std::string(1000 - 19, 'a');
    struct Case {
        const char* name;
        std::string url;
        bool opened;
    };
    const Case cases[] = {
        {"http", "http://example.com/a.mp3", true},
        {"https", "https://example.com/a.mp3", true},
        {"scheme in any case", "HtTpS://EXAMPLE.com/", true},
        {"GBK bytes in the path", "http://example.com/" + sunnyDay, true},
        {"1,000 bytes", longest, true},
        {"1,001 bytes", longest + "a", false},
        {"nothing selected", "", false},
        {"program path", "C:\\Windows\\system32\\calc.exe", false},
        {"UNC path", "\\\\host\\share\\x.exe", false},
        {"file URL", "file:///C:/Windows/system32/calc.exe", false},
        {"other scheme", "ms-settings:", false},
        {"scheme without slashes", "http:example.com", false},
        {"leading blank", " http://example.com/", false},
        {"line break", "http://example.com/\r\nx", false},
        {"tab", "http://example.com/\tx", false},
        {"delete character", "http://example.com/\x7F", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        songList().removeAllRows();
        addRow(" - ", c.url);
        selectRow(0);
        shellCalls.clear();
        copyAndOpenSelectedEntry(songList(), recordShellCall);
        EXPECT_EQ(clipboardText(), titleLabel + " - " + urlLabel + c.url);  // copied whatever it is
        ASSERT_EQ(shellCalls.size(), c.opened ? 1u : 0u);
        if (c.opened) {
            EXPECT_EQ(shellCalls[0].owner, nullptr);
            EXPECT_EQ(shellCalls[0].verb, "open");
            EXPECT_EQ(shellCalls[0].file, c.url);
            EXPECT_TRUE(shellCalls[0].noParameters);
            EXPECT_TRUE(shellCalls[0].noDirectory);
            EXPECT_EQ(shellCalls[0].show, SW_SHOWNORMAL);
        }
    }
}

TEST_F(AppEntryTest, RightClickOpensTheMenuAndAChosenItemRunsAfterItCloses) {
    struct Case {
        const char* name;
        bool withRows;
        std::vector<UINT> keys;
        std::vector<std::string> actions;
    };
    const Case cases[] = {
        {"Esc on an empty list", false, {VK_ESCAPE}, {"rightClick"}},
        {"first item", true, {VK_DOWN, VK_RETURN}, {"rightClick", "copy"}},
        {"second item", true, {VK_DOWN, VK_DOWN, VK_RETURN}, {"rightClick", "copyAndOpen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.withRows) addRow(sunnyDay, "http://example.com/a.mp3");
        SetCursorPos(200, 150);
        POINT cursor{};
        GetCursorPos(&cursor);

        RECT menuRect{};
        HMENU menu = nullptr;
        std::vector<std::string> items;
        std::thread chooser([&] {
            HWND popup = nullptr;
            for (int i = 0; i < 400 && !(popup && IsWindowVisible(popup)); ++i) {
                Sleep(10);
                popup = FindWindowA("#32768", nullptr);
            }
            if (!popup) return;
            GetWindowRect(popup, &menuRect);
            menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                char text[64] = {};
                GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                items.push_back(text);
            }
            for (const UINT key : c.keys) PostMessageA(popup, WM_KEYDOWN, key, 1);
        });
        NMITEMACTIVATE click{};
        click.hdr = {songList().handle(), static_cast<UINT_PTR>(songListId), static_cast<UINT>(NM_RCLICK)};
        click.iItem = -1;
        SendMessageA(window, WM_NOTIFY, songListId, reinterpret_cast<LPARAM>(&click));
        chooser.join();
        pumpPendingMessages();

        EXPECT_EQ(actions, c.actions);
        EXPECT_EQ(menuRect.left, cursor.x + 3);
        EXPECT_EQ(menuRect.top, cursor.y + 3);
        EXPECT_EQ(items, (std::vector<std::string>{"\xCC\xE1\xC8\xA1\xB8\xE8\xC7\xFA\xB5\xD8\xD6\xB7",
                                                   "\xCC\xE1\xC8\xA1\xB2\xA2\xC7\xD2\xB4\xF2\xBF\xAA\xCF\xC2\xD4\xD8"}));
        EXPECT_FALSE(IsMenu(menu));  // destroyed once closed
    }
}
