#include "win32/com/connect_object.h"

#include "win32/com_barrier.h"

namespace tessaly::win32 {

ConnectObject::~ConnectObject() {
  // An editor that never disconnected still gets every hook and reference undone.
  QuietBarrier([&] { Disconnect(0); });
}

HRESULT ConnectObject::OnConnection(IDispatch* Application, LONG ConnectMode, IDispatch* AddInInst,
                                    SAFEARRAY**) {
  if (!Application || !AddInInst) return E_INVALIDARG;
  return Barrier([&] {
    // A host that connects again without disconnecting first gets a clean start.
    Disconnect(0);
    EditorRefusalLog()->NewLoad();
    if (!os_) os_ = std::make_unique<WinOs>(server_.Module());
    about_dialogs_ = std::make_unique<AboutDialogMaker>(server_.Module());
    add_in_ = std::make_unique<composition::TessalyAddIn>(os_->Services(), server_.Component(),
                                                          about_dialogs_->Factory());
    add_in_instance_ = std::make_unique<host::AddInInstance>(ComPtr<IDispatch>(AddInInst));
    add_in_->Connect().OnConnection(MakeApplication(ComPtr<IDispatch>(Application)), ConnectMode,
                                    *add_in_instance_);
    return S_OK;
  });
}

HRESULT ConnectObject::OnDisconnection(LONG RemoveMode, SAFEARRAY**) {
  return Barrier([&] {
    Disconnect(RemoveMode);
    return S_OK;
  });
}

HRESULT ConnectObject::OnAddInsUpdate(SAFEARRAY**) {
  return S_OK;
}

HRESULT ConnectObject::OnStartupComplete(SAFEARRAY**) {
  return Barrier([&] {
    if (add_in_) add_in_->Connect().OnStartupComplete();
    return S_OK;
  });
}

HRESULT ConnectObject::OnBeginShutdown(SAFEARRAY**) {
  return S_OK;
}

void ConnectObject::Disconnect(LONG remove_mode) {
  if (!add_in_) return;
  auto add_in = std::move(add_in_);
  add_in->Connect().OnDisconnection(remove_mode);
  about_dialogs_.reset();
  add_in.reset();
  add_in_instance_.reset();
}

}  // namespace tessaly::win32
