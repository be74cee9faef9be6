#include "dressing/skin_setup_win.h"

#include <utility>
#include <vector>

bool WindowsSkinFiles::entryExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// The process id keeps two copies of the program starting from one folder at once apart.
std::string WindowsSkinFiles::temporaryPathFor(const std::string& path) {
    return path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
}

// Created hidden, so that even a file left by a killed process stays out of sight; flushed before
// it takes the final name, so a power cut cannot leave the name on unwritten blocks.
bool WindowsSkinFiles::writeNewFile(const std::string& path, ByteSpan bytes) {
    if (bytes.size > MAXDWORD) return false;
    const HANDLE created = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    UniqueKernelHandle file(created);
    DWORD written = 0;
    const bool complete = WriteFile(file.get(), bytes.data, static_cast<DWORD>(bytes.size), &written, nullptr) &&
                          written == bytes.size && FlushFileBuffers(file.get());
    // Closing can report a deferred write error (a network folder, say).
    return CloseHandle(file.release()) && complete;
}

bool WindowsSkinFiles::moveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Hidden alone: also clears archive, read-only and system. A failure leaves the file visible,
// which does no harm.
void WindowsSkinFiles::setHiddenOnly(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

// Nothing more to do if even this fails: the temporary name is never looked up.
void WindowsSkinFiles::removeFile(const std::string& path) { DeleteFileA(path.c_str()); }

void failForMissingEntryPoint(const char* entryPoint) {
    // 无法加载 SkinH_EL.dll 的入口点 <name>。/ 程序将退出。
    const std::string text = std::string("\xCE\xDE\xB7\xA8\xBC\xD3\xD4\xD8 SkinH_EL.dll \xB5\xC4\xC8\xEB\xBF\xDA\xB5\xE3 ") +
                             entryPoint + "\xA1\xA3\n\xB3\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";
    // Task-modal: the main window is already on screen and must take no input meanwhile.
    MessageBoxA(nullptr, text.c_str(), "Korvald", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(-1));
}

LoadedSkinEngine::LoadedSkinEngine(std::string modulePath, MissingHandler onMissing)
    : modulePath_(std::move(modulePath)), onMissing_(onMissing) {}

// Loading a damaged file must end in our own error box, not in the system's "bad image" box.
LoadedSkinEngine::AnyEntry LoadedSkinEngine::bind(const char* entryPoint) {
    if (!module_) {
        DWORD previousMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
        module_.reset(LoadLibraryA(modulePath_.c_str()));
        if (!module_) module_.reset(LoadLibraryA("SkinH_EL.dll"));
        SetThreadErrorMode(previousMode, nullptr);
    }
    const FARPROC entry = module_ ? GetProcAddress(module_.get(), entryPoint) : nullptr;
    if (!entry) onMissing_(entryPoint);
    return reinterpret_cast<AnyEntry>(entry);
}

void LoadedSkinEngine::setAero(int on) {
    if (!setAero_) setAero_ = reinterpret_cast<SetAeroEntry>(bind("SkinH_SetAero"));
    if (setAero_) setAero_(on);  // the engine's result is not looked at
}

void LoadedSkinEngine::attachRes(const unsigned char* skin, int length, const char* options, int parts,
                                 int reserved1, int reserved2) {
    if (!attachRes_) attachRes_ = reinterpret_cast<AttachResEntry>(bind("SkinH_AttachRes"));
    if (attachRes_) attachRes_(skin, length, options, parts, reserved1, reserved2);
}

// Resource data stays mapped with the executable: no copy, nothing to release.
ByteSpan executableResource(int id) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const unsigned char*>(data), SizeofResource(nullptr, found)};
}

std::string executablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // truncated: a path longer than MAX_PATH
    }
}

void runBuiltInSkinSteps() {
    static const std::string modulePath = skinEnginePath(executablePath());
    // Static: the module stays loaded, its entry points bound, until the process ends.
    static LoadedSkinEngine engine(modulePath);
    WindowsSkinFiles files;
    const SkinSetup setup{files, engine, modulePath, executableResource(skinEngineImageId),
                          [](int number) { return number >= 1 && number <= 33 ? executableResource(number) : ByteSpan{}; }};
    runSkinSteps(setup);
}
