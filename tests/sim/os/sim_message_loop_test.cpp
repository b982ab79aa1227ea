#include "sim/os/sim_message_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::sim {
namespace {

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

TEST_F(SimMessageLoopTest, DoEventsRunsQueuedPendingWorkOnce) {
  int runs = 0;
  loop_.QueuePendingWork([&] {
    ++runs;
    loop_.QueuePendingWork([&] { ++runs; });  // waits for the next round
  });
  loop_.DoEvents();
  EXPECT_EQ(runs, 1);
  loop_.DoEvents();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(loop_.DoEventsCount(), 2u);
}

}  // namespace
}  // namespace tessaly::sim
