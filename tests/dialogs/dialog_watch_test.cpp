#include "dialogs/dialog_watch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "dialogs/dialog_geometry.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/host_editors.h"

namespace tessaly::dialogs {
namespace {

using sim::EditorDialog;

// EnlargeDialog answers whether it moved the dialog; the watch does not read the answer (it
// marks the dialog handled either way), so a wrong answer cannot change what a user sees.

struct Watched {
  explicit Watched(bool vb6 = true, host::Size screen = {1024, 768})
      : editor(test_support::EditorFor(vb6)), desktop(editor, os) {
    os.windows().SetScreenSize(screen);
    connection.HostApplication = editor.Application();
    connection.HostMode = vb6 ? addin::kHostModeVb6 : addin::kHostModeVba;
    watch.StartDialogWatch();
  }
  void Tick() { os.loop().Advance(kDialogTimerInterval); }
  sim::SimWindowSystem& Windows() { return os.windows(); }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  sim::SimDesktop desktop;
  addin::Connection connection;
  DialogWatch watch{connection, host_os.windows, host_os.loop};
};

// A control's rectangle relative to the dialog.
struct Box {
  std::int32_t x, y, w, h;
  bool operator==(const Box&) const = default;
};

// One control per dialog, chosen so that every kind of cell (own value, constant, growth in
// width dW, in height dH, both) and every plan is met; child 0 is the components page's list
// box. Each dialog grows to 545 wide and 580 high (the new-project dialog to its first child's
// height and 50).
TEST(DialogWatch, EnlargesEachDialogAndPlacesItsControls) {
  // clang-format off
  const struct {
    EditorDialog dialog; bool vb6; std::int32_t height; int child; Box change;
  } rows[] = {
      {EditorDialog::kReferences, true, 580, 2, {0, -25, 99 + 50, 244}},  // dW 99, dH 244
      {EditorDialog::kReferences, false, 580, 6, {108, 45, 0, 0}},        // dW 108
      {EditorDialog::kNewProject, true, 270, 1, {0, -25, 132, 0}},        // dW 132
      {EditorDialog::kOpenProject, true, 580, 17, {0, -23, 84, 264}},     // dW 84, dH 264
      {EditorDialog::kComponents, true, 580, 0, {0, -45, 90, 90 + 10}},   // dW 90
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(row.dialog)) + (row.vb6 ? " VB6" : " VBA"));
    Watched f(row.vb6);
    auto& w = f.Windows();
    const auto dialog = f.desktop.OpenDialog(row.dialog);
    const auto before = w.WindowRect(dialog);
    const auto control =
        row.child > 0 ? w.Children(dialog)[row.child - 1]
                      : w.FindWindowEx(w.Children(dialog).back(), 0, u"ListBox", std::nullopt);
    const auto old = w.WindowRect(control);
    const auto records =
        w.Children(dialog).size() + (row.dialog == EditorDialog::kComponents ? 7 : 0);
    f.Tick();
    ASSERT_EQ(w.Moves().size(), records + 2);
    EXPECT_EQ(w.Moves().front().x, before.left);
    const std::int32_t top = (768 - row.height) / 2;
    EXPECT_EQ(w.WindowRect(dialog), (host::Rect{192, top, 192 + 545, top + row.height}));
    std::optional<Box> moved;
    for (const auto& m : w.Moves()) {
      if (m.window == control) moved = Box{m.x, m.y, m.width, m.height};
    }
    const auto& c = row.change;
    EXPECT_EQ(moved, (Box{old.left - before.left + c.x, old.top - before.top + c.y,
                          old.Width() + c.w, old.Height() + c.h}));
  }
}

using Change = void (*)(sim::DialogLayout&);

