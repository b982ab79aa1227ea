#include "menu/menu_bar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include "addin/app_event_vbide.h"
#include "menu/menu_catalogue.h"
#include "menu/snippet_popup.h"
#include "menu_fixture.h"

namespace tessaly::menu {
namespace {

using sim::ControlPath;
using sim::SinkKind;

// Every button of the catalogue by its caption path on the bar.
std::vector<ControlPath> AllButtonPaths() {
  std::vector<ControlPath> paths;
  const auto popups = MenuTop(kPopupGroup);
  for (int k = 0; k < kPopupCount; ++k) {
    for (const auto& item : MenuItems(k))
      paths.push_back(
          {u"TessalyIDE", std::u16string(popups[k].caption), std::u16string(item.caption)});
  }
  for (const auto& button : MenuTop(kButtonGroup))
    paths.push_back({u"TessalyIDE", std::u16string(button.caption)});
  return paths;
}

// The bar shows the catalogue control by control. A refused property is skipped and the rest
// is built. A build first lets go of the sinks it finds (here the Add-Ins entry's).
TEST(MenuBar, BuildsTheCatalogueInOrderWithSeparatorsIconsAndTips) {
  for (const bool refuse_icons : {false, true}) {
    SCOPED_TRACE(refuse_icons);
    MenuFixture f({u""}, test_support::ExcelEditor());
    if (refuse_icons) f.editor.Refuse(u"CommandBarControl.SetFaceId");
    auto entry = f.editor.Bar(u"Add-Ins").ControlList().Append(host::kButton);
    entry->MutableProperties().caption = u"Tessaly";
    addin::HookButton(f.connection, f.button_sinks, *entry, [](const std::u16string&) {});
    f.menu.BuildMenuBar();
    EXPECT_EQ(f.editor.SinkCount({u"Add-Ins", u"Tessaly"}, SinkKind::kButtonEvents), 0);
    const auto& bar = f.editor.Bar(u"TessalyIDE");
    EXPECT_EQ((std::tuple(bar.Position(), bar.IsVisible(), bar.IsEnabled())),
              (std::tuple(host::kBarTop, true, true)));
    const auto expect = [&](const sim::SimCommandBarControl& control, bool popup, const auto& entry,
                            std::u16string_view tip) {
      const auto& p = control.Properties();
      EXPECT_EQ((std::tuple(p.caption, p.type, p.begin_group, p.face_id, p.style, p.tooltip_text)),
                (std::tuple(std::u16string(entry.caption), popup ? host::kPopup : host::kButton,
                            entry.begin_group, refuse_icons ? 0 : entry.face_id,
                            popup ? 0 : host::kIconAndCaption, std::u16string(tip))))
          << text::ToUtf8(entry.caption);
    };
    const auto popups = MenuTop(kPopupGroup);
    const auto buttons = MenuTop(kButtonGroup);
    // The user's own popup "我的代码" stands after the catalogue's, set apart.
    auto controls = bar.ControlList().All();
    ASSERT_EQ(controls.size(), popups.size() + 1 + buttons.size());
    const auto& mine = controls[popups.size()]->Properties();
    EXPECT_EQ(std::tuple(mine.caption, mine.type, mine.begin_group),
              std::tuple(std::u16string(kSnippetPopupCaption), host::kPopup, true));
    controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(popups.size()));
    for (std::size_t k = 0; k < controls.size(); ++k) {
      const bool popup = k < popups.size();
      const BarControl& top = popup ? popups[k] : buttons[k - popups.size()];
      expect(*controls[k], popup, top, top.tip);
      if (!popup) continue;
      const auto items = MenuItems(static_cast<int>(k));
      const auto& children = controls[k]->Children()->All();
      ASSERT_EQ(children.size(), items.size());
      for (std::size_t i = 0; i < items.size(); ++i)
        expect(*children[i], false, items[i], u"");
    }
    // The host repaints after every button and after each group; each button has one sink. A
    // click carries only its caption, so no caption may stand twice on the bar.
    const auto paths = AllButtonPaths();
    EXPECT_EQ(f.os.loop().DoEventsCount(), paths.size() + 2);
    std::set<std::u16string> captions;
    for (const auto& path : paths) {
      EXPECT_EQ(f.editor.SinkCount(path, SinkKind::kButtonEvents), 1) << text::ToUtf8(path.back());
      captions.insert(path[1]);
      captions.insert(path.back());
    }
    EXPECT_EQ(captions.size(), paths.size() + popups.size());
  }
}

// An editor that keeps its bars shows the bar at the next connection: each catalogue button is
// wired again once, with its host's sink, however often it is asked; somebody else's button on
// the bar keeps its own action.
TEST(MenuBar, RewiresAKeptBarOnce) {
  for (bool vb6 : {false, true}) {
    const SinkKind kind = vb6 ? SinkKind::kCommandBarEvents : SinkKind::kButtonEvents;
    MenuFixture f({u"x = 1"}, test_support::EditorFor(vb6));
    EXPECT_EQ(f.menu.RewireExistingBar(), 0);  // no bar yet: nothing to wire
    {
      addin::Connection first = ConnectionTo(f.editor);
      addin::ButtonSinks first_sinks;
      f.MenuOf(first, first_sinks).BuildMenuBar();
    }  // the first connection's sinks go with it
    f.editor.Bar(u"TessalyIDE").ControlList().Append(host::kButton)->MutableProperties().caption =
        u"Mine";
    // A build meets the editor's refusal of a second bar of the name and wires the kept one;
    // asked directly, the rewire counts the buttons it wired.
    if (vb6) {
      EXPECT_EQ(f.menu.RewireExistingBar(), static_cast<int>(AllButtonPaths().size()));
    } else {
      f.menu.BuildMenuBar();
    }
    EXPECT_EQ(f.menu.RewireExistingBar(), 0);
    for (const auto& path : AllButtonPaths())
      EXPECT_EQ(f.editor.SinkCount(path, kind), 1) << text::ToUtf8(path.back());
    EXPECT_EQ(f.editor.SinkCount({u"TessalyIDE", u"Mine"}, kind), 0);
    f.editor.Click({u"TessalyIDE", u"关于程序"});
    EXPECT_EQ(f.commands.calls, (std::vector<std::string>{"ShowAbout"}));
  }
}

}  // namespace
}  // namespace tessaly::menu
