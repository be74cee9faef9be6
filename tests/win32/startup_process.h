// Starting the real Korvald.exe from a folder and watching it from outside, as a user's system
// would see it: shared by the start-up tests and the start-up benchmark.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <string>

#include "app/unique_handle_win.h"

struct KorvaldProcess {
    UniqueKernelHandle process;
    DWORD processId = 0;
};

// Starts exePath with folder as its current folder; no process on failure.
inline KorvaldProcess startKorvald(const std::string& exePath, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started))
        return {};
    CloseHandle(started.hThread);
    return {UniqueKernelHandle(started.hProcess), started.dwProcessId};
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

inline BOOL CALLBACK matchProcessWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char text[256] = "";
    if (search.className) GetClassNameA(window, text, sizeof text);
    else GetWindowTextA(window, text, sizeof text);
    const char* wanted = search.className ? search.className : "Bremlock\xD6\xAEKorvald ";  // Bremlock之Korvald
    if (owner != search.processId || !IsWindowVisible(window) || lstrcmpA(text, wanted) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

// The process's visible top-level window of the given class ("#32770" for a message box), or
// with the main window's caption when className is null.
inline HWND findProcessWindow(DWORD processId, const char* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The skin engine marks every window it has dressed with this property.
inline bool isDressed(HWND window) { return GetPropA(window, "Korvald.SkinState") != nullptr; }

// Where the process loaded SkinH_EL.dll from; empty when it has not.
inline std::string loadedEnginePath(HANDLE process) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed)) return {};
    for (DWORD k = 0; k < needed / sizeof(HMODULE) && k < 512; ++k) {
        char path[MAX_PATH] = "";
        GetModuleFileNameExA(process, modules[k], path, MAX_PATH);
        const char* name = strrchr(path, '\\');
        if (name && lstrcmpiA(name + 1, "SkinH_EL.dll") == 0) return path;
    }
    return {};
}

// Polls until ready() holds or timeoutMs have passed.
template <typename Ready>
bool waitUntil(Ready ready, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!ready()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(1);
    }
    return true;
}
