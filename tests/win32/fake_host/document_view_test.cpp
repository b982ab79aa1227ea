// VB6 shows QWIX.VBIDETab as an ActiveX document, through a view placed in the tool window's
// coordinates; asked where it is, the view answers in the same coordinates, and names the site
// it was given. Activated in place, it tells its container what OLE asks of an in-place object,
// in OLE's order.
//
// In-place activation takes the site's window when GetWindow succeeds with one, else the parent
// DoVerb names (tab_control_in_place.cpp); `&&` there cannot be told from `||` by a site that
// keeps IOleWindow's contract, which gives a window whenever it succeeds and none on failure.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <string>
#include <vector>

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
  win32::ComPtr<IOleInPlaceSite> site;
  ASSERT_EQ(container->View()->GetInPlaceSite(site.Receive()), S_OK);
  HWND site_window = nullptr;
  EXPECT_TRUE(site && SUCCEEDED(site->GetWindow(&site_window)) &&
              site_window == container->Window());
}

// The frame learns of the active object from the object itself, which asks its site for the
// frame first: one never told keeps the editor's keys and menus its own, one told but never
// cleared is held past its close. The VBA editor activates the control in place only (no UI
// activation: nothing to set active); VB6 UI-activates the document's view. Close deactivates
// before the site is taken away, and a control let go of unclosed still leaves its site.
TEST(DocumentViewTest, TellsTheFrameItIsActiveFromActivationUntilItIsClosed) {
  using Kind = ControlContainer::Kind;
  const std::vector<std::string> in_place = {"OnInPlaceActivate", "GetWindowContext"};
  const std::vector<std::string> ui_active = {"OnInPlaceActivate", "GetWindowContext",
                                              "OnUIActivate", "SetActiveObject(control)"};
  const struct {
    Kind kind;
    bool closed;
    std::vector<std::string> activation, deactivation;
  } cases[] = {
      {Kind::kControl, true, in_place, {"OnInPlaceDeactivate", "SetClientSite(null)"}},
      {Kind::kControl, false, in_place, {"OnInPlaceDeactivate"}},
      {Kind::kDocument,
       true,
       ui_active,
       {"SetActiveObject(none)", "OnUIDeactivate", "OnInPlaceDeactivate", "SetClientSite(null)"}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.kind == Kind::kDocument ? "document" : row.closed ? "control" : "let go");
    auto tab = client::CreateByProgId(L"QWIX.VBIDETab");
    ASSERT_TRUE(tab) << "QWIX.dll is not registered";
    const auto container = ControlContainer::Host(tab.Get(), L"标签", 300, 40,
                                                  std::make_shared<const int>(), row.kind);
    ASSERT_TRUE(container);
    EXPECT_EQ(container->Conversation(), row.activation);
    if (row.closed) {
      container->Close();
    } else {
      container->LetGo();
      tab.Reset();
    }
    auto whole = row.activation;
    whole.insert(whole.end(), row.deactivation.begin(), row.deactivation.end());
    EXPECT_EQ(container->Conversation(), whole);
  }
}

}  // namespace
}  // namespace tessaly::fake_host
