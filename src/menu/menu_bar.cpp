#include "menu/menu_bar.h"

#include <memory>

#include "host/resume.h"
#include "menu/menu_catalogue.h"
#include "menu/required.h"
#include "menu/snippet_popup.h"

namespace tessaly::menu {
namespace {

using Dispatcher = addin::AppEventVBIDE::Dispatcher;

host::Application& App(const addin::Connection& connection) {
  return Required(connection.HostApplication);
}

void Hook(const addin::Connection& connection, addin::ButtonSinks& sinks,
          const std::shared_ptr<host::CommandBarControl>& button, const Dispatcher& dispatcher) {
  host::Resume([&] { addin::HookButton(connection, sinks, Required(button), dispatcher); });
}

// One button with icon and caption; a failed creation leaves its settings without effect.
std::shared_ptr<host::CommandBarControl> AddButton(
    const std::shared_ptr<host::CommandBarControls>& controls, bool begin_group,
    std::int32_t face_id, std::u16string_view caption) {
  std::shared_ptr<host::CommandBarControl> button;
  host::Resume([&] { button = Required(controls).Add(host::kButton); });
  host::Resume([&] { Required(button).SetStyle(host::kIconAndCaption); });
  host::Resume([&] { Required(button).SetBeginGroup(begin_group); });
  host::Resume([&] { Required(button).SetFaceId(face_id); });
  host::Resume([&] { Required(button).SetCaption(std::u16string(caption)); });
  return button;
}

void DoEvents(host::MessageLoop& loop) {
  host::Resume([&] { loop.DoEvents(); });
}

void AddPopup(const addin::Connection& connection, addin::ButtonSinks& sinks,
              host::MessageLoop& loop,
              const std::shared_ptr<host::CommandBarControls>& bar_controls,
              const BarControl& popup_entry, int popup_number, const Dispatcher& dispatcher) {
  std::shared_ptr<host::CommandBarControl> popup;
  host::Resume([&] { popup = Required(bar_controls).Add(host::kPopup); });
  host::Resume([&] { Required(popup).SetBeginGroup(popup_entry.begin_group); });
  host::Resume([&] { Required(popup).SetCaption(std::u16string(popup_entry.caption)); });
  std::shared_ptr<host::CommandBarControls> items;
  host::Resume([&] { items = Required(popup).Controls(); });
  for (const auto& item : MenuItems(popup_number)) {
    Hook(connection, sinks, AddButton(items, item.begin_group, item.face_id, item.caption),
         dispatcher);
    DoEvents(loop);
  }
}

bool IsCatalogueButton(std::u16string_view caption) {
  if (FindMenuItem(caption) != nullptr) return true;
  for (const auto& button : MenuTop(kButtonGroup)) {
    if (button.caption == caption) return true;
  }
  return false;
}

// Wires the catalogue buttons among the controls, descending into popups. Controls of other
// origin keep their own action: a sink would cancel it.
int RewireControls(const addin::Connection& connection, addin::ButtonSinks& sinks,
                   host::CommandBarControls& controls, const Dispatcher& dispatcher) {
  int wired = 0;
  const auto count = host::ResumeOr<std::int32_t>(0, [&] { return controls.Count(); });
  for (std::int32_t i = 1; i <= count; ++i) {
    std::shared_ptr<host::CommandBarControl> control;
    host::Resume([&] { control = controls.Item(i); });
    if (!control) continue;
    const auto type = host::ResumeOr<std::int32_t>(0, [&] { return control->Type(); });
    if (type == host::kPopup) {
      // The user's snippets are wired to their own actions when the popup is filled again:
      // one named like a command must not be wired to that command here.
      const auto caption = host::ResumeOr<std::u16string>(u"", [&] { return control->Caption(); });
      if (caption == kSnippetPopupCaption) continue;
      host::Resume([&] {
        wired += RewireControls(connection, sinks, Required(control->Controls()), dispatcher);
      });
    } else if (type == host::kButton) {
      const auto caption = host::ResumeOr<std::u16string>(u"", [&] { return control->Caption(); });
      if (IsCatalogueButton(caption) &&
          host::Resume([&] { addin::HookButton(connection, sinks, *control, dispatcher); })) {
        ++wired;
      }
    }
  }
  return wired;
}

}  // namespace

void BuildMenuBar(const addin::Connection& connection, addin::ButtonSinks& sinks,
                  host::MessageLoop& loop, const Dispatcher& dispatcher) {
  addin::ReleaseButtonSinks(sinks);
  sinks.emplace();
  std::shared_ptr<host::CommandBar> bar;
  host::Resume([&] {
    bar = Required(App(connection).CommandBars()).Add(connection.MenuBarName, host::kBarTop);
  });
  // The editor refuses a second bar of the name. Its buttons would stay without sinks now
  // that the collection is new, so they are wired again instead of left dead.
  if (!bar) {
    RewireExistingBar(connection, sinks, dispatcher);
    return;
  }
  host::Resume([&] { Required(bar).SetVisible(true); });
  host::Resume([&] { Required(bar).SetEnabled(true); });
  std::shared_ptr<host::CommandBarControls> controls;
  host::Resume([&] { controls = Required(bar).Controls(); });

  const auto popups = MenuTop(kPopupGroup);
  for (int j = 0; j < static_cast<int>(popups.size()); ++j) {
    AddPopup(connection, sinks, loop, controls, popups[j], j, dispatcher);
  }
  if (controls) AddSnippetPopup(*controls);
  DoEvents(loop);

  for (const auto& entry : MenuTop(kButtonGroup)) {
    auto button = AddButton(controls, entry.begin_group, entry.face_id, entry.caption);
    host::Resume([&] { Required(button).SetTooltipText(std::u16string(entry.tip)); });
    Hook(connection, sinks, button, dispatcher);
    DoEvents(loop);
  }
  DoEvents(loop);
}

int RewireExistingBar(const addin::Connection& connection, addin::ButtonSinks& sinks,
                      const Dispatcher& dispatcher) {
  if (sinks && !sinks->empty()) return 0;
  std::shared_ptr<host::CommandBarControls> controls;
  host::Resume([&] {
    auto bar = Required(App(connection).CommandBars()).Item(connection.MenuBarName);
    controls = Required(bar).Controls();
  });
  if (!controls) return 0;
  if (!sinks) sinks.emplace();
  return RewireControls(connection, sinks, *controls, dispatcher);
}

}  // namespace tessaly::menu
