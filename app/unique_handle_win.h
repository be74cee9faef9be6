// One move-only owner for every kind of Windows handle: closed exactly once, never copied.
#pragma once

#include <windows.h>

#include <utility>

// Closer is a function object that releases one handle. T{} means "no handle"; callers of APIs
// that fail with INVALID_HANDLE_VALUE store nullptr instead.
template <typename T, typename Closer>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != T{}; }
    // Gives the handle up, e.g. to a window after SetWindowRgn or to the clipboard.
    T release() { return std::exchange(handle_, T{}); }
    void reset(T handle = T{}) {
        const T old = std::exchange(handle_, handle);
        if (old != T{}) Closer{}(old);
    }

private:
    T handle_{};
};

struct MenuCloser {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct GdiObjectCloser {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct GlobalCloser {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ModuleCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using UniqueMenu = UniqueHandle<HMENU, MenuCloser>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectCloser>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalCloser>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleCloser>;
using UniqueModule = UniqueHandle<HMODULE, ModuleCloser>;
