#include "wheel/vbide_mouse.h"

#include <gtest/gtest.h>

#include <memory>

#include "wheel/code_window_hook.h"
#include "wheel/wheel_fixture.h"

namespace tessaly::wheel {
namespace {

// One timer of 200 ms however often the feature is loaded; the active code window under the
// cursor is hooked at its next tick, once.
TEST(VBIDEMouse, TheActiveCodeWindowIsHookedAtTheNextTick) {
  WheelFixture f;
  f.wheel.LoadWheel();
  f.wheel.LoadWheel();
  EXPECT_EQ(f.os.loop().RunningTimerCount(), 1u);
  EXPECT_EQ(f.os.loop().TimerInterval(f.wheel.Form()->TimerMouse()), 200u);
  const auto code = f.Code(u"Module1");
  const auto original = f.os.windows().WindowProc(code);
  f.desktop.PointAt(code);
  f.os.loop().Advance(199);
  EXPECT_EQ(f.os.windows().WindowProc(code), original);
  f.os.loop().Advance(1);
  EXPECT_TRUE(f.Hooked(code));
  EXPECT_EQ(f.wheel.Form()->HookedCodeWindow(), code);
  EXPECT_EQ(f.wheel.Hook().PreviousCodeWindowProc(), original);
  // Resting there hooks nothing again.
  f.os.loop().Advance(1000);
  EXPECT_EQ(f.wheel.Hook().PreviousCodeWindowProc(), original);
}

TEST(VBIDEMouse, OnlyTheActivePanesCodeWindowQualifies) {
  const struct {
    const char* name;
    host::WindowHandle (*window)(WheelFixture&);
  } rows[] = {
      {"a code window that is not the active pane's",
       [](WheelFixture& f) { return f.Code(u"Module2"); }},
      {"a designer window",
       [](WheelFixture& f) { return f.desktop.AddEditorWindow(u"Project1 - Form1 (Form)"); }},
      {"a window of another class",
       [](WheelFixture& f) {
         return f.os.windows().CreateWindow(
             sim::WindowParams(u"Edit", u"Project1 - Module1 (Code)", 0, {900, 500, 1000, 600}));
       }},
      {"a window of another process",
       [](WheelFixture& f) {
         return f.os.windows().CreateWindow(sim::WindowParams(
             u"VbaWindow", u"Project1 - Module1 (Code)", 0, {900, 500, 1000, 600}, 0, 999u));
       }},
      {"the project tree", [](WheelFixture& f) { return f.desktop.ProjectTree(); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WheelFixture f;
    f.wheel.LoadWheel();
    const auto window = row.window(f);
    const auto original = f.os.windows().WindowProc(window);
    f.Hover(window);
    EXPECT_EQ(f.os.windows().WindowFromPoint(f.os.windows().CursorPos()), window);
    EXPECT_EQ(f.os.windows().WindowProc(window), original);
    EXPECT_EQ(f.wheel.Form()->HookedCodeWindow(), 0);
    f.Pane().SetTopLine(10);
    f.Wheel(window, 120);
    EXPECT_EQ(f.Pane().CurrentTopLine(), 10);
  }
}

TEST(VBIDEMouse, AWindowWithTheActiveCaptionButNoCodeMarkerDoesNotQualify) {
  for (const std::u16string marker : {u"(Code)", u"(代码)", u"(Form)"}) {
    sim::EditorOptions options;
    options.code_marker = marker;
    WheelFixture f(options);
    f.wheel.LoadWheel();
    f.Hover(f.Code(u"Module1"));
    EXPECT_EQ(f.wheel.Form()->HookedCodeWindow() != 0, marker != u"(Form)");
  }
}

// The active pane is looked for again at each message: without one, the wheel passes on.
TEST(VBIDEMouse, WithoutAnActivePaneACodeWindowIsHookedButTheWheelOnlyPassesOn) {
  WheelFixture f;
  f.wheel.LoadWheel();
  f.editor.ClearActivePane();
  const auto code = f.Code(u"Module2");
  f.Hover(code);
  EXPECT_TRUE(f.Hooked(code));
  f.Pane(u"Module2").SetTopLine(10);
  f.Wheel(code, 120);
  EXPECT_EQ(f.Pane(u"Module2").CurrentTopLine(), 10);
  EXPECT_EQ(f.os.windows().DefaultProcMessages().size(), 1u);
}

TEST(VBIDEMouse, MovingToAnotherCodeWindowRestoresTheFirst) {
  WheelFixture f;
  f.wheel.LoadWheel();
  const auto first = f.Code(u"Module1");
  const auto second = f.Code(u"Module2");
  const auto first_original = f.os.windows().WindowProc(first);
  const auto second_original = f.os.windows().WindowProc(second);
  f.Hover(first);
  f.editor.Activate(u"Module2");
  f.Hover(second);
  EXPECT_EQ(f.os.windows().WindowProc(first), first_original);
  EXPECT_TRUE(f.Hooked(second));
  EXPECT_EQ(f.wheel.Hook().PreviousCodeWindowProc(), second_original);
  // The procedure was registered once for every hook.
  f.editor.Activate(u"Module1");
  f.Hover(first);
  EXPECT_TRUE(f.Hooked(first));
  EXPECT_EQ(f.os.windows().WindowProc(second), second_original);
  // A hooked window the editor destroyed gives way to the next qualifying one.
  f.os.windows().DestroyWindow(first);
  f.editor.Activate(u"Module2");
  f.Hover(second);
  EXPECT_TRUE(f.Hooked(second));
  f.wheel.UnloadWheel();
  EXPECT_FALSE(f.Hooked(second));
}

// MouseWheel::UnloadWheel's explicit Unload may go unnoticed: the form is destroyed on the
// next line, and its destructor unloads it the same way. Conversely the destructor's own
// Unload is never the one that runs: the feature always unloads the form before it goes.
TEST(VBIDEMouse, UnloadingRestoresTheHookedWindowAndRunningItTwiceDoesNoHarm) {
  WheelFixture f;
  const auto code = f.Code(u"Module1");
  const auto original = f.os.windows().WindowProc(code);
  f.wheel.LoadWheel();
  f.Hover(code);
  ASSERT_TRUE(f.Hooked(code));
  f.wheel.Form()->QueryUnload();
  EXPECT_EQ(f.os.windows().WindowProc(code), original);
  f.wheel.Form()->UH();
  f.wheel.UnloadWheel();
  f.wheel.UnloadWheel();
  EXPECT_EQ(f.os.windows().WindowProc(code), original);
  f.Pane().SetTopLine(10);
  f.Wheel(code, 120);
  f.os.loop().Advance(1000);
  EXPECT_EQ(f.Pane().CurrentTopLine(), 10);
  EXPECT_EQ(f.os.windows().WindowProc(code), original);

  // Switched on again, the feature hooks afresh and chains to the right procedure.
  f.wheel.LoadWheel();
  f.Hover(code);
  EXPECT_TRUE(f.Hooked(code));
  EXPECT_EQ(f.wheel.Hook().PreviousCodeWindowProc(), original);
}

struct ScrollRow {
  const char* name;
  std::int32_t top;
  std::int16_t delta;
  std::uint16_t keys;
  const char16_t* use_sys_param;  // nullptr: not stored
  const char16_t* scroll_lines;
  std::int32_t system_lines;
  std::int32_t expected_top;
  host::Selection expected_selection = {5, 10, 6, 12};  // as selected
};

// The wheel moves the top line; the middle button alone moves the selection sideways instead.
TEST(CodeWindowProc, AWheelMessageMovesTheTopLineOrTheSelection) {
  const ScrollRow rows[] = {
      {"default one line up", 10, 120, kNoKeys, nullptr, nullptr, 3, 9},
      {"three down", 10, -120, kNoKeys, nullptr, u"3", 3, 13},
      {"any delta size scrolls once", 10, -960, kNoKeys, nullptr, u"3", 3, 13},
      {"a delta of 0 counts as towards the user", 10, 0, kNoKeys, nullptr, u"3", 3, 13},
      {"the smallest step away from the user scrolls up", 10, 1, kNoKeys, nullptr, u"3", 3, 7},
      {"Shift scrolls like the plain wheel", 10, 120, kShift, nullptr, u"3", 3, 7},
      {"Ctrl scrolls like the plain wheel", 10, 120, kControl, nullptr, u"3", 3, 7},
      {"middle with Shift is no sideways move", 10, 120, kMiddle | kShift, nullptr, u"3", 3, 7},
      {"near the top the rejected lines are skipped", 2, 120, kNoKeys, nullptr, u"3", 3, 1},
      {"near the end the last line stays", 99, -120, kNoKeys, nullptr, u"3", 3, 100},
      {"a line setting of 0 moves one line", 10, -120, kNoKeys, nullptr, u"0", 3, 11},
      {"a negative line setting moves nothing down", 10, -120, kNoKeys, nullptr, u"-2", 3, 10},
      {"a negative line setting moves nothing up", 10, 120, kNoKeys, nullptr, u"-2", 3, 10},
      {"the system's lines when asked", 10, -120, kNoKeys, u"1", u"3", 5, 15},
      {"the system's 0 is kept: nothing moves", 10, -120, kNoKeys, u"1", u"3", 0, 10},
      {"the system's page scroll moves nothing", 10, 120, kNoKeys, u"1", u"3", -1, 10},
      {"UseSysParam other than 1 keeps the own lines", 10, -120, kNoKeys, u"2", u"4", 5, 14},
      {"a huge setting ends at the last line", 10, -120, kNoKeys, nullptr, u"2000000000", 3, 100},
      {"a huge setting ends at the first line", 10, 120, kNoKeys, nullptr, u"2000000000", 3, 1},
      {"an unreadable setting leaves 0 lines", 10, -120, kNoKeys, nullptr, u"many", 3, 10},
      {"an unreadable switch leaves 0 lines", 10, -120, kNoKeys, u"yes", u"3", 3, 10},
      {"middle away from the user: left", 4, 120, kMiddle, nullptr, u"3", 3, 4, {5, 7, 6, 9}},
      {"middle towards the user: right", 4, -120, kMiddle, nullptr, u"3", 3, 4, {5, 13, 6, 15}},
      {"middle, lines below 0: right", 4, 120, kMiddle, nullptr, u"-2", 3, 4, {5, 12, 6, 14}},
      {"middle: a move before column 1 is refused whole", 4, 120, kMiddle, nullptr, u"11", 3, 4},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WheelFixture f;
    if (row.use_sys_param) f.Setting(kUseSysParamKey, row.use_sys_param);
    if (row.scroll_lines) f.Setting(kWheelScrollLinesKey, row.scroll_lines);
    f.os.windows().SetWheelScrollLines(row.system_lines);
    f.wheel.LoadWheel();
    f.Hover(f.Code(u"Module1"));
    ASSERT_TRUE(f.Hooked(f.Code(u"Module1")));
    f.Pane().Select(5, 10, 6, 12);
    f.Pane().SetTopLine(row.top);
    f.Wheel(f.Code(u"Module1"), row.delta, row.keys);
    EXPECT_EQ(f.Pane().CurrentTopLine(), row.expected_top);
    EXPECT_EQ(f.Pane().CurrentSelection(), row.expected_selection);
  }
}

TEST(CodeWindowProc, EveryMessageReachesThePreviousProcedureUnchanged) {
  WheelFixture f;
  f.wheel.LoadWheel();
  const auto code = f.Code(u"Module1");
  f.Hover(code);
  f.Pane().SetTopLine(10);
  f.os.windows().SendMessage(code, host::kWmKeyDown, 40, 7);
  f.Wheel(code, 120);
  // The cursor has left for the other code window: the focused window passes the wheel on.
  f.desktop.PointAt(f.Code(u"Module2"));
  f.Wheel(code, 120);
  EXPECT_EQ(f.Pane().CurrentTopLine(), 9);
  const auto& received = f.os.windows().DefaultProcMessages();
  ASSERT_EQ(received.size(), 3u);
  EXPECT_EQ(received[0].message, host::kWmKeyDown);
  EXPECT_EQ(received[0].w_param, 40u);
  EXPECT_EQ(received[0].l_param, 7);
  for (std::size_t i : {1u, 2u}) {
    EXPECT_EQ(received[i].window, code);
    EXPECT_EQ(received[i].message, host::kWmMouseWheel);
    EXPECT_EQ(received[i].w_param, WheelParam(120, kNoKeys));
    EXPECT_EQ(received[i].l_param, 0x00640032);
  }
}

TEST(CodeWindowHook, SettingsAreReadAgainOnlyWhenTheHookedWindowChanges) {
  WheelFixture f;
  f.Setting(kWheelScrollLinesKey, u"2");
  f.wheel.LoadWheel();
  f.Hover(f.Code(u"Module1"));
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 2);
  f.Setting(kWheelScrollLinesKey, u"5");
  f.Hover(f.Code(u"Module1"));
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 2);
  f.editor.Activate(u"Module2");
  f.Hover(f.Code(u"Module2"));
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 5);
  // A setting that no longer converts keeps the lines read before.
  f.Setting(kWheelScrollLinesKey, u"x");
  f.editor.Activate(u"Module1");
  f.Hover(f.Code(u"Module1"));
  EXPECT_EQ(f.wheel.Hook().Lines().WheelLines, 5);
  EXPECT_TRUE(f.Hooked(f.Code(u"Module1")));
}

TEST(CodeWindowHook, AHookOutlivedByItsWindowOnlyPassesMessagesOn) {
  WheelFixture f;
  const auto window = f.Code(u"Module1");
  {
    CodeWindowHook hook(f.connection, f.host_os);
    hook.HookCodeWindow(window);
  }
  f.desktop.PointAt(window);
  f.Pane().SetTopLine(10);
  f.Wheel(window, 120);
  EXPECT_EQ(f.Pane().CurrentTopLine(), 10);
  EXPECT_EQ(f.os.windows().DefaultProcMessages().size(), 1u);
}

// Unhooking as Win32 allows it: ours is put back only while it is the window's procedure; a
// procedure another program installed after ours keeps calling ours, which then passes every
// message on for as long as the window lives.
TEST(CodeWindowUnhook, RestoresAndUnregistersOnlyWhatIsOursAlone) {
  for (const bool overhooked : {false, true}) {
    WheelFixture f;
    auto& windows = f.os.windows();
    const auto code = f.Code(u"Module1");
    const auto original = windows.WindowProc(code);
    auto wheel = std::make_unique<MouseWheel>(f.connection, f.host_os);
    wheel->LoadWheel();
    f.Hover(code);
    const auto ours = windows.WindowProc(code);
    ASSERT_NE(ours, original);
    const auto theirs = windows.RegisterEditorProc(
        [&, ours](host::WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
          return windows.CallWindowProc(ours, w, m, wp, lp);
        });
    if (overhooked) windows.SetWindowProc(code, theirs);

    wheel->UnloadWheel();
    EXPECT_EQ(windows.WindowProc(code), overhooked ? theirs : original) << overhooked;
    EXPECT_EQ(windows.RegisteredProcCount(), overhooked ? 1u : 0u) << overhooked;

    // Messages still run through the chain to the editor's own procedure once the feature is
    // gone.
    wheel.reset();
    const auto before = windows.DefaultProcMessages().size();
    f.Wheel(code, -120);
    EXPECT_EQ(windows.DefaultProcMessages().size(), before + 1) << overhooked;
  }
}

}  // namespace
}  // namespace tessaly::wheel
