#pragma once

// An owning COM interface pointer: one reference, released on destruction.

#include "win32/windows_headers.h"

#include <utility>

namespace tessaly::win32 {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a reference of its own.
  explicit ComPtr(T* pointer) : pointer_(pointer) {
    if (pointer_) pointer_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Adopts a reference the caller already owns (an out-argument's).
  static ComPtr Adopt(T* pointer) {
    ComPtr result;
    result.pointer_ = pointer;
    return result;
  }

  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }
  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-arguments: releases what is held first.
  T** Receive() {
    Reset();
    return &pointer_;
  }
  T* Detach() { return std::exchange(pointer_, nullptr); }

  template <class U>
  ComPtr<U> As(const IID& iid) const {
    ComPtr<U> result;
    if (pointer_) pointer_->QueryInterface(iid, reinterpret_cast<void**>(result.Receive()));
    return result;
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace tessaly::win32
