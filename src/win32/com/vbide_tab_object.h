#pragma once

// QWIX.VBIDETab: the tab tool window's document as the editor creates it through our class
// factory and hosts it as a control. The COM object only carries the core document; the
// document's state outlives any one loaded add-in, so the object stays valid across
// disconnection and reconnection.

#include <memory>

#include "qwix_idl.h"
#include "tabs/vbide_tab.h"
#include "win32/com/tab_control_object.h"
#include "win32/com/type_library_dispatch.h"
#include "win32/com_object.h"
#include "win32/core_document.h"

namespace tessaly::win32 {

class VBIDETabObject final : public ComObject<VBIDETabObject, TabControlObject,
                                              TypeLibraryDispatch<_VBIDETab>, ICoreDocument> {
 public:
  using Offered = Offers<Offer<_VBIDETab, IDispatch>, Offer<ICoreDocument>, ControlInterfaces>;

  VBIDETabObject(HINSTANCE module, std::shared_ptr<tabs::VBIDETab> document)
      : ComObject(module, std::move(document)) {}

  HRESULT STDMETHODCALLTYPE TabInitialize() override;
  HRESULT STDMETHODCALLTYPE Code_Click(BSTR tabName) override;

  std::shared_ptr<host::UserDocument> CoreDocument() override { return Document(); }
};

}  // namespace tessaly::win32
