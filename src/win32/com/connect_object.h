#pragma once

// QWIX.Connect: the add-in object the editors create. The editors call it through the vtable
// of _IDTExtensibility2; script clients and tests through IDispatch, which the type library
// turns into the same five calls, each behind the barrier.

#include <memory>

#include "composition/tessaly_add_in.h"
#include "qwix_idl.h"
#include "win32/com/about_dialog.h"
#include "win32/com/server.h"
#include "win32/com/type_library_dispatch.h"
#include "win32/com_object.h"
#include "win32/win_editor.h"
#include "win32/win_os.h"

namespace tessaly::win32 {

class ConnectObject final
    : public ComObject<ConnectObject, TypeLibraryDispatch<_IDTExtensibility2>> {
 public:
  using Offered = Offers<Offer<_IDTExtensibility2, IDispatch>>;

  explicit ConnectObject(Server& server) : server_(server) {}
  ~ConnectObject() override;

  // Nothing for the editor or for the add-in instance is refused with E_INVALIDARG.
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, LONG ConnectMode,
                                         IDispatch* AddInInst, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(LONG RemoveMode, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

 private:
  void Disconnect(LONG remove_mode);

  Server& server_;
  std::unique_ptr<WinOs> os_;
  std::unique_ptr<host::AddInInstance> add_in_instance_;
  // The About form's window; closed before the add-in, whose form it shows, goes.
  std::unique_ptr<AboutDialogMaker> about_dialogs_;
  // Made at each connection and destroyed at disconnection, which releases every editor
  // object the add-in held.
  std::unique_ptr<composition::TessalyAddIn> add_in_;
};

}  // namespace tessaly::win32
