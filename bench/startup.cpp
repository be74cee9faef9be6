// Time from process start until Korvald's window is shown, dressed and its message loop idle,
// over fresh folders (the module is written) and over one folder that already holds it. The
// animation's pauses (11 ms a frame) are part of it; the time outside them is shown apart.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/startup_process.h"
#include "tests/win32/temporary_folder.h"

namespace {

struct Start {
    double shownMs;  // until the window is first visible (before the animation's first frame)
    double totalMs;
    double outsidePausesMs;
};

// The effect's frame count, read back from the region its last frame left on the window.
int framesPlayed(HWND window) {
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.get()) == ERROR) return 0;  // number 14: no animation
    RECT box{};
    GetRgnBox(region.get(), &box);
    const bool blinds = box.bottom == 544 || box.right == 544;
    return blinds ? 17 : 33;
}

bool timeOneStart(const std::string& folder, Start& start) {
    LARGE_INTEGER frequency, begin;
    QueryPerformanceFrequency(&frequency);
    const auto elapsedMs = [&] {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return double(now.QuadPart - begin.QuadPart) * 1000.0 / double(frequency.QuadPart);
    };
    QueryPerformanceCounter(&begin);
    const KorvaldProcess korvald = startKorvald(folder + "\\Korvald.exe", folder);
    HWND window = nullptr;
    start.shownMs = 0;
    const bool ready = korvald.process &&
                       waitUntil(
                           [&] {
                               window = findProcessWindow(korvald.processId, nullptr);
                               if (window && start.shownMs == 0) start.shownMs = elapsedMs();
                               return window && isDressed(window);
                           },
                           30000) &&
                       WaitForInputIdle(korvald.process.get(), 10000) == 0;
    if (!ready) return false;
    start.totalMs = elapsedMs();
    start.outsidePausesMs = start.totalMs - 11.0 * framesPlayed(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(korvald.process.get(), 10000);
    return true;
}

void report(const char* name, std::vector<Start> starts) {
    auto show = [&](const char* what, double Start::*field) {
        std::vector<double> values;
        for (const Start& s : starts) values.push_back(s.*field);
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        std::printf("%-12s %-15s median %7.1f ms   quartiles %7.1f .. %7.1f   range %7.1f .. %7.1f  (%zu starts)\n", name,
                    what, values[n / 2], values[n / 4], values[(3 * n) / 4], values.front(), values.back(), n);
    };
    show("shown", &Start::shownMs);
    show("total", &Start::totalMs);
    show("outside pauses", &Start::outsidePausesMs);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const std::string self = [] {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return std::string(path);
    }();
    const std::string korvaldExe = self.substr(0, self.rfind('\\')) + "\\..\\Korvald.exe";

    std::vector<Start> first, later;
    TemporaryFolder kept;
    CopyFileA(korvaldExe.c_str(), (kept / "Korvald.exe").c_str(), FALSE);
    Start start{};
    if (!timeOneStart(kept.path(), start)) return std::fprintf(stderr, "Korvald did not start\n"), 1;
    for (int k = 0; k < count; ++k) {
        TemporaryFolder fresh;
        CopyFileA(korvaldExe.c_str(), (fresh / "Korvald.exe").c_str(), FALSE);
        if (timeOneStart(fresh.path(), start)) first.push_back(start);
        if (timeOneStart(kept.path(), start)) later.push_back(start);
    }
    if (first.empty() || later.empty()) return std::fprintf(stderr, "no start completed\n"), 1;
    report("first start", first);
    report("later start", later);
    return 0;
}
