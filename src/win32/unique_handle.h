#pragma once

// Owning handles of the platform, one small type each, closed when they go (in the style of
// WIL's unique_hkey): registry keys, hooks, GDI objects, screen device contexts, BSTRs.

#include "win32/windows_headers.h"

#include <utility>

namespace tessaly::win32 {

template <class Handle, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // For out-arguments: closes what is held first.
  Handle* Receive() {
    Reset();
    return &handle_;
  }
  void Reset(Handle handle = {}) {
    if (handle_ != Handle{}) Close(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

namespace closing {
inline void Key(HKEY key) {
  RegCloseKey(key);
}
inline void Hook(HHOOK hook) {
  UnhookWindowsHookEx(hook);
}
inline void String(BSTR text) {
  SysFreeString(text);
}
template <class GdiObject>
void Gdi(GdiObject object) {
  DeleteObject(object);
}
inline void ScreenDc(HDC dc) {
  ReleaseDC(nullptr, dc);
}
inline void File(HANDLE file) {
  CloseHandle(file);
}
}  // namespace closing

using UniqueHkey = UniqueHandle<HKEY, &closing::Key>;
using UniqueHook = UniqueHandle<HHOOK, &closing::Hook>;
using UniqueBstr = UniqueHandle<BSTR, &closing::String>;
template <class GdiObject>
using UniqueGdiObject = UniqueHandle<GdiObject, &closing::Gdi<GdiObject>>;
using UniqueScreenDc = UniqueHandle<HDC, &closing::ScreenDc>;
// Only for a handle that is valid: a file's invalid handle is not null.
using UniqueFile = UniqueHandle<HANDLE, &closing::File>;

// The screen's device context, for measuring.
inline UniqueScreenDc ScreenDc() {
  return UniqueScreenDc(GetDC(nullptr));
}

// An object selected into a device context until the selection goes.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tessaly::win32
