// A fresh folder for one test under the temporary folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        static int serial = 0;
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "korvald-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TemporaryFolder() {
        for (const std::string& name : entries()) {
            const std::string entry = path_ + "\\" + name;
            SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(entry.c_str())) RemoveDirectoryA(entry.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

private:
    std::string path_;
};
