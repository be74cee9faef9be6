#include "dressing/skin_setup.h"

#include <vector>

#include "dressing/random.h"

std::string skinEnginePath(const std::string& executablePath) {
    const std::size_t cut = executablePath.rfind('\\');
    const std::string folder = cut == std::string::npos ? std::string() : executablePath.substr(0, cut);
    return folder + "\\SkinH_EL.dll";
}

// Any entry of the name is used as found, never replaced. A new module first goes to a temporary
// file and only takes the name once complete: a short file under the name would be found by every
// later start and fail to load, with no way out but deleting a hidden file by hand.
void ensureSkinEngineModule(SkinFiles& files, const std::string& modulePath, ByteSpan image) {
    if (image.size == 0 || files.entryExists(modulePath)) return;
    const std::string temporary = files.temporaryPathFor(modulePath);
    if (files.writeNewFile(temporary, image) && files.moveReplacing(temporary, modulePath)) {
        files.setHiddenOnly(modulePath);
        return;
    }
    files.removeFile(temporary);
}

void prepareSkinEngine(const SkinSetup& setup) {
    ensureSkinEngineModule(setup.files, setup.modulePath, setup.engineImage);
    setup.engine.setAero(1);
}

// The engine gets a private copy, released as soon as the call returns.
void applyBuiltInSkin(const SkinSetup& setup, int skinNumber) {
    ensureSkinEngineModule(setup.files, setup.modulePath, setup.engineImage);
    const ByteSpan entry = setup.skinTable(skinNumber);
    if (entry.size == 0) return;
    const std::vector<unsigned char> copy(entry.data, entry.data + entry.size);
    static const char noOptions[] = "";
    setup.engine.attachRes(copy.data(), static_cast<int>(copy.size()), noOptions, 0, 0, 0);
}

void runSkinSteps(const SkinSetup& setup) {
    prepareSkinEngine(setup);
    applyBuiltInSkin(setup, randomBetween(33, 1));
}
