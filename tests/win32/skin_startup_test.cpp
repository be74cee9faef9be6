// The real Korvald.exe started from fresh folders: the module written and the window dressed, or
// the fatal box when the module cannot be had. Run by skin_startup.sh, which names the exe
// (KORVALD_EXE) and prepares a folder that cannot be written (KORVALD_READONLY_DIR).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/win32/startup_process.h"
#include "tests/win32/temporary_folder.h"

namespace {

const std::string korvaldExe = std::getenv("KORVALD_EXE") ? std::getenv("KORVALD_EXE") : "";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string embeddedEngineImage() {
    const UniqueModule exe(LoadLibraryExA(korvaldExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    const HRSRC found = exe ? FindResourceA(exe.get(), MAKEINTRESOURCEA(100), RT_RCDATA) : nullptr;
    const HGLOBAL loaded = found ? LoadResource(exe.get(), found) : nullptr;
    if (!loaded) return {};
    return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(exe.get(), found));
}

FILETIME lastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

DWORD exitCodeAfter(const KorvaldProcess& korvald, DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(korvald.process.get(), timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(korvald.process.get(), &code);
    return code;
}

// Starts the copy in folder, waits until it is dressed and idle, checks where the engine came
// from, closes it.
void startDressedAndClose(const std::string& folder) {
    const KorvaldProcess korvald = startKorvald(folder + "\\Korvald.exe", folder);
    ASSERT_TRUE(korvald.process);
    HWND window = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (window = findProcessWindow(korvald.processId, nullptr)) && isDressed(window); }, 30000));
    EXPECT_EQ(WaitForInputIdle(korvald.process.get(), 10000), 0u);
    const std::string engine = loadedEnginePath(korvald.process.get());
    EXPECT_EQ(lstrcmpiA(engine.c_str(), (folder + "\\SkinH_EL.dll").c_str()), 0) << engine;
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(exitCodeAfter(korvald, 10000), 0u);
}

}  // namespace

TEST(SkinStartup, FirstStartWritesTheModuleLaterStartsUseIt) {
    ASSERT_FALSE(korvaldExe.empty()) << "KORVALD_EXE names the program under test";
    TemporaryFolder folder;
    ASSERT_TRUE(CopyFileA(korvaldExe.c_str(), (folder / "Korvald.exe").c_str(), FALSE));
    const std::string module = folder / "SkinH_EL.dll";

    startDressedAndClose(folder.path());
    const std::string image = embeddedEngineImage();
    ASSERT_GT(image.size(), 1000u);
    EXPECT_TRUE(readFile(module) == image);
    EXPECT_EQ(GetFileAttributesA(module.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(folder.entries().size(), 2u);  // the program and its module, no temporary file

    const FILETIME written = lastWrite(module);
    startDressedAndClose(folder.path());
    const FILETIME later = lastWrite(module);
    EXPECT_EQ(CompareFileTime(&later, &written), 0);
}

// No module to be had: the box names the module and the entry point, and the exit code is -1.
TEST(SkinStartup, FatalBoxWhenTheModuleCannotBeHad) {
    TemporaryFolder folderNamedLikeTheModule;
    CopyFileA(korvaldExe.c_str(), (folderNamedLikeTheModule / "Korvald.exe").c_str(), FALSE);
    CreateDirectoryA((folderNamedLikeTheModule / "SkinH_EL.dll").c_str(), nullptr);
    const char* readOnly = std::getenv("KORVALD_READONLY_DIR");
    struct Case {
        const char* name;
        std::string folder;
    };
    const Case cases[] = {
        {"a folder named SkinH_EL.dll", folderNamedLikeTheModule.path()},
        {"a folder that cannot be written", readOnly ? readOnly : ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.folder.empty()) << "KORVALD_READONLY_DIR names a prepared read-only folder";
        const KorvaldProcess korvald = startKorvald(c.folder + "\\Korvald.exe", c.folder);
        ASSERT_TRUE(korvald.process);
        HWND box = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (box = findProcessWindow(korvald.processId, "#32770")) != nullptr; },
                              30000));
        char text[512] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text control
        const std::string shown = text;
        EXPECT_NE(shown.find("SkinH_EL.dll"), std::string::npos) << shown;
        EXPECT_NE(shown.find("SkinH_SetAero"), std::string::npos) << shown;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(exitCodeAfter(korvald, 10000), static_cast<DWORD>(-1));
        const DWORD attributes = GetFileAttributesA((c.folder + "\\SkinH_EL.dll").c_str());
        EXPECT_TRUE(attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY));
    }
}
