#include "wheel/vbide_mouse.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "wheel/code_window_hook.h"
#include "wheel/wheel_fixture.h"

namespace tessaly::wheel {
namespace {

// One timer of 200 ms however often the feature is loaded; the active code window under the
// cursor is hooked at its next tick, once, and moving to another restores the first. The line
// settings are read again only when the hooked window changes.
TEST(VBIDEMouse, HooksTheActiveCodeWindowUnderTheCursorAtTheNextTick) {
  WheelFixture f;
  auto& windows = f.os.windows();
  f.Setting(kWheelScrollLinesKey, u"2");
  f.wheel.LoadWheel();
  f.wheel.LoadWheel();
  EXPECT_EQ(f.os.loop().RunningTimerCount(), 1u);
  const auto first = f.Code(u"Module1");
  const auto second = f.Code(u"Module2");
  const auto first_original = windows.WindowProc(first);
  const auto second_original = windows.WindowProc(second);
  f.desktop.PointAt(first);
  f.os.loop().Advance(199);
  EXPECT_EQ(windows.WindowProc(first), first_original);
  f.os.loop().Advance(1);
  EXPECT_TRUE(f.Hooked(first));
  f.Setting(kWheelScrollLinesKey, u"5");
  f.os.loop().Advance(1000);  // resting there hooks nothing again: the lines stay as read
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 2);

  f.editor.Activate(u"Module2");
  f.Hover(second);
  EXPECT_EQ(windows.WindowProc(first), first_original);
  EXPECT_TRUE(f.Hooked(second));
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 5);
  f.Setting(kWheelScrollLinesKey, u"x");  // no longer converts: the lines read before stay
  f.editor.Activate(u"Module1");
  f.Hover(first);
  EXPECT_TRUE(f.Hooked(first));
  EXPECT_EQ(windows.WindowProc(second), second_original);
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 5);
  // A hooked window the editor destroyed gives way to the next qualifying one, and without an
  // active pane any code window qualifies.
  windows.DestroyWindow(first);
  f.editor.ClearActivePane();
  f.Hover(second);
  EXPECT_TRUE(f.Hooked(second));
}

TEST(VBIDEMouse, OnlyTheActivePanesCodeWindowQualifies) {
  // Module2's code window; the active caption in a window of another class, of another process;
  // the active window, whose caption must carry a code marker.
  const std::optional<std::uint32_t> ours;
  // clang-format off
  const struct {
    const char16_t* module; const char16_t* class_name; std::optional<std::uint32_t> process;
    const char16_t* marker; bool hooked;
  } rows[] = {{u"Module2", nullptr, ours, u"(Code)", false}, {u"", u"Edit", ours, u"(Code)", false},
              {u"", u"VbaWindow", 999u, u"(Code)", false}, {u"Module1", nullptr, ours, u"(代码)", true},
              {u"Module1", nullptr, ours, u"(Form)", false}};
  // clang-format on
  for (const auto& row : rows) {
    sim::EditorOptions options;
    options.code_marker = row.marker;
    WheelFixture f(options);
    f.wheel.LoadWheel();
    const auto window = row.class_name ? f.os.windows().CreateWindow(sim::WindowParams(
                                             row.class_name, u"Project1 - Module1 (Code)", 0,
                                             {900, 500, 1000, 600}, 0, row.process))
                                       : f.Code(row.module);
    f.Hover(window);
    ASSERT_EQ(f.os.windows().WindowFromPoint(f.os.windows().CursorPos()), window);
    EXPECT_EQ(f.os.windows().WindowsWithRegisteredProc(),
              row.hooked ? std::vector{window} : std::vector<host::WindowHandle>{});
  }
}

// The wheel moves the top line; the middle button alone moves the selection sideways instead.
TEST(CodeWindowProc, AWheelMessageMovesTheTopLineOrTheSelection) {
  // clang-format off
  const struct {
    const char* name;
    std::int32_t top; std::int16_t delta; std::uint16_t keys;
    const char16_t *use_sys_param, *scroll_lines;  // nullptr: not stored
    std::int32_t system_lines, expected_top;
    host::Selection expected_selection = {5, 10, 6, 12};  // as selected
  } rows[] = {
      {"default one line up", 10, 120, kNoKeys, nullptr, nullptr, 3, 9},
      {"a delta of 0 counts as towards the user", 10, 0, kNoKeys, nullptr, u"3", 3, 13},
      {"the smallest step away from the user scrolls up", 10, 1, kNoKeys, nullptr, u"3", 3, 7},
      {"middle with Shift is no sideways move", 10, 120, kMiddle | kShift, nullptr, u"3", 3, 7},
      {"a line setting of 0 moves one line", 10, -120, kNoKeys, nullptr, u"0", 3, 11},
      {"a negative line setting moves nothing", 10, -120, kNoKeys, nullptr, u"-2", 3, 10},
      {"the system's lines when asked", 10, -120, kNoKeys, u"1", u"3", 5, 15},
      {"UseSysParam other than 1 keeps the own lines", 10, -120, kNoKeys, u"2", u"4", 5, 14},
      {"a huge setting ends at the last line", 10, -120, kNoKeys, nullptr, u"2000000000", 3, 100},
      {"a huge setting ends at the first line", 10, 120, kNoKeys, nullptr, u"2000000000", 3, 1},
      {"an unreadable setting leaves 0 lines", 10, -120, kNoKeys, nullptr, u"many", 3, 10},
      {"an unreadable switch leaves 0 lines", 10, -120, kNoKeys, u"yes", u"3", 3, 10},
      {"middle away from the user: left", 4, 120, kMiddle, nullptr, u"3", 3, 4, {5, 7, 6, 9}},
      {"middle towards the user: right", 4, -120, kMiddle, nullptr, u"3", 3, 4, {5, 13, 6, 15}},
      {"middle: a move before column 1 is refused whole", 4, 120, kMiddle, nullptr, u"11", 3, 4},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WheelFixture f;
    if (row.use_sys_param) f.Setting(kUseSysParamKey, row.use_sys_param);
    if (row.scroll_lines) f.Setting(kWheelScrollLinesKey, row.scroll_lines);
    f.os.windows().SetWheelScrollLines(row.system_lines);
    f.wheel.LoadWheel();
    f.Hover(f.Code(u"Module1"));
    f.Pane().Select(5, 10, 6, 12);
    f.Pane().SetTopLine(row.top);
    f.Wheel(f.Code(u"Module1"), row.delta, row.keys);
    EXPECT_EQ(f.Pane().CurrentTopLine(), row.expected_top);
    EXPECT_EQ(f.Pane().CurrentSelection(), row.expected_selection);
  }
}

