#pragma once

// What the fake host's COM objects share: a reference count that deletes the object at zero,
// and QueryInterface answered from lists of the interfaces an object offers.

#include "win32/windows_headers.h"

#include <initializer_list>

namespace tessaly::fake_host {

template <class... Interfaces>
class RefCounted : public Interfaces... {
 public:
  RefCounted() = default;
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~RefCounted() = default;

 private:
  ULONG references_ = 1;
};

// Hands out `self` with a reference when `iid` is one of `offered`.
inline bool Offer(REFIID iid, std::initializer_list<IID> offered, IUnknown* self, void** object) {
  for (const IID& candidate : offered) {
    if (IsEqualIID(iid, candidate)) {
      *object = self;
      self->AddRef();
      return true;
    }
  }
  return false;
}

}  // namespace tessaly::fake_host
