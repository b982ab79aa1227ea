#include "dialogs/dialog_watch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"

namespace tessaly::dialogs {
namespace {

using sim::EditorDialog;

sim::DialogLayout Layout(EditorDialog dialog, bool vb6 = true) {
  return sim::EditorDialogLayout(dialog, vb6);
}

struct Watched {
  explicit Watched(bool vb6 = true, host::Size screen = {1024, 768})
      : editor(Options(vb6)), desktop(editor, os) {
    os.windows().SetScreenSize(screen);
    connection.HostApplication = editor.Application();
    connection.HostMode = vb6 ? addin::kHostModeVb6 : addin::kHostModeVba;
    watch.StartDialogWatch();
  }
  static sim::EditorOptions Options(bool vb6) {
    sim::EditorOptions options;
    if (!vb6) options.name = u"Microsoft Excel";
    return options;
  }
  void Tick() { os.loop().Advance(kDialogTimerInterval); }
  sim::SimWindowSystem& Windows() { return os.windows(); }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  sim::SimDesktop desktop;
  addin::Connection connection;
  DialogWatch watch{connection, host_os};
};

// The placement tables written out as formulas, for checking the plans independently.
struct Old {
  std::int32_t x0, y0, w0, h0;
};
struct Expected {
  std::int32_t x, y, w, h;
};
using Formula = std::function<Expected(int index, Old o, std::int32_t dW, std::int32_t dH)>;

Formula References(std::int32_t P, std::int32_t Q) {
  return [=](int i, Old o, std::int32_t dW, std::int32_t dH) -> Expected {
    if (i == 1) return {o.x0, o.y0 - 25, o.w0 + dW + P, o.h0};
    if (i == 2) return {o.x0, o.y0 - 25, o.w0 + dW + P, o.h0 + dH};
    if (i <= 5) return {o.x0 + dW, o.y0, o.w0, o.h0};
    if (i == 6) return {o.x0 + dW, o.y0 + Q, o.w0, o.h0};
    if (i <= 11) return {o.x0, o.y0 + dH - 25, o.w0 + dW - 5, o.h0};
    return {o.x0 + dW + P, o.y0, o.w0, o.h0};
  };
}

Expected NewProject(int i, Old o, std::int32_t dW, std::int32_t) {
  if (i == 1) return {o.x0, o.y0 - 25, o.w0 + dW, o.h0};
  return {o.x0 + dW, o.y0, o.w0, o.h0};
}

Expected OpenProject(int i, Old o, std::int32_t dW, std::int32_t dH) {
  switch (i) {
    case 1:
      return {o.x0, o.y0 - 25, o.w0 + dW, o.h0 + dH - 5};
    case 2:
    case 3:
    case 4:
    case 5:
      return {o.x0, o.y0 - 25, o.w0, o.h0};
    case 6:
      return {o.x0, o.y0 - 25, o.w0 + dW, o.h0};
    case 7:
    case 9:
      return {o.x0, o.y0 + dH - 25, o.w0, o.h0};
    case 8:
    case 10:
      return {o.x0, o.y0 + dH - 25, o.w0 + dW, o.h0};
    case 11:
      return {o.x0, o.y0, o.w0, o.h0};
    case 12:
    case 13:
    case 14:
      return {o.x0 + dW, o.y0 + dH - 25, o.w0, o.h0};
    case 15:
      return {o.x0, o.y0 - 26, o.w0 + dW, o.h0 + dH};
    case 16:
      return {o.x0, o.y0 - 25, o.w0 + dW, o.h0 + dH};
    default:
      return {o.x0, o.y0 - 23, o.w0 + dW, o.h0 + dH};
  }
}

// Children 1-6, then the page records as 100 (Button 1) to 106 (ListBox).
Expected Components(int i, Old o, std::int32_t dW, std::int32_t dH) {
  switch (i) {
    case 1:
      return {o.x0, o.y0 - 25, o.w0 + dW - 25, o.h0 + dH - 5};
    case 2:
      return {o.x0, o.y0 + dH - 25, o.w0 - 5, o.h0};
    case 3:
    case 4:
    case 5:
      return {o.x0, o.y0 + dH - 25, o.w0, o.h0};
    case 6:
      return {o.x0, o.y0 - 25, o.w0 + dW - 5, o.h0 + dH};
    case 100:
      return {o.x0, o.y0 + dH - 50, o.w0 + dW, o.h0};
    case 101:
    case 102:
      return {o.x0 + dW, o.y0 + dH - 50, o.w0, o.h0};
    case 103:
      return {o.x0, o.y0 + dH - 50, o.w0, o.h0 + 5};
    case 104:
      return {o.x0, o.y0 + dH - 50, o.w0 + dW, o.h0 + 5};
    case 105:
      return {o.x0 + dW, o.y0 + dH - 50, o.w0, o.h0};
    default:
      return {o.x0, o.y0 - 45, o.w0 + dW, o.h0 + dW + 10};
  }
}

// The page's records picked by hand: Buttons, Statics, then the ListBox, in creation order.
std::vector<host::WindowHandle> PageRecords(sim::SimWindowSystem& w, host::WindowHandle dialog) {
  const auto page = w.Children(dialog).back();
  std::vector<host::WindowHandle> records;
  for (const std::u16string cls : {u"Button", u"Static", u"ListBox"}) {
    for (auto child : w.Children(page)) {
      const std::size_t wanted = cls == u"ListBox" ? 1 : 3;
      std::size_t taken = 0;
      for (auto r : records)
        taken += w.ClassName(r) == cls;
      if (w.ClassName(child) == cls && taken < wanted) records.push_back(child);
    }
  }
  return records;
}

void ExpectMove(const sim::MoveRecord& move, host::WindowHandle window, Expected e) {
  EXPECT_EQ(move.window, window);
  EXPECT_EQ(move.x, e.x);
  EXPECT_EQ(move.y, e.y);
  EXPECT_EQ(move.width, e.w);
  EXPECT_EQ(move.height, e.h);
}

TEST(DialogWatch, EveryPlanPlacesEachControlByItsTable) {
  const struct {
    EditorDialog dialog;
    bool vb6;
    Formula formula;
    bool own_height;
  } rows[] = {
      {EditorDialog::kReferences, true, References(50, 0), false},
      {EditorDialog::kReferences, false, References(75, 45), false},
      {EditorDialog::kNewProject, true, NewProject, true},
      {EditorDialog::kOpenProject, true, OpenProject, false},
      {EditorDialog::kComponents, true, Components, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(row.dialog)) + (row.vb6 ? " VB6" : " VBA"));
    Watched f(row.vb6);
    auto& w = f.Windows();
    const auto dialog = f.desktop.OpenDialog(row.dialog);
    const auto before = w.WindowRect(dialog);
    std::vector<host::WindowHandle> records = w.Children(dialog);
    std::vector<int> indexes;
    for (std::size_t i = 1; i <= records.size(); ++i)
      indexes.push_back(static_cast<int>(i));
    if (row.dialog == EditorDialog::kComponents) {
      for (auto r : PageRecords(w, dialog)) {
        indexes.push_back(100 + static_cast<int>(records.size()) - 6);
        records.push_back(r);
      }
    }
    std::vector<host::Rect> old;
    for (auto r : records)
      old.push_back(w.WindowRect(r));

    f.Tick();

    const std::int32_t nw = 545;
    const std::int32_t nh = row.own_height ? old[0].Height() + 50 : 580;
    const std::int32_t dW = nw - before.Width();
    const std::int32_t dH = nh - before.Height();
    const auto& moves = w.Moves();
    ASSERT_EQ(moves.size(), records.size() + 2);
    ExpectMove(moves.front(), dialog, {before.left, before.top, nw, nh});
    for (std::size_t i = 0; i < records.size(); ++i) {
      SCOPED_TRACE(indexes[i]);
      const Old o{old[i].left - before.left, old[i].top - before.top, old[i].Width(),
                  old[i].Height()};
      ExpectMove(moves[i + 1], records[i], row.formula(indexes[i], o, dW, dH));
    }
    ExpectMove(moves.back(), dialog, {192, (768 - nh) / 2, nw, nh});
    EXPECT_EQ(f.watch.LastHandledDialog(), dialog);
  }
}

TEST(DialogWatch, TheWorkedExampleOnA1024By768Screen) {
  Watched f;
  const auto dialog = f.desktop.OpenDialog(EditorDialog::kReferences);
  const auto before = f.Windows().WindowRect(dialog);
  f.Tick();
  EXPECT_EQ(545 - before.Width(), 99);
  EXPECT_EQ(580 - before.Height(), 244);
  EXPECT_EQ(f.Windows().WindowRect(dialog), (host::Rect{192, 94, 192 + 545, 94 + 580}));
}

TEST(DialogWatch, TheNewProjectDialogTakesItsHeightFromItsFirstChild) {
  Watched f;
  const auto dialog = f.desktop.OpenDialog(EditorDialog::kNewProject);
  ASSERT_EQ(f.Windows().WindowRect(f.Windows().Children(dialog)[0]).Height(), 220);
  f.Tick();
  EXPECT_EQ(f.Windows().WindowRect(dialog), (host::Rect{192, 249, 192 + 545, 249 + 270}));
}

TEST(DialogWatch, ScreensTooSmallAndDialogsThatDoNotFitTheirRowAreLeftAlone) {
  const struct {
    const char* name;
    bool vb6;
    host::Size screen;
    std::function<sim::DialogLayout()> layout;
    bool handled;  // becomes LastHandledDialog
  } rows[] = {
      {"800 x 600", true, {800, 600}, [] { return Layout(EditorDialog::kReferences); }, true},
      {"1024 x 599", true, {1024, 599}, [] { return Layout(EditorDialog::kOpenProject); }, true},
      {"another process",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.process = 777;
         return l;
       },
       false},
      {"another class",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.class_name = u"#32771";
         return l;
       },
       false},
      {"another style",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.style = 0x94C80044;
         return l;
       },
       false},
      {"a title of no row",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.title = u"引用";
         return l;
       },
       true},
      {"a longer components title",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kComponents);
         l.title = u"部件 - 控件";
         return l;
       },
       true},
      {"another size",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.size.width += 1;
         return l;
       },
       true},
      {"the VB6 references dialog in a VBA editor",
       false,
       {1024, 768},
       [] { return Layout(EditorDialog::kReferences); },
       true},
      {"the new-project dialog in a VBA editor",
       false,
       {1024, 768},
       [] { return Layout(EditorDialog::kNewProject); },
       true},
      {"one child too few",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kReferences);
         l.children.pop_back();
         return l;
       },
       true},
      {"no components page",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kComponents);
         l.children.back().class_name = u"Static";
         return l;
       },
       true},
      {"a page without its list box",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kComponents);
         l.children.back().children.erase(l.children.back().children.begin());
         return l;
       },
       true},
      {"a page with two buttons",
       true,
       {1024, 768},
       [] {
         auto l = Layout(EditorDialog::kComponents);
         l.children.back().children.pop_back();
         l.children.back().children.pop_back();  // the third Button goes
         return l;
       },
       true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Watched f(row.vb6, row.screen);
    const auto dialog = f.desktop.OpenDialog(row.layout());
    const auto before = f.Windows().WindowRect(dialog);
    f.Tick();
    EXPECT_TRUE(f.Windows().Moves().empty());
    EXPECT_EQ(f.Windows().WindowRect(dialog), before);
    EXPECT_EQ(f.watch.LastHandledDialog(), row.handled ? dialog : 0);
  }
}

