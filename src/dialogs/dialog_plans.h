#pragma once

// Which editor dialogs are enlarged and how: the title rows that recognise them, and per
// dialog a plan that places each control from its old position and size and the growth of
// the dialog. The plans are data, one row per control or run of controls.

#include <cstdint>
#include <span>
#include <string_view>

#include "host/window_system.h"

namespace tessaly::dialogs {

// One value of a new placement: the control's own old value plus dW and dH (the growth of
// the dialog's width and height) times the factors, plus a constant.
struct Cell {
  std::int32_t dw = 0;
  std::int32_t dh = 0;
  std::int32_t add = 0;
};

// Controls first to last (from 1 for the dialog's children, from 0 for page records).
struct PlacementRow {
  int first = 0;
  int last = 0;
  Cell x;
  Cell y;
  Cell width;
  Cell height;
};

struct DialogPlan {
  std::u16string_view name;
  bool vb6 = true;  // the editor whose template the plan fits
  host::Size design;
  // The new-project dialog's height follows its first child instead of the screen.
  bool height_from_first_child = false;
  std::span<const PlacementRow> children;
  // Records of the inner page, found by class in the order of PageClasses().
  std::span<const PlacementRow> page;
};

// The plan of that name for the editor, or null when the editor has no such dialog.
const DialogPlan* FindPlan(std::u16string_view name, bool vb6);

// The classes of the components page's seven records, in record order.
std::span<const std::u16string_view> PageClasses();

struct DialogTitleRow {
  std::u16string_view title;
  bool whole_title = false;  // otherwise the title's first four characters are compared
  std::u16string_view plan;
  int child_count = 0;
};

// Tested in this order; the first match decides.
std::span<const DialogTitleRow> DialogTitles();

}  // namespace tessaly::dialogs
