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

TEST_F(SimCodeModuleTest, LinesJoinsWithCrLfAndRefusesLinesOutsideTheModule) {
  auto module = MakeModule({u"a", u"b", u"c"});
  EXPECT_EQ(module.Lines(2, 1), u"b");
  EXPECT_EQ(module.Lines(1, 3), u"a\r\nb\r\nc");
  EXPECT_EQ(module.Lines(3, 0), u"");
  EXPECT_THROW(module.Lines(0, 1), host::HostError);
  EXPECT_THROW(module.Lines(4, 1), host::HostError);
  EXPECT_THROW(module.Lines(2, 3), host::HostError);
  EXPECT_THROW(module.Lines(1, -1), host::HostError);
  EXPECT_THROW(MakeModule({}).Lines(1, 1), host::HostError);
}

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

TEST_F(SimCodeModuleTest, ReplaceAndDeleteEditInPlaceAndRefuseOutsideLines) {
  auto module = MakeModule({u"a", u"b", u"c", u"d"});
  module.ReplaceLine(2, u"B");
  EXPECT_EQ(module.Text(), (Lines{u"a", u"B", u"c", u"d"}));
  module.ReplaceLine(1, u"x\r\ny");
  EXPECT_EQ(module.Text(), (Lines{u"x", u"y", u"B", u"c", u"d"}));
  module.DeleteLines(2, 2);
  EXPECT_EQ(module.Text(), (Lines{u"x", u"c", u"d"}));
  EXPECT_THROW(module.ReplaceLine(4, u"z"), host::HostError);
  EXPECT_THROW(module.ReplaceLine(0, u"z"), host::HostError);
  EXPECT_THROW(module.DeleteLines(3, 2), host::HostError);
  EXPECT_THROW(module.DeleteLines(4, 1), host::HostError);
  EXPECT_THROW(module.DeleteLines(1, 0), host::HostError);
  EXPECT_EQ(module.Text(), (Lines{u"x", u"c", u"d"}));
  EXPECT_EQ(module.CountOfLines(), 3);
}

TEST_F(SimCodeModuleTest, ProcedureTableFollowsEdits) {
  auto module = MakeModule({u"Dim a", u"Sub A()", u"End Sub"});
  EXPECT_EQ(module.ProcOfLine(2, 0), u"A");
  module.InsertLines(1, u"Sub First()\r\nEnd Sub");
  EXPECT_EQ(module.ProcOfLine(1, 0), u"First");
  EXPECT_EQ(module.ProcStartLine(u"A", 0), 3);
  module.ReplaceLine(4, u"Sub Renamed()");
  EXPECT_EQ(module.ProcOfLine(4, 0), u"Renamed");
  EXPECT_THROW(module.ProcStartLine(u"A", 0), host::HostError);
  module.DeleteLines(1, 2);
  EXPECT_EQ(module.ProcStartLine(u"Renamed", 0), 2);
  module.SetText({u"Dim only"});
  EXPECT_EQ(module.ProcOfLine(1, 0), u"");
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

TEST_F(SimCodeModuleTest, CountsEveryObjectModelCallButNotTestReads) {
  auto module = MakeModule({u"a", u"b"});
  module.Lines(1, 1);
  module.Lines(2, 1);
  EXPECT_THROW(module.Lines(9, 1), host::HostError);
  module.ReplaceLine(1, u"x");
  (void)module.Text();
  (void)module.LineCount();
  EXPECT_EQ(calls_->Calls(u"CodeModule.Lines"), 3);
  EXPECT_EQ(calls_->Calls(u"CodeModule.ReplaceLine"), 1);
  EXPECT_EQ(calls_->Calls(u"CodeModule.CountOfLines"), 0);
  EXPECT_EQ(calls_->TotalCalls(), 4);
  calls_->Reset();
  EXPECT_EQ(calls_->Calls(u"CodeModule.Lines"), 0);
}

TEST_F(SimCodeModuleTest, ARefusedMemberThrowsUntilAllowed) {
  auto module = MakeModule({u"a"});
  calls_->Refuse(u"CodeModule.CountOfLines");
  EXPECT_THROW(module.CountOfLines(), host::HostError);
  calls_->Allow(u"CodeModule.CountOfLines");
  EXPECT_EQ(module.CountOfLines(), 1);
  EXPECT_EQ(calls_->Calls(u"CodeModule.CountOfLines"), 2);
}

TEST_F(SimCodeModuleTest, ALineByLineWalkOfALargeModuleAnswersEveryLineOnce) {
  Lines lines;
  for (int i = 0; i < 65000; ++i) {
    lines.push_back(i % 10 == 0   ? u"Sub P" + std::u16string(1, u'a' + i % 26) + u"()"
                    : i % 10 == 9 ? u"End Sub"
                                  : u"    x = 1");
  }
  auto module = MakeModule(std::move(lines));
  std::int64_t named = 0;
  for (std::int32_t line = 1; line <= module.CountOfLines(); ++line) {
    if (module.Lines(line, 1).empty()) ADD_FAILURE();
    if (!module.ProcOfLine(line, 0).empty()) ++named;
  }
  EXPECT_EQ(named, 65000);
  EXPECT_EQ(calls_->Calls(u"CodeModule.Lines"), 65000);
  EXPECT_EQ(calls_->Calls(u"CodeModule.ProcOfLine"), 65000);
}

TEST_F(SimCodeModuleTest, PaneRefusesLinesAndColumnsOutsideTheModule) {
  auto module = std::make_shared<SimCodeModule>(u"P", u"M", Lines{u"a", u"b", u"c"}, calls_);
  auto window = std::make_shared<SimWindow>(u"P - M (Code)", host::kCodeWindow, true, calls_);
  SimCodePane pane(module, window, calls_);
  pane.SetSelection(3, 1024, 1, 1);
  EXPECT_EQ(pane.GetSelection(), (host::Selection{3, 1024, 1, 1}));
  const std::vector<host::Selection> refused = {{0, 1, 1, 1}, {4, 1, 1, 1},    {1, 1, 4, 1},
                                                {1, 0, 1, 1}, {1, 1, 1, 1025}, {1, -3, 1, 1}};
  for (const auto& s : refused) {
    EXPECT_THROW(pane.SetSelection(s.start_line, s.start_column, s.end_line, s.end_column),
                 host::HostError);
  }
  EXPECT_EQ(pane.CurrentSelection(), (host::Selection{3, 1024, 1, 1}));

  pane.SetTopLine(3);
  EXPECT_EQ(pane.TopLine(), 3);
  EXPECT_THROW(pane.SetTopLine(0), host::HostError);
  EXPECT_THROW(pane.SetTopLine(4), host::HostError);
  EXPECT_EQ(pane.CurrentTopLine(), 3);
  EXPECT_EQ(pane.CodeModule(), module);
  EXPECT_EQ(pane.Window()->Caption(), u"P - M (Code)");
  EXPECT_EQ(calls_->Calls(u"CodePane.SetTopLine"), 3);

  module->SetText({});
  pane.SetTopLine(1);  // an empty module still has line 1 to show
  pane.SetSelection(1, 1, 1, 1);
  EXPECT_THROW(pane.SetTopLine(2), host::HostError);
}

}  // namespace
}  // namespace tessaly::sim
