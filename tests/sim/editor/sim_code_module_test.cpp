#include "sim/editor/sim_code_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_error.h"
#include "sim/editor/sim_code_pane.h"

namespace tessaly::sim {
namespace {

using Lines = std::vector<std::u16string>;

class SimCodeModuleTest : public ::testing::Test {
 protected:
  SimCodeModule MakeModule(Lines lines) {
    return SimCodeModule(u"P", u"M", std::move(lines), calls_);
  }
  std::shared_ptr<CallLog> calls_ = std::make_shared<CallLog>();
};

struct InsertCase {
  const char* title;
  std::int32_t line;
  std::u16string text;
  Lines expected;
};

TEST_F(SimCodeModuleTest, InsertLinesSplitsAtLineBreaksAndInsertsBefore) {
  const std::vector<InsertCase> cases = {
      {"single line before the first", 1, u"x", {u"x", u"a", u"b"}},
      {"CR LF makes two lines", 2, u"x\r\ny", {u"a", u"x", u"y", u"b"}},
      {"lone LF and lone CR break too", 2, u"x\ny\rz", {u"a", u"x", u"y", u"z", u"b"}},
      {"count + 1 appends", 3, u"end", {u"a", u"b", u"end"}},
      {"empty text inserts a blank line", 1, u"", {u"", u"a", u"b"}},
      {"a trailing CR LF leaves an empty last line", 1, u"x\r\n", {u"x", u"", u"a", u"b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    auto module = MakeModule({u"a", u"b"});
    module.InsertLines(c.line, c.text);
    EXPECT_EQ(module.Text(), c.expected);
  }
  auto module = MakeModule({u"a"});
  EXPECT_THROW(module.InsertLines(0, u"x"), host::HostError);
  EXPECT_THROW(module.InsertLines(3, u"x"), host::HostError);
  EXPECT_EQ(module.Text(), Lines{u"a"});
}

TEST_F(SimCodeModuleTest, RefusedLinesThrowOnceOrAlways) {
  auto module = MakeModule({u"a", u"b", u"c"});
  module.RefuseReplaceAt(2, 1);
  EXPECT_THROW(module.ReplaceLine(2, u"x"), host::HostError);
  EXPECT_EQ(module.Text()[1], u"b");
  module.ReplaceLine(2, u"x");
  EXPECT_EQ(module.Text()[1], u"x");

  module.RefuseReadAt(3);
  EXPECT_THROW(module.Lines(3, 1), host::HostError);
  EXPECT_THROW(module.Lines(1, 3), host::HostError);
  EXPECT_THROW(module.Lines(3, 1), host::HostError);
  EXPECT_EQ(module.Lines(1, 2), u"a\r\nx");
  module.AllowAll();
  EXPECT_EQ(module.Lines(3, 1), u"c");
}

}  // namespace
}  // namespace tessaly::sim