TEST(DialogWatch, ATitleStartingWithTheReferencesPrefixMatches) {
  Watched f;
  auto layout = Layout(EditorDialog::kReferences);
  layout.title = u"引用 - 工程管理器示例";
  const auto dialog = f.desktop.OpenDialog(layout);
  f.Tick();
  EXPECT_EQ(f.Windows().WindowRect(dialog).Width(), 545);
}

TEST(DialogWatch, EachDialogWindowIsExaminedOnceWhileItStaysInFront) {
  Watched f;
  auto& w = f.Windows();
  const auto dialog = f.desktop.OpenDialog(EditorDialog::kReferences);
  const auto design = w.WindowRect(dialog);
  f.Tick();
  const auto moves = w.Moves().size();
  // Back at its design size, it stays as it is while the watch has already seen it...
  w.MoveWindow(dialog, design.left, design.top, design.Width(), design.Height(), true);
  f.Tick();
  f.Tick();
  EXPECT_EQ(w.Moves().size(), moves + 1);
  // ...also behind a window that is no dialog...
  w.SetForeground(f.desktop.MainWindow());
  f.Tick();
  w.SetForeground(dialog);
  f.Tick();
  EXPECT_EQ(w.Moves().size(), moves + 1);
  // ...and is examined afresh once another dialog was handled in front of it.
  auto options = Layout(EditorDialog::kReferences);
  options.title = u"选项";
  f.desktop.OpenDialog(options);
  f.Tick();
  w.SetForeground(dialog);
  f.Tick();
  EXPECT_EQ(w.WindowRect(dialog).Width(), 545);
  EXPECT_EQ(w.Moves().size(), 2 * moves + 1);
}

