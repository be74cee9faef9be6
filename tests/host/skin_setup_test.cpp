#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dressing/random.h"
#include "dressing/skin_setup.h"

namespace {

// A folder in memory whose writes and moves can be made to fail.
struct MemoryFiles : SkinFiles {
    std::map<std::string, std::string> files;
    std::set<std::string> folders, hidden;
    std::size_t bytesBeforeWriteFails = SIZE_MAX;
    bool moveFails = false;
    int writes = 0;

    bool entryExists(const std::string& path) override { return files.count(path) || folders.count(path); }
    std::string temporaryPathFor(const std::string& path) override { return path + ".tmp"; }
    bool writeNewFile(const std::string& path, ByteSpan bytes) override {
        if (entryExists(path)) return false;
        ++writes;
        const std::size_t written = std::min(bytes.size, bytesBeforeWriteFails);
        files[path].assign(reinterpret_cast<const char*>(bytes.data), written);
        return written == bytes.size;
    }
    bool moveReplacing(const std::string& from, const std::string& to) override {
        if (moveFails || !files.count(from) || folders.count(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    void setHiddenOnly(const std::string& path) override { hidden.insert(path); }
    void removeFile(const std::string& path) override { files.erase(path); }
};

const std::string modulePath = "C:\\Tools\\SkinH_EL.dll";
const std::string image = "MZ engine image bytes";

ByteSpan spanOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

}  // namespace

TEST(SkinEnginePath, FolderOfTheExecutable) {
    EXPECT_EQ(skinEnginePath("C:\\Program Files\\Korvald\\Korvald.exe"), "C:\\Program Files\\Korvald\\SkinH_EL.dll");
    EXPECT_EQ(skinEnginePath("X:\\Korvald.exe"), "X:\\SkinH_EL.dll");
    EXPECT_EQ(skinEnginePath("\\\\server\\share\\Korvald.exe"), "\\\\server\\share\\SkinH_EL.dll");
}

TEST(EnsureSkinEngineModule, WritesOnlyCompleteImagesAndNeverTouchesAnExistingEntry) {
    enum Before { Nothing, OtherFile, Folder };
    struct Case {
        const char* name;
        Before before;
        std::size_t bytesBeforeWriteFails;
        bool moveFails;
        std::string imageBytes;
        std::map<std::string, std::string> filesAfter;
        bool hidden;
    };
    const Case cases[] = {
        {"first start", Nothing, SIZE_MAX, false, image, {{modulePath, image}}, true},
        {"other content is kept", OtherFile, SIZE_MAX, false, image, {{modulePath, "older build"}}, false},
        {"a folder counts as present", Folder, SIZE_MAX, false, image, {}, false},
        {"write fails part-way", Nothing, 5, false, image, {}, false},
        {"write fails at once", Nothing, 0, false, image, {}, false},
        {"move fails", Nothing, SIZE_MAX, true, image, {}, false},
        {"no image to write", Nothing, SIZE_MAX, false, "", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryFiles files;
        if (c.before == OtherFile) files.files[modulePath] = "older build";
        if (c.before == Folder) files.folders.insert(modulePath);
        files.bytesBeforeWriteFails = c.bytesBeforeWriteFails;
        files.moveFails = c.moveFails;
        ensureSkinEngineModule(files, modulePath, spanOf(c.imageBytes));
        EXPECT_EQ(files.files, c.filesAfter);
        EXPECT_EQ(files.hidden.count(modulePath) == 1, c.hidden);
        EXPECT_EQ(files.folders.count(modulePath) == 1, c.before == Folder);
    }
}

namespace {

struct RecordingEngine : SkinEngine {
    std::vector<std::string> calls;
    std::vector<unsigned char> skinPassed;
    const unsigned char* skinPointer = nullptr;
    void setAero(int on) override { calls.push_back("SetAero " + std::to_string(on)); }
    void attachRes(const unsigned char* skin, int length, const char* options, int parts, int reserved1,
                   int reserved2) override {
        skinPointer = skin;
        skinPassed.assign(skin, skin + length);
        calls.push_back("AttachRes " + std::to_string(length) + " options=" +
                        (options ? "'" + std::string(options) + "'" : "null") + " " + std::to_string(parts) +
                        " " + std::to_string(reserved1) + " " + std::to_string(reserved2));
    }
};

// Skin n is ".SHE" 00 03 followed by filler: 100 + n bytes, so its length names it.
struct FakeSkinTable {
    std::vector<std::string> entries = std::vector<std::string>(34);
    std::vector<int> drawn;
    FakeSkinTable() {
        for (int n = 1; n <= 33; ++n) entries[n] = std::string(".SHE\0\3", 6) + std::string(94 + n, char('a' + n % 26));
    }
    ByteSpan operator()(int number) {
        drawn.push_back(number);
        return number >= 1 && number <= 33 ? spanOf(entries[number]) : ByteSpan{};
    }
};

struct SkinStepsFixture {
    MemoryFiles files;
    RecordingEngine engine;
    FakeSkinTable table;
    SkinSetup setup{files, engine, modulePath, spanOf(image), [this](int n) { return table(n); }};
};

}  // namespace

TEST(SkinSteps, AeroOnceThenOneSkinCopyWithEmptyOptions) {
    SkinStepsFixture f;
    seedRandomGenerator(1);  // draws 41: skin 1 + 41 % 33 = 9
    runSkinSteps(f.setup);
    ASSERT_EQ(f.table.drawn, std::vector<int>{9});
    const std::string& skin = f.table.entries[9];
    EXPECT_EQ(f.engine.calls, (std::vector<std::string>{"SetAero 1", "AttachRes 109 options='' 0 0 0"}));
    EXPECT_EQ(std::string(f.engine.skinPassed.begin(), f.engine.skinPassed.begin() + 4), ".SHE");
    EXPECT_EQ(std::string(f.engine.skinPassed.begin(), f.engine.skinPassed.end()), skin);
    EXPECT_NE(f.engine.skinPointer, reinterpret_cast<const unsigned char*>(skin.data()));  // a copy
    EXPECT_EQ(f.files.writes, 1);  // the second lookup finds the module written by the first
}

TEST(SkinSteps, EverySkinNumberOccursAndNoOther) {
    SkinStepsFixture f;
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        seedRandomGenerator(seed * 7919u);
        runSkinSteps(f.setup);
    }
    const std::set<int> drawn(f.table.drawn.begin(), f.table.drawn.end());
    EXPECT_EQ(drawn.size(), 33u);
    EXPECT_EQ(*drawn.begin(), 1);
    EXPECT_EQ(*drawn.rbegin(), 33);
}
