#include "win32/com/class_factory.h"

#include "win32/com_barrier.h"

namespace tessaly::win32 {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  return InterlockedIncrement(&references_);
}

ULONG ClassFactory::Release() {
  const ULONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return Barrier([&] {
    IUnknown* made = maker_();
    if (!made) return E_OUTOFMEMORY;
    const HRESULT result = made->QueryInterface(iid, object);
    made->Release();
    return result;
  });
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  ServerLock::Lock(lock != FALSE);
  return S_OK;
}

}  // namespace tessaly::win32