TEST(DialogWatch, StartingTwiceLeavesOneTimerAndStoppingLeavesNone) {
  Watched f;
  auto& loop = f.os.loop();
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
  EXPECT_EQ(f.watch.DialogTimer(), kRequestedDialogTimer);
  EXPECT_EQ(loop.TimerInterval(f.watch.DialogTimer()), 150u);
  f.watch.StartDialogWatch();
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
  EXPECT_TRUE(loop.IsTimerRunning(f.watch.DialogTimer()));
  f.watch.StopDialogWatch();
  f.watch.StopDialogWatch();
  EXPECT_EQ(loop.RunningTimerCount(), 0u);
  EXPECT_FALSE(f.watch.IsWatching());
  const auto dialog = f.desktop.OpenDialog(EditorDialog::kReferences);
  const auto before = f.Windows().WindowRect(dialog);
  loop.Advance(1000);
  EXPECT_EQ(f.Windows().WindowRect(dialog), before);
}

TEST(DialogWatch, TheScreenIsMeasuredWhenTheWatchStarts) {
  Watched f;
  f.Windows().SetScreenSize({800, 600});
  const auto first = f.desktop.OpenDialog(EditorDialog::kReferences);
  f.Tick();
  EXPECT_EQ(f.Windows().WindowRect(first).Width(), 545);
  f.watch.StartDialogWatch();
  const auto second = f.desktop.OpenDialog(EditorDialog::kReferences);
  f.Tick();
  EXPECT_EQ(f.Windows().WindowRect(second).Width(), 446);
}

TEST(DialogWatch, DestroyingTheWatchKillsItsTimer) {
  sim::SimOs os;
  host::Os host_os = os.Os();
  addin::Connection connection;
  {
    DialogWatch watch(connection, host_os);
    watch.StartDialogWatch();
    EXPECT_EQ(os.loop().RunningTimerCount(), 1u);
  }
  EXPECT_EQ(os.loop().RunningTimerCount(), 0u);
}

}  // namespace
}  // namespace tessaly::dialogs
