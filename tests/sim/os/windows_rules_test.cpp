// Where the simulated OS must be as strict as Windows: procedures live from registration to
// unregistration, and a modal message box or DoEvents lets timers fire.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "sim/os/sim_message_loop.h"
#include "sim/os/sim_os.h"

namespace tessaly::sim {
namespace {

using host::WindowHandle;

TEST(WindowsRules, AProcedureChainsAndLivesFromRegistrationToUnregistration) {
  SimWindowSystem windows;
  const auto code = windows.CreateWindow({u"VbaWindow", u"Module1 (Code)"});
  const auto other = windows.CreateWindow({u"VbaWindow", u"Module2 (Code)"});
  const auto original = windows.WindowProc(code);
  const auto editor_own = windows.RegisterEditorProc(
      [](WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) { return std::intptr_t{5}; });
  host::WindowProcId previous = 0;
  const auto hook = windows.RegisterWindowProc(
      [&](WindowHandle window, std::uint32_t message, std::uintptr_t w, std::intptr_t l) {
        return windows.CallWindowProc(previous, window, message, w, l) + 1;
      });
  EXPECT_EQ(windows.RegisteredProcCount(), 1u);  // the editor's own is not a subclass

  previous = windows.SetWindowProc(code, hook);
  EXPECT_EQ(previous, original);
  windows.SetWindowProc(other, editor_own);
  EXPECT_EQ(windows.SendMessage(code, host::kWmMouseWheel, 0x00780000, 7), 1);
  EXPECT_EQ(windows.SendMessage(other, host::kWmMouseWheel, 0, 0), 5);
  ASSERT_EQ(windows.DefaultProcMessages().size(), 1u);
  EXPECT_EQ(windows.DefaultProcMessages()[0].message, host::kWmMouseWheel);
  EXPECT_EQ(windows.DefaultProcMessages()[0].w_param, 0x00780000u);
  EXPECT_EQ(windows.InstalledWindowProc(code), hook);
  EXPECT_EQ(windows.WindowsWithRegisteredProc(), std::vector<WindowHandle>{code});
  // Freeing a procedure a window still calls would crash the editor.
  EXPECT_THROW(windows.UnregisterWindowProc(hook), std::logic_error);

  // Restoring puts the class procedure back; refusals answer 0 and change nothing.
  EXPECT_EQ(windows.SetWindowProc(code, original), hook);
  EXPECT_EQ(windows.SetWindowProc(code, 999), 0);
  EXPECT_EQ(windows.SetWindowProc(777, hook), 0);
  EXPECT_EQ(windows.CallWindowProc(999, code, 1, 0, 0), 0);
  windows.UnregisterWindowProc(hook);
  EXPECT_EQ(windows.RegisteredProcCount(), 0u);
  EXPECT_TRUE(windows.WindowsWithRegisteredProc().empty());
  EXPECT_EQ(windows.SetWindowProc(code, hook), 0);  // an unregistered one is refused
  EXPECT_EQ(windows.InstalledWindowProc(code), original);
  // A chain that still calls it runs freed code.
  EXPECT_THROW(windows.CallWindowProc(hook, code, 1, 0, 0), std::logic_error);
  windows.UnregisterWindowProc(hook);  // twice is harmless
  EXPECT_EQ(windows.InstalledWindowProc(0x999), 0);
}

TEST(WindowsRules, TimersFireInsideDoEventsAndAMessageBox) {
  SimOs os;
  auto& loop = os.loop();
  std::vector<std::uint32_t> fired;
  loop.SetTimer(
      150, [&] { fired.push_back(loop.TickCount()); }, 0);

  // A wait on the tick count ends, and the timer falls due inside it.
  const auto start = loop.TickCount();
  while (loop.TickCount() - start < 200)
    loop.DoEvents();
  EXPECT_EQ(fired, std::vector<std::uint32_t>{150});

  // The user reads a message box for a while; posted messages and timers are handled.
  const auto window = os.windows().CreateWindow({u"VbaWindow", u""});
  os.windows().PostMessage(window, host::kWmKeyDown, 13, 0);
  os.system().SetMessageBoxReadingTime(400);
  os.system().MessageBox(u"?", u"", 0);
  EXPECT_EQ(fired, (std::vector<std::uint32_t>{150, 300, 450, 600}));
  EXPECT_EQ(os.windows().PendingMessageCount(), 0u);
}

TEST(WindowsRules, ATimerThatPumpsMessagesDoesNotTurnTheClockBack) {
  SimOs os;
  auto& loop = os.loop();
  std::vector<std::uint32_t> fired;
  host::TimerId once = 0;
  once = loop.SetTimer(
      100,
      [&] {
        fired.push_back(loop.TickCount());
        loop.KillTimer(once);
        os.system().SetMessageBoxReadingTime(250);
        os.system().MessageBox(u"busy", u"", 0);
      },
      0);
  loop.Advance(150);
  EXPECT_EQ(fired, std::vector<std::uint32_t>{100});
  EXPECT_EQ(loop.TickCount(), 350u);
}

class SimMessageLoopTest : public ::testing::Test {
 protected:
  SimWindowSystem windows_;
  SimMessageLoop loop_{windows_};
  std::vector<std::string> fired_;

  std::function<void()> Record(std::string name) {
    return [this, name] { fired_.push_back(name + "@" + std::to_string(loop_.TickCount())); };
  }
};

TEST_F(SimMessageLoopTest, TimersFireInTimeOrderAndRepeat) {
  loop_.SetTimer(200, Record("wheel"), 0);
  loop_.SetTimer(150, Record("dialog"), 4097);
  loop_.Advance(450);
  EXPECT_EQ(fired_, (std::vector<std::string>{"dialog@150", "wheel@200", "dialog@300", "wheel@400",
                                              "dialog@450"}));
  EXPECT_EQ(loop_.TickCount(), 450u);
  EXPECT_EQ(loop_.RunningTimerCount(), 2u);
}

TEST_F(SimMessageLoopTest, ACallbackMayKillTimersAndSetNewOnes) {
  host::TimerId pending = 0;
  host::TimerId other = 0;
  pending = loop_.SetTimer(
      150,
      [&] {
        fired_.push_back("pending@" + std::to_string(loop_.TickCount()));
        if (loop_.TickCount() == 300) {
          loop_.KillTimer(pending);
          loop_.KillTimer(other);
          loop_.SetTimer(100, Record("late"), 0);
        }
      },
      0);
  other = loop_.SetTimer(300, Record("other"), 0);
  loop_.Advance(1000);
  // "other" was due at 300 too, but was killed by the timer that fired first.
  EXPECT_EQ(fired_, (std::vector<std::string>{"pending@150", "pending@300", "late@400", "late@500",
                                              "late@600", "late@700", "late@800", "late@900",
                                              "late@1000"}));
  EXPECT_EQ(loop_.RunningTimerCount(), 1u);
}

}  // namespace
}  // namespace tessaly::sim
