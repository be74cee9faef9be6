// The actions on the selected song: the popup menu, copying to the clipboard, opening the URL.
#pragma once

#include <windows.h>

#include <string>

#include "app/song_list_win.h"

// The shell call that opens a URL; tests hand in a recorder.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

void showEntryMenu(HWND mainWindow);
void copySelectedEntry(const ListViewSongList& songList);
void copyAndOpenSelectedEntry(const ListViewSongList& songList, ShellExecuteFunction shellExecute);
void setClipboardText(const std::string& text);
void openUrl(const std::string& text, ShellExecuteFunction shellExecute);
