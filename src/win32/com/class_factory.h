#pragma once

// The class factory of each of our two classes: it makes one object per request.

#include "win32/windows_headers.h"

#include <functional>

#include "win32/server_lock.h"

namespace tessaly::win32 {

class ClassFactory final : public IClassFactory {
 public:
  // Makes a new object holding one reference; null when it cannot.
  using Maker = std::function<IUnknown*()>;
  explicit ClassFactory(Maker maker) : maker_(std::move(maker)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  virtual ~ClassFactory() = default;

  LONG references_ = 1;
  ServerLock lock_;
  Maker maker_;
};

}  // namespace tessaly::win32
