#include "dialogs/dialog_enlarger.h"

#include <optional>
#include <vector>

#include "dialogs/dialog_geometry.h"
#include "dialogs/dialog_plans.h"

namespace tessaly::dialogs {
namespace {

constexpr char16_t kDialogClass[] = u"#32770";

// A window and its rectangle as found before the first move.
struct Record {
  host::WindowHandle window = 0;
  host::Rect rect;
};

struct Placement {
  host::WindowHandle window = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

std::optional<std::vector<Record>> Children(host::WindowSystem& windows, host::WindowHandle parent,
                                            int count) {
  std::vector<Record> records;
  host::WindowHandle child = 0;
  while (static_cast<int>(records.size()) < count) {
    child = windows.FindWindowEx(parent, child, std::nullopt, std::nullopt);
    if (child == 0) return std::nullopt;
    records.push_back({child, windows.WindowRect(child)});
  }
  return records;
}

// The components page's records: its first three "Button", first three "Static" and first
// "ListBox" windows, each class searched in enumeration order.
std::optional<std::vector<Record>> PageRecords(host::WindowSystem& windows,
                                               host::WindowHandle dialog) {
  const auto page = windows.FindWindowEx(dialog, 0, kDialogClass, std::nullopt);
  if (page == 0) return std::nullopt;
  std::vector<Record> records;
  std::u16string_view previous_class;
  host::WindowHandle previous = 0;
  for (const auto class_name : PageClasses()) {
    if (class_name != previous_class) previous = 0;
    previous_class = class_name;
    previous = windows.FindWindowEx(page, previous, std::u16string(class_name), std::nullopt);
    if (previous == 0) return std::nullopt;
    records.push_back({previous, windows.WindowRect(previous)});
  }
  return records;
}

void PlaceByRows(const std::vector<Record>& records, std::span<const PlacementRow> rows,
                 int first_index, host::Point origin, Growth growth,
                 std::vector<Placement>& placements) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const int index = first_index + static_cast<int>(i);
    const auto& [window, rect] = records[i];
    for (const auto& row : rows) {
      if (index < row.first || index > row.last) continue;
      placements.push_back({window, Apply(row.x, rect.left - origin.x, growth),
                            Apply(row.y, rect.top - origin.y, growth),
                            Apply(row.width, rect.Width(), growth),
                            Apply(row.height, rect.Height(), growth)});
      break;
    }
  }
}

}  // namespace

bool EnlargeDialog(host::WindowSystem& windows, host::Size screen, bool vb6,
                   host::WindowHandle dialog, std::u16string_view plan_name, int child_count) {
  if (screen.width <= 800 || screen.height < 600) return false;
  const DialogPlan* plan = FindPlan(plan_name, vb6);
  if (!plan) return false;
  const host::Rect dialog_rect = windows.WindowRect(dialog);
  if (host::Size{dialog_rect.Width(), dialog_rect.Height()} != plan->design) return false;

  const auto children = Children(windows, dialog, child_count);
  if (!children) return false;
  std::vector<Record> page;
  if (!plan->page.empty()) {
    auto found = PageRecords(windows, dialog);
    if (!found) return false;
    page = std::move(*found);
  }

  host::Size size = EnlargedSize(screen);
  if (plan->height_from_first_child) {
    if (children->empty()) return false;
    size.height = children->front().rect.Height() + 50;
  }
  const Growth growth{size.width - dialog_rect.Width(), size.height - dialog_rect.Height()};
  const host::Point origin{dialog_rect.left, dialog_rect.top};

  std::vector<Placement> placements;
  PlaceByRows(*children, plan->children, 1, origin, growth, placements);
  PlaceByRows(page, plan->page, 0, origin, growth, placements);

  windows.MoveWindow(dialog, origin.x, origin.y, size.width, size.height, true);
  for (const auto& p : placements)
    windows.MoveWindow(p.window, p.x, p.y, p.width, p.height, true);
  const host::Point final_position = FinalPosition(screen, size);
  windows.MoveWindow(dialog, final_position.x, final_position.y, size.width, size.height, true);
  return true;
}

}  // namespace tessaly::dialogs
