// Skin set-up: the engine module written next to the executable once, then a skin attached.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct ByteSpan {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The file steps, so that their rules run against a temporary folder or a double.
class SkinFiles {
public:
    virtual ~SkinFiles() = default;
    // Whether any entry of that exact name exists, a file or a folder.
    virtual bool entryExists(const std::string& path) = 0;
    // A name beside path that no other running process uses.
    virtual std::string temporaryPathFor(const std::string& path) = 0;
    // Creates path (never over an existing entry) and writes every byte; false on any failure.
    virtual bool writeNewFile(const std::string& path, ByteSpan bytes) = 0;
    virtual bool moveReplacing(const std::string& from, const std::string& to) = 0;
    virtual void setHiddenOnly(const std::string& path) = 0;
    virtual void removeFile(const std::string& path) = 0;
};

// The engine's two entry points.
class SkinEngine {
public:
    virtual ~SkinEngine() = default;
    virtual void setAero(int on) = 0;
    virtual void attachRes(const unsigned char* skin, int length, const char* options, int parts,
                           int reserved1, int reserved2) = 0;
};

struct SkinSetup {
    SkinFiles& files;
    SkinEngine& engine;
    std::string modulePath;                  // skinEnginePath of the running executable
    ByteSpan engineImage;                    // SkinEngineImage
    std::function<ByteSpan(int)> skinTable;  // SkinTable entry 1 to 33; empty when absent
};

// The executable's folder (cut at its last backslash) followed by "\SkinH_EL.dll".
std::string skinEnginePath(const std::string& executablePath);

void ensureSkinEngineModule(SkinFiles& files, const std::string& modulePath, ByteSpan image);
void prepareSkinEngine(const SkinSetup& setup);
void applyBuiltInSkin(const SkinSetup& setup, int skinNumber);

// The skin steps of the start-up: prepare the engine, draw a skin from 1 to 33, attach it.
void runSkinSteps(const SkinSetup& setup);
