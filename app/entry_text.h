// The texts of the entry actions: the clipboard text of a song, and which URLs may be opened.
#pragma once

#include <cstddef>
#include <string>

// The longest URL handed to the shell; Wine's shell overflows a 1,024-character buffer beyond it.
constexpr std::size_t maximumOpenableUrlLength = 1000;

// "歌曲名：" title CR LF "试听地址：" url, byte for byte, with no line break at the end.
std::string entryClipboardText(const std::string& title, const std::string& url);

// Whether a URL from a playlist reply is safe to hand to the shell.
bool isOpenableUrl(const std::string& text);