TEST(DialogWatch, LeavesAloneWhatIsNoEditorDialogOrDoesNotFitItsRow) {
  using L = sim::DialogLayout;
  constexpr auto kRefs = EditorDialog::kReferences;
  constexpr auto kParts = EditorDialog::kComponents;
  // clang-format off
  const struct {
    const char* name; EditorDialog dialog; bool vb6; host::Size screen; Change change;
    bool handled;  // the watch passes it by while it stays in front
  } rows[] = {
      {"800 wide", kRefs, true, {800, 768}, [](L&) {}, true},
      {"599 high", EditorDialog::kOpenProject, true, {1024, 599}, [](L&) {}, true},
      {"another process", kRefs, true, {1024, 768}, [](L& l) { l.process = 777; }, false},
      {"another class", kRefs, true, {1024, 768}, [](L& l) { l.class_name = u"#32771"; }, false},
      {"another style", kRefs, true, {1024, 768}, [](L& l) { l.style = 0x94C80044; }, false},
      {"a title of no row", kRefs, true, {1024, 768}, [](L& l) { l.title = u"引用"; }, true},
      {"a longer components title", kParts, true, {1024, 768}, [](L& l) { l.title = u"部件 - 控件"; }, true},
      {"VB6's dialog, of another size, in a VBA editor", kRefs, false, {1024, 768}, [](L& l) { l = sim::EditorDialogLayout(kRefs, true); }, true},
      {"one child too few", kRefs, true, {1024, 768}, [](L& l) { l.children.pop_back(); }, true},
      {"no components page", kParts, true, {1024, 768}, [](L& l) { l.children.back().class_name = u"Static"; }, true},
      {"a page without its list box", kParts, true, {1024, 768}, [](L& l) { l.children.back().children.erase(l.children.back().children.begin()); }, true},
      {"a page with two buttons", kParts, true, {1024, 768}, [](L& l) { l.children.back().children.resize(5); }, true},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Watched f(row.vb6, row.screen);
    auto& w = f.Windows();
    const auto first = f.desktop.OpenDialog(EditorDialog::kReferences);
    const auto design = w.WindowRect(first);
    f.Tick();
    auto layout = sim::EditorDialogLayout(row.dialog, row.vb6);
    row.change(layout);
    f.desktop.OpenDialog(layout);
    const auto moves = w.Moves().size();
    f.Tick();
    EXPECT_EQ(w.Moves().size(), moves);
    // A dialog the watch handled makes it examine afresh the one brought back in front of it.
    w.MoveWindow(first, design.left, design.top, design.Width(), design.Height(), true);
    w.SetScreenSize({1024, 768});
    f.watch.StartDialogWatch();
    w.SetForeground(first);
    f.Tick();
    EXPECT_EQ(w.WindowRect(first) != design, row.handled);
  }
}

TEST(DialogWatch, EachDialogIsExaminedOnceWhileInFrontAndTheScreenAtEachStart) {
  Watched f;
  auto& w = f.Windows();
  const auto dialog = f.desktop.OpenDialog(EditorDialog::kReferences);
  const auto design = w.WindowRect(dialog);
  f.os.loop().Advance(149);  // the watch looks every 150 ms
  EXPECT_TRUE(w.Moves().empty());
  f.os.loop().Advance(1);
  const auto moves = w.Moves().size();
  // Back at its design size, it stays as it is while the watch has already seen it...
  w.MoveWindow(dialog, design.left, design.top, design.Width(), design.Height(), true);
  f.Tick();
  w.SetForeground(f.desktop.MainWindow());  // ...also behind a window that is no dialog...
  f.Tick();
  w.SetForeground(dialog);
  f.Tick();
  EXPECT_EQ(w.Moves().size(), moves + 1);
  // ...and is examined afresh once another dialog was handled in front of it.
  auto options = sim::EditorDialogLayout(EditorDialog::kReferences, true);
  options.title = u"选项";
  f.desktop.OpenDialog(options);
  f.Tick();
  w.SetForeground(dialog);
  f.Tick();
  EXPECT_EQ(w.WindowRect(dialog).Width(), 545);
  EXPECT_EQ(w.Moves().size(), 2 * moves + 1);

  // One timer however often started; the screen is measured at each start (here the smallest
  // it accepts, and a title that only starts with the references prefix); stopping leaves no
  // timer.
  auto& loop = f.os.loop();
  w.SetScreenSize({801, 600});
  f.watch.StartDialogWatch();
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
  auto layout = sim::EditorDialogLayout(EditorDialog::kReferences, true);
  layout.title = u"引用 - 工程管理器示例";
  const auto second = f.desktop.OpenDialog(layout);
  f.Tick();
  EXPECT_EQ(w.WindowRect(second).Width(), EnlargedSize({801, 600}).width);
  f.watch.StopDialogWatch();
  f.watch.StopDialogWatch();
  EXPECT_EQ(loop.RunningTimerCount(), 0u);
}

// The size follows the screen; past the width formula's peak at 2,640 pixels no dialog gets
// narrower. Halves round to the even neighbour (679.5 here, 2.5 in the final position).
TEST(DialogGeometry, SizeAndPlaceFollowTheScreen) {
  // clang-format off
  const std::pair<host::Size, host::Size> sizes[] = {
      {{1280, 1024}, {640, 773}}, {{1600, 900}, {736, 680}}, {{2560, 1440}, {870, 1087}},
      {{2640, 1600}, {871, 1208}}, {{6000, 3375}, {871, 2548}}};  // the formula alone: a negative width
  const std::pair<double, std::int32_t> rounded[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {191.6, 192}, {0.49999, 0}};
  // clang-format on
  for (const auto& [screen, size] : sizes)
    EXPECT_EQ(EnlargedSize(screen), size) << screen.width;
  for (const auto& [value, even] : rounded)
    EXPECT_EQ(RoundHalfEven(value), even) << value;
  // 1.2 from a free width of 3, and a middle of 2.5 that rounds to the even 2.
  EXPECT_EQ(FinalPosition({1000, 605}, {997, 600}), (host::Point{1, 2}));
}

}  // namespace
}  // namespace tessaly::dialogs
