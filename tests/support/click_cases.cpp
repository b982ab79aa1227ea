#include "support/click_cases.h"

#include <stdexcept>

namespace tessaly::test_support {

namespace {

const std::vector<std::u16string> kLoop = {
    u"Sub Demo()",    u"Dim i As Integer", u"For i = 1 To 10",
    u"If i > 5 Then", u"Debug.Print i",    u"End If",
    u"Next",          u"End Sub",
};

const std::vector<std::u16string> kCommented = {
    u"Sub Demo()", u"    Dim i As Integer   ' counter", u"",        u"    i = 1",
    u"",           u"    Debug.Print i  ' show",        u"End Sub",
};

}  // namespace

const std::vector<ClickCase>& ClickCases() {
  // clang-format off
  static const std::vector<ClickCase> cases = {
      {"Indent", kLoop, {2, 1, 2, 1}, u"代码缩进",
       {u"Sub Demo()", u"    Dim i As Integer", u"    For i = 1 To 10", u"        If i > 5 Then",
        u"            Debug.Print i", u"        End If", u"    Next", u"End Sub"}, {2, 1, 2, 1}},
      {"DeleteBlankLines", kCommented, {4, 3, 4, 3}, u"删除空行",
       {u"Sub Demo()", u"    Dim i As Integer   ' counter", u"    i = 1",
        u"    Debug.Print i  ' show", u"End Sub"}, {4, 1, 4, 1}},
      {"DeleteComments", kCommented, {2, 1, 2, 1}, u"删除注解",
       {u"Sub Demo()", u"    Dim i As Integer   ", u"", u"    i = 1", u"", u"    Debug.Print i  ",
        u"End Sub"}, {2, 1, 2, 1}},
      {"Unindent", kCommented, {2, 1, 2, 1}, u"取消缩进",
       {u"Sub Demo()", u"Dim i As Integer   ' counter", u"", u"i = 1", u"", u"Debug.Print i  ' show",
        u"End Sub"}, {2, 1, 2, 1}},
      {"UnalignComments", kCommented, {2, 1, 2, 1}, u"取消对齐",
       {u"Sub Demo()", u"    Dim i As Integer' counter", u"", u"    i = 1", u"",
        u"    Debug.Print i' show", u"End Sub"}, {2, 1, 2, 1}},
      {"AlignComments", kCommented, {2, 1, 2, 1}, u"注解对齐",
       {u"Sub Demo()", u"    Dim i As Integer   ' counter", u"", u"    i = 1", u"",
        u"    Debug.Print i      ' show", u"End Sub"}, {2, 1, 2, 1}},
      {"Annotate", kLoop, {2, 1, 2, 1}, u"代码注解",
       {u"Sub Demo()", u"Dim i As Integer '定义变量 i 为 整型值",
        u"For i = 1 To 10 '循环开始  i 等于 1 到 10", u"If i > 5 Then '如果  i 大于 5 则执行 ",
        u"Debug.Print i ' 调试的输出 i", u"End If 'If判断过程结束", u"Next '循环结束", u"End Sub"},
       {2, 1, 2, 1}},
      // A snippet goes in once per click, whatever the editor does with other buttons' sinks.
      {"Snippet", {u"Sub Demo()", u"    x = 1", u"End Sub"}, {2, 5, 2, 5}, u"禁用屏幕更新",
       {u"Sub Demo()", u"    Application.ScreenUpdating = False", u"    x = 1", u"End Sub"},
       {2, 5, 2, 5}},
  };
  // clang-format on
  return cases;
}

// The bar holds buttons and popups of buttons, one level deep.
sim::ControlPath FunctionMenuPath(const sim::SimEditor& editor, const std::u16string& caption) {
  for (const auto& control : editor.Bar(u"TessalyIDE").ControlList().All()) {
    const auto& top = control->Properties().caption;
    if (top == caption) return {u"TessalyIDE", caption};
    if (!control->Children()) continue;
    for (const auto& item : control->Children()->All()) {
      if (item->Properties().caption == caption) return {u"TessalyIDE", top, caption};
    }
  }
  throw std::invalid_argument("no such function-menu button");
}

}  // namespace tessaly::test_support
