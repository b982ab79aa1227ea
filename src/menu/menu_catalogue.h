#pragma once

// The function menu's catalogue: every control of the bar, its icon, its separator, what a click
// on it does and, for a snippet, the code it inserts. The caption is the only key a click
// carries, so captions are unique across the whole catalogue.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "menu/menu_action.h"

namespace tessaly::menu {

// A control placed directly on the bar: a popup (group 0) or a command button (group 1).
struct BarControl {
  bool begin_group;
  std::int32_t face_id;  // 0 for popups, which show no icon
  std::u16string_view caption;
  std::u16string_view tip;                   // empty for popups
  MenuAction action = MenuAction::kSnippet;  // a popup's is never asked for
};

// An item inside a popup: a snippet (popups 0 to 6) or a tool (popup 7, empty text).
struct MenuItem {
  bool begin_group;
  std::int32_t face_id;
  std::u16string_view caption;
  // Lines joined by CR LF; "HeadCode" stands for the caret line's indentation prefix.
  std::u16string_view text;
  MenuAction action = MenuAction::kSnippet;
};

inline constexpr int kPopupGroup = 0;
inline constexpr int kButtonGroup = 1;
inline constexpr int kPopupCount = 8;
inline constexpr std::u16string_view kHeadCodePlaceholder = u"HeadCode";

// Group 0 (popups) or group 1 (buttons), in bar order; empty for any other group.
std::span<const BarControl> MenuTop(int group);

// The items of popup 0 to 7, in menu order; empty for any other number.
std::span<const MenuItem> MenuItems(int popup);

// What a click on the caption does. Captions are compared whole and case-sensitively; the
// About form also answers the names the editors' own lists give the add-in, and anything that
// is not a command is taken for a snippet's caption.
MenuAction ActionOfCaption(std::u16string_view caption);

// The popup item whose caption equals the given one exactly, or null.
const MenuItem* FindMenuItem(std::u16string_view caption);

}  // namespace tessaly::menu
