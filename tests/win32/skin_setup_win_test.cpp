#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dressing/skin_setup_win.h"
#include "tests/win32/temporary_folder.h"

namespace {

std::string besideTest(const std::string& name) {
    const std::string self = executablePath();
    return self.substr(0, self.rfind('\\') + 1) + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ByteSpan spanOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// The attributes Wine can store (it reports the archive bit beside them).
DWORD storedAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY |
                                              FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
}

FILETIME lastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

const std::string image = readFile(besideTest("skin_engine.bin"));

}  // namespace

TEST(SkinEngineFile, FirstStartWritesItHiddenLaterStartsLeaveItAlone) {
    ASSERT_GT(image.size(), 1000u);
    TemporaryFolder folder;
    const std::string module = folder / "SkinH_EL.dll";
    WindowsSkinFiles files;
    ensureSkinEngineModule(files, module, spanOf(image));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SkinH_EL.dll"});
    EXPECT_TRUE(readFile(module) == image);
    EXPECT_EQ(storedAttributes(module), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));

    const FILETIME written = lastWrite(module);
    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_NORMAL}}) {
        SCOPED_TRACE(attributes);
        SetFileAttributesA(module.c_str(), attributes);  // the user may have made it visible
        const DWORD before = storedAttributes(module);
        ensureSkinEngineModule(files, module, spanOf("another build of the engine"));
        EXPECT_TRUE(readFile(module) == image);
        EXPECT_EQ(storedAttributes(module), before);
        const FILETIME now = lastWrite(module);
        EXPECT_EQ(CompareFileTime(&now, &written), 0);
        EXPECT_EQ(folder.entries().size(), 1u);
    }
}

namespace {

// Writes the first half of the image for real, then fails, like a full disk.
struct HalfWritingFiles : WindowsSkinFiles {
    bool writeNewFile(const std::string& path, ByteSpan bytes) override {
        WindowsSkinFiles::writeNewFile(path, {bytes.data, bytes.size / 2});
        return false;
    }
};

}  // namespace

TEST(SkinEngineFile, NothingOfTheNameAppearsUnlessComplete) {
    struct Case {
        const char* name;
        bool folderOfTheName;
        bool writeFails;
        std::vector<std::string> entriesAfter;
        DWORD attributesAfter;
    };
    const Case cases[] = {
        {"a folder of the name counts as present", true, false, {"SkinH_EL.dll"}, FILE_ATTRIBUTE_DIRECTORY},
        {"a write failing part-way leaves nothing", false, true, {}, INVALID_FILE_ATTRIBUTES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFolder folder;
        const std::string module = folder / "SkinH_EL.dll";
        if (c.folderOfTheName) CreateDirectoryA(module.c_str(), nullptr);
        WindowsSkinFiles realFiles;
        HalfWritingFiles failingFiles;
        ensureSkinEngineModule(c.writeFails ? failingFiles : realFiles, module, spanOf(image));
        EXPECT_EQ(folder.entries(), c.entriesAfter);
        EXPECT_EQ(GetFileAttributesA(module.c_str()) & c.attributesAfter, c.attributesAfter);
    }
}

namespace {

std::vector<std::string> missingEntryPoints;
void recordMissing(const char* entryPoint) { missingEntryPoints.push_back(entryPoint); }

std::string loadedEngineFile() {
    char path[MAX_PATH] = "";
    const HMODULE engine = GetModuleHandleA("SkinH_EL.dll");
    if (engine) GetModuleFileNameA(engine, path, MAX_PATH);
    return path;
}

}  // namespace

// Full path first, then the plain name through the library search (here: a folder on PATH; the
// current folder, also searched, is an empty one).
TEST(SkinEngineBinding, FullPathThenPlainNameElseTheFatalPath) {
    TemporaryFolder beside, onPath, broken, current;
    char originalCurrent[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, originalCurrent);
    SetCurrentDirectoryA(current.path().c_str());
    CopyFileA(besideTest("skin_engine.bin").c_str(), (beside / "SkinH_EL.dll").c_str(), FALSE);
    CopyFileA(besideTest("skin_engine.bin").c_str(), (onPath / "SkinH_EL.dll").c_str(), FALSE);
    CopyFileA(besideTest("no_entry_points.bin").c_str(), (broken / "SkinH_EL.dll").c_str(), FALSE);
    char path[32767];
    GetEnvironmentVariableA("PATH", path, sizeof path);
    const std::string originalPath = path;

    struct Case {
        const char* name;
        std::string modulePath;
        bool engineOnPath;
        std::string loadedFrom;  // empty: not loaded
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {"beside the executable", beside / "SkinH_EL.dll", true, beside / "SkinH_EL.dll", {}},
        {"not beside it: found on PATH", beside / "absent\\SkinH_EL.dll", true, onPath / "SkinH_EL.dll", {}},
        {"nowhere", beside / "absent\\SkinH_EL.dll", false, "", {"SkinH_SetAero", "SkinH_AttachRes"}},
        {"a module without the entry points", broken / "SkinH_EL.dll", false, broken / "SkinH_EL.dll",
         {"SkinH_SetAero", "SkinH_AttachRes"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(GetModuleHandleA("SkinH_EL.dll"), nullptr);
        SetEnvironmentVariableA("PATH", (c.engineOnPath ? onPath.path() + ";" : "").append(originalPath).c_str());
        missingEntryPoints.clear();
        {
            LoadedSkinEngine engine(c.modulePath, recordMissing);
            engine.setAero(1);
            const unsigned char notASkin[] = "not a skin";
            engine.attachRes(notASkin, sizeof notASkin, "", 0, 0, 0);  // refused by the engine, harmlessly
            EXPECT_EQ(lstrcmpiA(loadedEngineFile().c_str(), c.loadedFrom.c_str()), 0) << loadedEngineFile();
            EXPECT_EQ(missingEntryPoints, c.missing);
        }
        EXPECT_EQ(GetModuleHandleA("SkinH_EL.dll"), nullptr);  // released with its owner
    }
    SetEnvironmentVariableA("PATH", originalPath.c_str());
    SetCurrentDirectoryA(originalCurrent);
}
