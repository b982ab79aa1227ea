#include "codetools/annotation_walk.h"

#include <gtest/gtest.h>

#include "support/code_fixture.h"

namespace tessaly::codetools {
namespace {

using test_support::CodeFixture;

const std::vector<std::u16string> kModule = {
    u"Option Explicit",    // 1
    u"' 汇总",             // 2
    u"Sub 汇总()",         // 3
    u"    Dim n As Long",  // 4
    u"",                   // 5
    u"    n = 5 ' 五",     // 6
    u"    n = n + 1",      // 7
    u"End Sub",            // 8
};

class AnnotationWalkTest : public ::testing::Test {
 protected:
  AnnotationDictionary dictionary;
};

TEST_F(AnnotationWalkTest, AnnotatesTheBodyAndLeavesHeaderEndAndCommentsAlone) {
  CodeFixture code(kModule);
  code.Click(7, 5);
  AnnotateCode(code.Connection(), dictionary);

  const auto& text = code.Text();
  EXPECT_EQ(text[3], u"    Dim n As Long '定义变量 n 为 长整型值");
  EXPECT_EQ(text[6], u"    n = n + 1 ' n 等于  n+1");
  for (const int unchanged : {0, 1, 2, 4, 5, 7})
    EXPECT_EQ(text[unchanged], kModule[unchanged]);
  EXPECT_EQ(code.Caret(), (host::Selection{7, 1, 7, 1}));
}

TEST_F(AnnotationWalkTest, SecondRunChangesNothingAndWritesNothing) {
  CodeFixture code(kModule);
  code.Click(4);
  AnnotateCode(code.Connection(), dictionary);
  const auto once = code.Text();
  code.ResetCalls();
  code.Click(4);
  AnnotateCode(code.Connection(), dictionary);
  EXPECT_EQ(code.Text(), once);
  EXPECT_EQ(code.Calls(u"CodeModule.ReplaceLine"), 0);
  EXPECT_LE(code.Calls(u"CodeModule.Lines"), static_cast<std::int64_t>(kModule.size()));
}

TEST_F(AnnotationWalkTest, RefusedWriteIsSkippedAndUnreadableLineEndsTheRun) {
  CodeFixture refused(kModule);
  refused.Module().RefuseReplaceAt(4);
  refused.Click(4);
  AnnotateCode(refused.Connection(), dictionary);
  EXPECT_EQ(refused.Text()[3], kModule[3]);
  EXPECT_NE(refused.Text()[6], kModule[6]);

  CodeFixture unreadable(kModule);
  unreadable.Module().RefuseReadAt(7);
  unreadable.Click(4, 3);
  AnnotateCode(unreadable.Connection(), dictionary);
  EXPECT_NE(unreadable.Text()[3], kModule[3]);
  EXPECT_EQ(unreadable.Text()[6], kModule[6]);
  EXPECT_EQ(unreadable.Caret(), (host::Selection{4, 3, 4, 3}));  // not restored
}

TEST_F(AnnotationWalkTest, WithoutACodePaneNothingChanges) {
  CodeFixture code(kModule);
  code.Click(4);
  code.ClearActivePane();
  AnnotateCode(code.Connection(), dictionary);
  EXPECT_EQ(code.Text(), kModule);
}

}  // namespace
}  // namespace tessaly::codetools
