// The editors' cramped dialogs on the real user32: a dialog of the editor's class, style,
// title and design size that comes to the foreground is enlarged and its controls placed as
// its plan says, found and moved through the same calls the editors' dialogs get.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <algorithm>
#include <array>
#include <vector>

#include "dialogs/dialog_geometry.h"
#include "dialogs/dialog_plans.h"
#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

constexpr DWORD kEditorDialogStyle = 0x94C800C4;

struct DialogCase {
  const wchar_t* title;
  std::u16string_view plan;
  bool vb6;
  int children;
};

constexpr DialogCase kCases[] = {
    {L"引用 - Project1", u"引用", true, 14},    {L"新建工程", u"新建工程", true, 4},
    {L"打开工程", u"打开工程", true, 17},       {L"部件", u"部件", true, 6},
    {L"引用 - VBAProject", u"引用", false, 14},
};

// Left, top, width and height, on the screen or inside `parent`; a failure prints them.
using Box = std::array<LONG, 4>;
Box BoxOf(HWND window, HWND parent = nullptr) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct Control {
  HWND window;
  Box before;  // on the screen
  const dialogs::PlacementRow* row;
};

const dialogs::PlacementRow* RowOf(std::span<const dialogs::PlacementRow> rows, int index) {
  const auto row = std::ranges::find_if(
      rows, [&](const auto& row) { return index >= row.first && index <= row.last; });
  return row == rows.end() ? nullptr : &*row;
}

HWND MakeChild(HWND parent, const wchar_t* window_class, int index) {
  // A list box keeps the height it is given, as the editor's does.
  const DWORD list_style = wcscmp(window_class, L"ListBox") == 0 ? LBS_NOINTEGRALHEIGHT : 0;
  return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | list_style, 8 + 4 * index,
                         30 + 6 * index, 60 + index, 20 + index, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

using DialogWatchTest = BothEditorsTest;

TEST_P(DialogWatchTest, EveryPlanEnlargesItsDialogAsComputed) {
  const host::Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  ASSERT_GT(screen.width, 800) << "the enlargement needs a screen wider than 800 pixels";
  ASSERT_TRUE(add_in->Connect());

  for (const auto& row : kCases) {
    if (row.vb6 != GetParam()) continue;
    SCOPED_TRACE(testing::Message() << "plan of " << row.children << " children");
    const auto* plan = dialogs::FindPlan(row.plan, row.vb6);
    ASSERT_TRUE(plan);
    HWND dialog =
        CreateWindowExW(0, L"#32770", row.title, kEditorDialogStyle, 100, 80, plan->design.width,
                        plan->design.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(dialog);
    ASSERT_EQ(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), kEditorDialogStyle);
    std::vector<Control> controls;
    for (int i = 1; i <= row.children; ++i) {
      // The components dialog's first child is its inner page.
      const bool page = !plan->page.empty() && i == 1;
      HWND child = MakeChild(dialog, page ? L"#32770" : L"STATIC", i);
      controls.push_back({child, BoxOf(child), RowOf(plan->children, i)});
      if (page) {
        const wchar_t* classes[] = {L"Button", L"Static", L"Button", L"Static",
                                    L"Button", L"Static", L"ListBox"};
        const int record[] = {0, 3, 1, 4, 2, 5, 6};
        for (int j = 0; j < 7; ++j) {
          HWND inner = MakeChild(child, classes[j], j);
          controls.push_back({inner, BoxOf(inner), RowOf(plan->page, record[j])});
        }
      }
    }
    const Box origin = BoxOf(dialog);
    SetForegroundWindow(dialog);
    RunMessageLoop(500);

    host::Size size = dialogs::EnlargedSize(screen);
    if (plan->height_from_first_child) size.height = controls[0].before[3] + 50;
    const dialogs::Growth growth{size.width - plan->design.width,
                                 size.height - plan->design.height};
    const host::Point place = dialogs::FinalPosition(screen, size);
    EXPECT_EQ(BoxOf(dialog), (Box{place.x, place.y, size.width, size.height}));
    for (const auto& [window, before, placement] : controls) {
      ASSERT_TRUE(placement);
      const auto grown = [&](const dialogs::Cell& cell, LONG own) {
        return LONG{dialogs::Apply(cell, own, growth)};
      };
      EXPECT_EQ(BoxOf(window, GetParent(window)),
                (Box{grown(placement->x, before[0] - origin[0]),
                     grown(placement->y, before[1] - origin[1]), grown(placement->width, before[2]),
                     grown(placement->height, before[3])}));
    }
    DestroyWindow(dialog);
  }
  ASSERT_TRUE(add_in->Disconnect());
  EXPECT_FALSE(AddInTimerWindow()) << "the watch's timer outlives the add-in";
}

INSTANTIATE_TEST_SUITE_P(BothEditors, DialogWatchTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
