#include "app/entry_text.h"

namespace {

const char titleLabel[] = "\xB8\xE8\xC7\xFA\xC3\xFB\xA3\xBA";             // 歌曲名：
const char urlLabel[] = "\r\n\xCA\xD4\xCC\xFD\xB5\xD8\xD6\xB7\xA3\xBA";  // CR LF 试听地址：

bool startsWithIgnoringAsciiCase(const std::string& text, const std::string& lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerPrefix[i]) return false;
    }
    return true;
}

}  // namespace

std::string entryClipboardText(const std::string& title, const std::string& url) {
    return titleLabel + title + urlLabel + url;
}

// The URL comes from a reply anyone on the network path can forge. The shell opens programs,
// UNC paths and file: URLs as readily as web pages, so only plain http(s) text goes through.
bool isOpenableUrl(const std::string& text) {
    if (text.size() > maximumOpenableUrlLength) return false;
    if (!startsWithIgnoringAsciiCase(text, "http://") && !startsWithIgnoringAsciiCase(text, "https://"))
        return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}
