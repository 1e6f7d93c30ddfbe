#pragma once

#include "util/Win32.h"

namespace tornavel {

// A move-only owner of one platform handle. Traits name the handle type, its
// empty value and how to free it.
template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type value) noexcept : value_(value) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::Empty(); }

    Type Release() noexcept {
        Type value = value_;
        value_ = Traits::Empty();
        return value;
    }

    void Reset(Type value = Traits::Empty()) noexcept {
        if (value_ != Traits::Empty()) Traits::Free(value_);
        value_ = value;
    }

  private:
    Type value_ = Traits::Empty();
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Free(Type handle) noexcept { ::CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Free(Type handle) noexcept { ::FindClose(handle); }
};
using UniqueFind = UniqueHandle<FindHandleTraits>;

// The traits of a handle that is null when empty and freed by `kFree`.
template <typename Handle, auto kFree>
struct NullableHandleTraits {
    using Type = Handle;
    static Type Empty() noexcept { return nullptr; }
    static void Free(Type handle) noexcept { kFree(handle); }
};

using UniqueFont = UniqueHandle<NullableHandleTraits<HFONT, &::DeleteObject>>;
using UniqueBrush = UniqueHandle<NullableHandleTraits<HBRUSH, &::DeleteObject>>;
using UniqueBitmap = UniqueHandle<NullableHandleTraits<HBITMAP, &::DeleteObject>>;
using UniqueIcon = UniqueHandle<NullableHandleTraits<HICON, &::DestroyIcon>>;
using UniqueCursor = UniqueHandle<NullableHandleTraits<HCURSOR, &::DestroyCursor>>;
// A kernel object's handle that is null when empty (a mutex, an event).
using UniqueKernelHandle = UniqueHandle<NullableHandleTraits<HANDLE, &::CloseHandle>>;
using UniqueModule = UniqueHandle<NullableHandleTraits<HMODULE, &::FreeLibrary>>;
// A DC of our own making (CreateCompatibleDC).
using UniqueMemoryDc = UniqueHandle<NullableHandleTraits<HDC, &::DeleteDC>>;
// Memory the system allocated for us with LocalAlloc (FormatMessageW's text).
using UniqueLocalMemory = UniqueHandle<NullableHandleTraits<HLOCAL, &::LocalFree>>;

// The DC of a window, or of the screen for no window, released when it goes.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// A GDI object selected into a DC while the guard lives; then the object
// that was there before is selected back. Declare it after the owner of the
// object, so that the object leaves the DC before it is deleted.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (old_ != nullptr && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tornavel
