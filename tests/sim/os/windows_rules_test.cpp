// Where the simulated OS must be as strict as Windows, for the features' tests to mean anything:
// messages and timers come in the order and at the time Windows gives them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/os/sim_message_loop.h"
#include "sim/os/sim_os.h"
#include "sim/os/sim_system_services.h"

namespace tessaly::sim {
namespace {

// Posted messages and timers are handled where messages are pumped. Timers fall due in time
// order (the earlier set first at a tie), inside a wait on the tick count, a message box the user
// reads for a while, or a callback that pumps messages itself, which does not turn the clock back;
// a callback may kill timers, its own too, and set new ones.
TEST(WindowsRules, TimersFireInTimeOrderWhereverMessagesArePumped) {
  SimOs os;
  auto& loop = os.loop();
  std::vector<std::string> fired;
  const auto record = [&](std::string name) {
    return [&fired, &loop, name] { fired.push_back(name + std::to_string(loop.TickCount())); };
  };
  host::TimerId wheel = 0;
  host::TimerId dialog = loop.SetTimer(
      150,
      [&] {
        record("dialog@")();
        if (loop.TickCount() < 300) return;
        loop.KillTimer(dialog);
        loop.KillTimer(wheel);
        loop.SetTimer(100, record("late@"), 0);
        os.system().SetMessageBoxReadingTime(250);
        os.system().MessageBox(u"busy", u"", 0);
      },
      0);
  wheel = loop.SetTimer(100, record("wheel@"), 0);
  const auto window = os.windows().CreateWindow({u"VbaWindow", u""});
  os.windows().PostMessage(window, host::kWmKeyDown, 13, 0);
  EXPECT_TRUE(os.windows().Delivered().empty()) << "posting only queues";
  const auto start = loop.TickCount();
  while (loop.TickCount() - start < 200)
    loop.DoEvents();
  EXPECT_EQ(os.windows().Delivered().size(), 1u);
  EXPECT_EQ(fired, (std::vector<std::string>{"wheel@100", "dialog@150", "wheel@200"}));
  loop.Advance(150);  // the box is read from 300 to 550, past the end of this wait
  EXPECT_EQ(loop.TickCount(), 550u);
  loop.Advance(150);
  EXPECT_EQ(fired, (std::vector<std::string>{"wheel@100", "dialog@150", "wheel@200", "dialog@300",
                                             "late@400", "late@500", "late@600", "late@700"}));
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
}

// What a registry string is written in: one question mark for each character code page 936
// lacks, a surrogate pair included.
TEST(SimSystemServices, ConvertsToCodePage936WithAQuestionMarkForEachOtherCharacter) {
  EXPECT_EQ(SimSystemServices().ToAnsi(u"a中\u0E01\U00010000b"), "a\xD6\xD0??b");
}

}  // namespace
}  // namespace tessaly::sim
