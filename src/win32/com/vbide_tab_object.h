#pragma once

// QWIX.VBIDETab: the tab tool window's document as the editor creates it through our class
// factory and hosts it as a control. The COM object only carries the core document; the
// document's state outlives any one loaded add-in, so the object stays valid across
// disconnection and reconnection.

#include <memory>

#include "qwix_idl.h"
#include "win32/com/server.h"
#include "win32/com/tab_control_object.h"
#include "win32/core_document.h"
#include "win32/server_lock.h"

namespace tessaly::win32 {

class VBIDETabObject final : public _VBIDETab, public TabControlObject, public ICoreDocument {
 public:
  VBIDETabObject(Server& server, std::shared_ptr<host::UserDocument> document)
      : TabControlObject(server.Module(), std::move(document)), server_(server) {}
  VBIDETabObject(const VBIDETabObject&) = delete;
  VBIDETabObject& operator=(const VBIDETabObject&) = delete;

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

  HRESULT STDMETHODCALLTYPE TabInitialize() override;
  HRESULT STDMETHODCALLTYPE Code_Click(BSTR tabName) override;

  std::shared_ptr<host::UserDocument> CoreDocument() override { return Document(); }

 private:
  ~VBIDETabObject() override = default;

  Server& server_;
  LONG references_ = 1;
  ServerLock lock_;
};

}  // namespace tessaly::win32
