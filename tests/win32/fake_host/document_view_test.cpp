// VB6 shows QWIX.VBIDETab as an ActiveX document, through a view placed in the tool window's
// coordinates; asked where it is, the view answers in the same coordinates.
//
// In-place activation takes the site's window when GetWindow succeeds with one, else the parent
// DoVerb names (tab_control_in_place.cpp); `&&` there cannot be told from `||` by a site that
// keeps IOleWindow's contract, which gives a window whenever it succeeds and none on failure.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include "win32/fake_host/com_client.h"
#include "win32/fake_host/control_container.h"

namespace tessaly::fake_host {
namespace {

TEST(DocumentViewTest, GivesBackItsPlaceInItsContainersCoordinates) {
  auto tab = client::CreateByProgId(L"QWIX.VBIDETab");
  ASSERT_TRUE(tab) << "QWIX.dll is not registered";
  const auto container =
      ControlContainer::Host(tab.Get(), L"标签", 300, 40, std::make_shared<const int>(),
                             ControlContainer::Kind::kDocument);
  ASSERT_TRUE(container && container->View());
  RECT place{}, area{};
  ASSERT_EQ(container->View()->GetRect(&place), S_OK);
  GetClientRect(container->Window(), &area);
  EXPECT_TRUE(EqualRect(&place, &area)) << place.left << "," << place.top;
}

}  // namespace
}  // namespace tessaly::fake_host
