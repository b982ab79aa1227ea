// A click on a code tool while the editor refuses one member, each member the click calls in
// turn: the tool asks for no line the module does not have (the editor would answer "out of
// range", and that would be logged as a refusal the editor never made).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "add_in_fixture.h"
#include "text/utf.h"

namespace tessaly::composition {
namespace {

TEST_F(AddInFixture, AClickWithAnyOneMemberRefusedAsksForNoLineOutsideTheModule) {
  const Modules modules = {{u"Module1",
                            {u"Option Explicit", u"Sub A()", u"If a Then ' 条件", u"a = 1", u"",
                             u"End If", u"End Sub", u"Sub B()", u"End Sub"}}};
  for (const char16_t* caption : {u"代码缩进", u"取消缩进", u"删除空行", u"删除注解", u"注解对齐",
                                  u"取消对齐", u"代码注解"}) {
    Start(modules);
    Select({4, 1, 4, 1});
    editor->ResetCalls();
    Click(caption);
    const auto members = editor->App().Calls().CalledMembers();
    ASSERT_GT(members.size(), 3u) << text::ToUtf8(caption);
    for (const auto& member : members) {
      SCOPED_TRACE(text::ToUtf8(caption) + " with " + text::ToUtf8(member) + " refused");
      Start(modules);
      Select({4, 1, 4, 1});
      editor->Refuse(member);
      Click(caption);
      for (const auto& line : editor->App().Calls().RefusalLines())
        EXPECT_EQ(line.find("outside"), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace tessaly::composition