// Every message goes on to the previous procedure unchanged; the wheel is ours only while the
// cursor is over the hooked window and a pane is active.
TEST(CodeWindowProc, EveryMessageReachesThePreviousProcedureUnchanged) {
  WheelFixture f;
  f.wheel.LoadWheel();
  const auto code = f.Code(u"Module1");
  f.Hover(code);
  f.Pane().SetTopLine(10);
  f.os.windows().SendMessage(code, host::kWmKeyDown, 40, 7);
  f.Wheel(code, 120);
  f.desktop.PointAt(f.Code(u"Module2"));
  f.Wheel(code, 120);
  f.desktop.PointAt(code);
  f.editor.ClearActivePane();
  f.Wheel(code, 120);
  EXPECT_EQ(f.Pane().CurrentTopLine(), 9);
  using Received = std::tuple<host::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t>;
  std::vector<Received> received;
  for (const auto& m : f.os.windows().DefaultProcMessages())
    received.emplace_back(m.window, m.message, m.w_param, m.l_param);
  const Received wheel{code, host::kWmMouseWheel, WheelParam(120, kNoKeys), 0x00640032};
  EXPECT_EQ(received,
            (std::vector<Received>{{code, host::kWmKeyDown, 40, 7}, wheel, wheel, wheel}));
}

// MouseWheel::UnloadWheel's explicit Unload may go unnoticed: the form is destroyed on the
// next line, and its destructor unloads it the same way. Conversely the destructor's own
// Unload is never the one that runs: the feature always unloads the form before it goes.
//
// Unhooking as Win32 allows it: ours is put back only while it is the window's procedure; a
// procedure another program installed after ours keeps calling ours, which then passes every
// message on for as long as the window lives. Switched on again, the feature hooks afresh.
TEST(CodeWindowUnhook, RestoresAndUnregistersOnlyWhatIsOursAlone) {
  for (const bool overhooked : {false, true}) {
    SCOPED_TRACE(overhooked);
    WheelFixture f;
    auto& windows = f.os.windows();
    const auto code = f.Code(u"Module1");
    const auto original = windows.WindowProc(code);
    auto wheel = std::make_unique<MouseWheel>(f.connection, f.host_os.windows, f.host_os.loop,
                                              f.host_os.settings);
    wheel->LoadWheel();
    f.Hover(code);
    const auto ours = windows.WindowProc(code);
    ASSERT_NE(ours, original);
    const auto theirs = windows.RegisterEditorProc(
        [&, ours](host::WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
          return windows.CallWindowProc(ours, w, m, wp, lp);
        });
    if (overhooked) windows.SetWindowProc(code, theirs);
    wheel->Form()->QueryUnload();
    wheel->UnloadWheel();
    wheel->UnloadWheel();
    EXPECT_EQ(windows.WindowProc(code), overhooked ? theirs : original);
    EXPECT_EQ(windows.RegisteredProcCount(), overhooked ? 1u : 0u);
    if (!overhooked) {
      f.Pane().SetTopLine(10);
      f.os.loop().Advance(1000);
      f.Wheel(code, -120);
      EXPECT_EQ(f.Pane().CurrentTopLine(), 10);
      wheel->LoadWheel();
      f.Hover(code);
      EXPECT_EQ(windows.WindowProc(code), wheel->Hook().ProcedureId());
      EXPECT_EQ(wheel->Hook().PreviousCodeWindowProc(), original);
    }
    // Messages still run through the chain to the editor's own procedure once it is gone.
    wheel.reset();
    const auto before = windows.DefaultProcMessages().size();
    f.Wheel(code, -120);
    EXPECT_EQ(windows.DefaultProcMessages().size(), before + 1);
  }
}

}  // namespace
}  // namespace tessaly::wheel
