#include "win32/com/class_factory.h"

#include "win32/com_barrier.h"
#include "win32/server_lock.h"

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

// The object is never deleted; the counts a static object returns mean nothing to a client.
ULONG ClassFactory::AddRef() {
  ServerLock::Lock(true);
  return 2;
}

ULONG ClassFactory::Release() {
  ServerLock::Lock(false);
  return 1;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return Barrier([&] { return maker_(iid, object); });
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  ServerLock::Lock(lock != FALSE);
  return S_OK;
}

}  // namespace tessaly::win32
