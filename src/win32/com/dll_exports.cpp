// The four entry points of a COM in-process server.

#include "win32/windows_headers.h"

#include "win32/com/class_factory.h"
#include "win32/com/connect_object.h"
#include "win32/com/registration.h"
#include "win32/com/server.h"
#include "win32/com/vbide_tab_object.h"
#include "win32/com_barrier.h"

using tessaly::win32::Barrier;
using tessaly::win32::ClassFactory;
using tessaly::win32::ConnectObject;
using tessaly::win32::Server;
using tessaly::win32::ServerLock;
using tessaly::win32::TheServer;
using tessaly::win32::VBIDETabObject;

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID class_id, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return Barrier([&]() -> HRESULT {
    Server& server = TheServer();
    ClassFactory::Maker maker;
    if (IsEqualCLSID(class_id, CLSID_Connect)) {
      maker = [&server]() -> IUnknown* { return new ConnectObject(server); };
    } else if (IsEqualCLSID(class_id, CLSID_VBIDETab)) {
      maker = [&server]() -> IUnknown* {
        return static_cast<_VBIDETab*>(
            new VBIDETabObject(server, server.Component().NewTabDocument()));
      };
    } else {
      return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new ClassFactory(std::move(maker));
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
  });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return ServerLock::Count() == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return Barrier([] { return tessaly::win32::RegisterServer(TheServer().ModulePath()); });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return Barrier([] { return tessaly::win32::UnregisterServer(); });
}
