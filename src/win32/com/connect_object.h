#pragma once

// QWIX.Connect: the add-in object the editors create. The editors call it through the vtable
// of _IDTExtensibility2; script clients and tests through IDispatch. Both reach the same five
// methods, each behind the barrier.

#include <memory>

#include "composition/tessaly_add_in.h"
#include "qwix_idl.h"
#include "win32/com/about_dialog.h"
#include "win32/com/server.h"
#include "win32/server_lock.h"
#include "win32/win_editor.h"
#include "win32/win_os.h"

namespace tessaly::win32 {

class ConnectObject final : public _IDTExtensibility2 {
 public:
  explicit ConnectObject(Server& server) : server_(server) {}
  ConnectObject(const ConnectObject&) = delete;
  ConnectObject& operator=(const ConnectObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* bad_argument) override;

  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, LONG ConnectMode,
                                         IDispatch* AddInInst, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(LONG RemoveMode, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

 private:
  ~ConnectObject() = default;
  void Disconnect(LONG remove_mode);

  Server& server_;
  LONG references_ = 1;
  ServerLock lock_;
  std::unique_ptr<WinOs> os_;
  std::unique_ptr<WinAddInInstance> add_in_instance_;
  // The About form's window; closed before the add-in, whose form it shows, goes.
  std::unique_ptr<AboutDialogMaker> about_dialogs_;
  // Made at each connection and destroyed at disconnection, which releases every editor
  // object the add-in held.
  std::unique_ptr<composition::TessalyAddIn> add_in_;
};

}  // namespace tessaly::win32
