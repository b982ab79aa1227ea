#pragma once

// The class factory of each of our two classes, a static object as in Wine's own servers: it
// lives as long as the DLL and makes one object per request. A reference a client holds still
// keeps the DLL loaded, as a lock of the server.

#include "win32/windows_headers.h"

namespace tessaly::win32 {

class ClassFactory final : public IClassFactory {
 public:
  // Makes the object and hands out the interface `iid` names.
  using Maker = HRESULT (*)(REFIID iid, void** object);
  constexpr explicit ClassFactory(Maker maker) : maker_(maker) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  Maker maker_;
};

}  // namespace tessaly::win32
