#pragma once

#include "windows/win32/system.h"

#include <utility>

// Owners for the handles the windows use, each released once by its destructor: GDI objects,
// windows, COM interfaces, dropped file lists.
namespace lumivane::win32 {

/// A handle with one way of release, movable and not copyable.
template <class Handle, auto Free> class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    /// Gives the handle up without releasing it.
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_)
            Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

namespace detail {
inline void deleteObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void destroyWindow(HWND window) {
    DestroyWindow(window);
}
inline void dragFinish(HDROP drop) {
    DragFinish(drop);
}
inline void deleteDc(HDC dc) {
    DeleteDC(dc);
}
} // namespace detail

using Font = Owned<HFONT, detail::deleteObject>;
using Brush = Owned<HBRUSH, detail::deleteObject>;
using BitmapHandle = Owned<HBITMAP, detail::deleteObject>;
using WindowHandle = Owned<HWND, detail::destroyWindow>;
/// A shell drop's file list, handed back with DragFinish.
using DropHandle = Owned<HDROP, detail::dragFinish>;
using MemoryDc = Owned<HDC, detail::deleteDc>;

/// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

/// Selects an object into a device context and puts the previous one back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

/// A COM interface pointer that holds one reference.
template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    /// Takes over a reference the caller already holds.
    explicit ComPtr(Interface* taken) : pointer_(taken) {}
    ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
        if (pointer_)
            pointer_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void reset() {
        if (pointer_)
            std::exchange(pointer_, nullptr)->Release();
    }
    /// For functions that hand out a new reference: releases the present one first.
    Interface** out() {
        reset();
        return &pointer_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

private:
    Interface* pointer_ = nullptr;
};

} // namespace lumivane::win32
