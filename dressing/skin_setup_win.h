// The skin set-up on Windows: the real folder, the engine module, the executable's resources.
#pragma once

#include <windows.h>

#include <string>

#include "app/unique_handle_win.h"
#include "dressing/skin_setup.h"

constexpr int skinEngineImageId = 100;  // RCDATA beside the skins, RCDATA 1 to 33

class WindowsSkinFiles : public SkinFiles {
public:
    bool entryExists(const std::string& path) override;
    std::string temporaryPathFor(const std::string& path) override;
    bool writeNewFile(const std::string& path, ByteSpan bytes) override;
    bool moveReplacing(const std::string& from, const std::string& to) override;
    void setHiddenOnly(const std::string& path) override;
    void removeFile(const std::string& path) override;
};

// Shows the fatal error box naming the module and the entry point, then ends the process with -1.
[[noreturn]] void failForMissingEntryPoint(const char* entryPoint);

// Binds each entry point at its first call: the module by full path, else by plain name through
// the ordinary library search. The module stays loaded for the object's lifetime.
class LoadedSkinEngine : public SkinEngine {
public:
    using MissingHandler = void (*)(const char* entryPoint);
    explicit LoadedSkinEngine(std::string modulePath, MissingHandler onMissing = failForMissingEntryPoint);
    void setAero(int on) override;
    void attachRes(const unsigned char* skin, int length, const char* options, int parts, int reserved1,
                   int reserved2) override;

private:
    using AnyEntry = void (*)();  // converts to every other function pointer type without a warning
    AnyEntry bind(const char* entryPoint);

    using SetAeroEntry = int(WINAPI*)(int);
    using AttachResEntry = int(WINAPI*)(const unsigned char*, int, const char*, int, int, int);
    std::string modulePath_;
    MissingHandler onMissing_;
    UniqueModule module_;
    SetAeroEntry setAero_ = nullptr;
    AttachResEntry attachRes_ = nullptr;
};

// An RCDATA resource of the executable, empty when absent.
ByteSpan executableResource(int id);

// The full path of the running executable.
std::string executablePath();

// The start-up's skin steps with the real folder, engine and resources.
void runBuiltInSkinSteps();
