// The four entry points of a COM in-process server.

#include "win32/windows_headers.h"

#include "win32/com/class_factory.h"
#include "win32/com/connect_object.h"
#include "win32/com/registration.h"
#include "win32/com/server.h"
#include "win32/com/vbide_tab_object.h"
#include "win32/com_barrier.h"

using tessaly::win32::Barrier;
using tessaly::win32::ServerLock;
using tessaly::win32::TheServer;

namespace {

using tessaly::win32::ClassFactory;
using tessaly::win32::MakeComObject;

HRESULT MakeConnect(REFIID iid, void** object) {
  return MakeComObject<tessaly::win32::ConnectObject>(iid, object, TheServer());
}

HRESULT MakeVBIDETab(REFIID iid, void** object) {
  auto& server = TheServer();
  return MakeComObject<tessaly::win32::VBIDETabObject>(iid, object, server.Module(),
                                                       server.Component().NewTabDocument());
}

constinit ClassFactory connect_factory(MakeConnect);
constinit ClassFactory vbide_tab_factory(MakeVBIDETab);

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID class_id, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualCLSID(class_id, CLSID_Connect)) return connect_factory.QueryInterface(iid, object);
  if (IsEqualCLSID(class_id, CLSID_VBIDETab)) return vbide_tab_factory.QueryInterface(iid, object);
  return CLASS_E_CLASSNOTAVAILABLE;
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
