// What a click reads through the recorder is what it replaces: a run of lines read at once is
// known line by line, and an empty read knows nothing, so the old texts a change keeps are the
// module's own and no line is read twice.

#include "menu/change_recorder.h"

#include <gtest/gtest.h>

#include "sim/editor/sim_editor.h"

namespace tessaly::menu {
namespace {

TEST(ChangeRecorder, KeepsTheOldTextOfEachLineAsReadWithoutReadingItAgain) {
  sim::SimEditor editor;
  editor.AddModule(u"Project1", u"Module1", {u"a", u"b", u"c", u"d", u"e"});
  ChangeRecorder recorder;
  auto module = recorder.Wrap(editor.Application())->ActiveCodePane()->CodeModule();
  module->Lines(2, 3);
  module->Lines(5, 0);
  editor.ResetCalls();
  module->ReplaceLine(4, u"D");
  module->ReplaceLine(2, u"B");
  module->ReplaceLine(5, u"E");  // never read: read once, as the editor holds it
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 1);

  const auto change = recorder.Finish();
  ASSERT_TRUE(change);
  std::vector<std::u16string> before;
  for (const auto& edit : change->edits)
    before.push_back(edit.before.front());
  EXPECT_EQ(before, (std::vector<std::u16string>{u"d", u"b", u"e"}));
  EXPECT_EQ(change->left,
            (std::map<std::int32_t, std::u16string>{{2, u"B"}, {4, u"D"}, {5, u"E"}}));
}

}  // namespace
}  // namespace tessaly::menu
