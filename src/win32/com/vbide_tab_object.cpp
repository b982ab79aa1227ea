#include "win32/com/vbide_tab_object.h"

#include "win32/com_barrier.h"
#include "win32/variant.h"

namespace tessaly::win32 {

HRESULT VBIDETabObject::TabInitialize() {
  return Barrier([&] {
    Document()->TabInitialize();
    return S_OK;
  });
}

HRESULT VBIDETabObject::Code_Click(BSTR tabName) {
  return Barrier([&] {
    Document()->Code_Click(FromBstr(tabName));
    return S_OK;
  });
}

}  // namespace tessaly::win32
