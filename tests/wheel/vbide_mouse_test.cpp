#include "wheel/vbide_mouse.h"

#include <gtest/gtest.h>

#include <string>

#include "wheel_fixture.h"

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
    sim::SimEditor editor(options);
    editor.AddModule(u"Project1", u"Form1", HundredLines());
    sim::SimOs os;
    host::Os host_os = os.Os();
    sim::SimDesktop desktop(editor, os);
    addin::Connection connection;
    connection.HostApplication = editor.Application();
    MouseWheel wheel(connection, host_os);
    wheel.LoadWheel();
    desktop.PointAt(desktop.CodeWindow(u"Form1"));
    os.loop().Advance(200);
    EXPECT_EQ(wheel.Form()->HookedCodeWindow() != 0, marker != u"(Form)");
  }
}

TEST(VBIDEMouse, WithoutAnActivePaneACodeWindowOfTheEditorStillQualifies) {
  WheelFixture f;
  f.wheel.LoadWheel();
  f.editor.ClearActivePane();
  f.Hover(f.Code(u"Module2"));
  EXPECT_TRUE(f.Hooked(f.Code(u"Module2")));
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

TEST(VBIDEMouse, AHookedWindowTheEditorDestroyedIsReplacedAtTheNextQualifyingWindow) {
  WheelFixture f;
  f.wheel.LoadWheel();
  f.Hover(f.Code(u"Module1"));
  f.os.windows().DestroyWindow(f.Code(u"Module1"));
  f.editor.Activate(u"Module2");
  f.Hover(f.Code(u"Module2"));
  EXPECT_TRUE(f.Hooked(f.Code(u"Module2")));
  f.wheel.UnloadWheel();
  EXPECT_FALSE(f.Hooked(f.Code(u"Module2")));
}

}  // namespace
}  // namespace tessaly::wheel
