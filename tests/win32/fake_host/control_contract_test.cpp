// What a container asks of QWIX.VBIDETab before it activates it, as the OLE documents define
// the answers: the extent for the content aspect only, kept as set; an empty persistent state;
// every interface leading back to the one object.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <ocidl.h>

#include "win32/com_ptr.h"
#include "win32/fake_host/com_client.h"

namespace tessaly::fake_host {
namespace {

using namespace client;

TEST(ControlContractTest, AnswersAContainerBeforeActivation) {
  auto tab = CreateByProgId(L"QWIX.VBIDETab");
  ASSERT_TRUE(tab) << "QWIX.dll is not registered";
  auto object = tab.As<IOleObject>(IID_IOleObject);
  auto persist = tab.As<IPersistStreamInit>(IID_IPersistStreamInit);
  ASSERT_TRUE(object);
  ASSERT_TRUE(persist);

  SIZEL size{};
  EXPECT_EQ(object->GetExtent(DVASPECT_CONTENT, nullptr), E_POINTER);
  EXPECT_EQ(object->GetExtent(DVASPECT_ICON, &size), DV_E_DVASPECT);
  SIZEL wanted{5000, 700};
  EXPECT_EQ(object->SetExtent(DVASPECT_ICON, &wanted), DV_E_DVASPECT);
  EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &wanted), S_OK);
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  EXPECT_EQ(size.cx, 5000);
  EXPECT_EQ(size.cy, 700);

  ULARGE_INTEGER state_size;
  state_size.QuadPart = 99;
  EXPECT_EQ(persist->GetSizeMax(nullptr), E_POINTER);
  ASSERT_EQ(persist->GetSizeMax(&state_size), S_OK);
  EXPECT_EQ(state_size.QuadPart, 0u);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);

  // IUnknown is the identity of a COM object: asked from any of its interfaces, the same.
  auto identity = tab.As<IUnknown>(IID_IUnknown);
  for (const IID* iid : {&IID_IOleWindow, &IID_IOleInPlaceObject, &IID_IOleInPlaceActiveObject,
                         &IID_IViewObject, &IID_IViewObject2, &IID_IPersist, &IID_IOleDocument,
                         &IID_IOleDocumentView, &IID_IDispatch}) {
    auto offered = tab.As<IUnknown>(*iid);
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered.As<IUnknown>(IID_IUnknown).Get(), identity.Get());
  }
  EXPECT_FALSE(tab.As<IUnknown>(IID_IClassFactory));
}

}  // namespace
}  // namespace tessaly::fake_host
