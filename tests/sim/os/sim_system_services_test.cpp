#include "sim/os/sim_system_services.h"

#include <gtest/gtest.h>

#include "host/host_error.h"

namespace tessaly::sim {
namespace {

TEST(SimSystemServices, ConvertsToCodePage936WithQuestionMarksForTheRest) {
  SimSystemServices system;
  EXPECT_EQ(system.ToAnsi(u"abc"), "abc");
  EXPECT_EQ(system.ToAnsi(u"中"), "\xD6\xD0");
  EXPECT_EQ(system.ToAnsi(u"a\u0E01b\U0001F600c"), "a?b?c");
}

}  // namespace
}  // namespace tessaly::sim
