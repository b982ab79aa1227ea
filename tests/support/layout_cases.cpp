#include "support/layout_cases.h"

namespace tessaly::test_support {

namespace {

// A column-1 comment, a directive, labels and a line number, indented in the text.
constexpr char16_t kColumnOneModule[] =
    u"Sub S()\n' header kept\nRem\n    #If Win64 Then\nx = 1\n  #Else\nx = 2\n#End If\n"
    u"On Error GoTo ErrHandler\n  ' indented comment\nRetry: x = 3\n100\nErrHandler:\n"
    u"出错: ' 注释\nEnd Sub";

constexpr char16_t kTrailingBlanksModule[] =
    u"Sub S()  \n    x = 1\t \n        \n' note   \nEnd Sub";

std::vector<LayoutCase> MakeCases() {
  // clang-format off
  return {
    {"blocks of every kind, as the editor has always had them", {}, u"",
     u"Public Function F(a)\n    If a Then\n        b = 1\n    ElseIf c Then\n        b = 2\n"
     u"    Else\n        b = 3\n    End If\n    Select Case a\n    Case 1\n        x = 1\n"
     u"    Case Else\n        x = 2\n    End Select\n    For i = 1 To 3\n"
     u"        Do While j < i\n            With r\n                .Value = 0\n"
     u"            End With\n        Loop\n    Next i\n    Open f For Input As #1\n"
     u"        Line Input #1, s\n    Close #1\n    If a Then b = 1\n    If a Then ' note\n"
     u"        b = 2\n    End If\n    For i = 1 To 3: s = s + i: Next\n    While x: Wend\n"
     u"    With r: .Value = 1: End With\n    Select Case a: Case 1: b = 1: End Select\n    For NextRow = 1 To 2\n        x = 1\n"
     u"    Next NextRow\n    For k = 1 To 2: s = \"k: Next k\"\n        x = k\n    Next k\n"
     u"    Do While Not LoopDone\n        If a Then b = \"Then\"\n"
     u"        If a Then b = isThen ' Then\n    Loop\n    End\n    Private\nEnd Function"},
    {"each branch of #If starts from the level the #If found", {}, u"",
     u"#If VBA7 Then\nPrivate Declare PtrSafe Function Tick Lib \"kernel32\" () As Long\n"
     u"#Else\nPrivate Declare Function Tick Lib \"kernel32\" () As Long\n#End If\n"
     u"#If VBA7 Then\nFunction Ticks() As LongPtr\n#Else\nFunction Ticks() As Long\n#End If\n"
     u"    Ticks = Tick\n    #If DEBUG_MODE Then\n    If Ticks = 0 Then\n    #Else\n"
     u"    If Ticks < 0 Then\n    #End If\n        Ticks = 1\n    End If\nEnd Function"},
    {"a nested #If ends before the #Else of the #If around it", {}, u"",
     u"#If A Then\nSub P()\n    #If B Then\n    If x Then\n    #End If\n        y = 1\n"
     u"    End If\n#Else\nSub P(z)\n#End If\n    w = 1\nEnd Sub"},
    {"a tab-led line keeps its tab and its words count; closers without openers stay at 0", {},
     u"Sub S()\n  \tIf a Then\nx = 1\n\tEnd If\n  End Sub\nNext i\n  Loop",
     u"Sub S()\n    \tIf a Then\n        x = 1\n    \tEnd If\nEnd Sub\nNext i\nLoop"},
    {"loops and files end as VB ends them; a procedure starts at the module's level", {}, u"",
     u"Sub S()\n    For i = 1 To 2\n        For j = 1 To 2\n            x = i * j\n"
     u"    Next j, i\n    Open f For Input As #1\n        Line Input #1, s\n    Close #1\n"
     u"    Open f For Output As #1: Print #1, x: Close #1\n"
     u"    Exit Sub\n    Fail:\n    Close #1\n    If a Then\n        Close #2\n    End If\n"
     u"    If a Then Rem note\n        b = 1\n    Else If c Then\n            d = 1\n"
     u"        End If\n    End If\n    If a Then  \n        b = 2\n    End If\nEnd Sub\n"
     u"Sub T()\n    If a Then\n        b = 1\nEnd Sub\nFunction U()\n    U = 1\nEnd Function"},
    {"a continued header: its continuation one level in, its body too", {}, u"",
     u"Private Function Total(ByVal a As Long, _\n    ByVal b As Long) As Long\n"
     u"    Total = a + _\n        b\nEnd Function"},
    {"continued If, For, With, Select and Case open their blocks once", {}, u"",
     u"Sub S()\n    If a And _\n        b Then\n        x = 1\n    End If\n    For i = 1 _\n"
     u"        To 3\n        x = i\n    Next\n    With Sheets( _\n        \"数据\")\n"
     u"        .Name = \"x\"\n    End With\n    Select Case _\n        x\n    Case 1, _\n"
     u"        2\n        y = 1\n    End Select\n    z = 1\nEnd Sub"},
    {"a single-line If continued opens no block; a continuation after tabs and blanks counts",
     {}, u"Sub S()\nIf a Then _\nb = 1\nc = 2 +\t_  \nd\nEnd Sub",
     u"Sub S()\n    If a Then _\n        b = 1\n    c = 2 +\t_  \n        d\nEnd Sub"},
    {"a procedure, Type or Enum ended on its own line opens nothing", {}, u"",
     u"Public Enum E: A = 1: End Enum\nPrivate Sub Bar(): Debug.Assert Foo = 42: End Sub\n"
     u"' next one\nPublic Sub S()\n    For i = 1 To 3\n        x = i\n    Next\nEnd Sub"},
    {"Static procedures open their bodies; a Static variable is a statement", {}, u"",
     u"Static Sub S()\n    Static n As Long\n    n = n + 1\nEnd Sub\n"
     u"Private Static Function F()\n    F = 1\nEnd Function\n"
     u"Public Static Property Get P()\n    P = 1\nEnd Property"},
    {"keywords in any letter case", {}, u"",
     u"sub s()\n    if x then\n        y = 1\n    else\n        y = 2\n    end if\n"
     u"    FOR i = 1 TO 2\n        x = i\n    next\nend sub"},
    {"Type and Enum members are names, whatever they are called", {}, u"",
     u"Private Type Row\n    For As Integer\n    Sub As Long\n    Next As String\nEnd Type\n"
     u"Enum Kinds\n    Case1\n    Loop = 2\nEnd Enum\nSub S()\n    x = 1\nEnd Sub"},
    {"a line number or label before the statement; a keyword before a colon", {}, u"",
     u"Sub S()\n    10 If x Then\n        20 y = 1\n    30 End If\n    40: If x Then\n        y = 4\n"
     u"    End If\n    RetryAll: If x Then\n"
     u"        y = 2\n    Else: y = 3\n    End If: z = 1\n    If a Then\n        b = 1\n"
     u"    Else:\n        b = 2\n    End If\n    ErrHandler:\n    出错:\nEnd Sub"},
    {"indent_style = tab: a tab a level, blanks and tabs give way", {"indent_style = tab"},
     u"Sub S()\n    If a Then\n  \t x = 1 + _\n2\n\tEnd If\nEnd Sub",
     u"Sub S()\n\tIf a Then\n\t\tx = 1 + _\n\t\t\t2\n\tEnd If\nEnd Sub"},
    {"indent_style = space: a tab-led line's tabs give way too", {"indent_style = space"},
     u"Sub S()\n\tx = 1\n\t  If a Then\nEnd If\nEnd Sub",
     u"Sub S()\n    x = 1\n    If a Then\n    End If\nEnd Sub"},
    {"indent_size = 2 and vb_indent_case", {"indent_size = 2", "vb_indent_case = true"}, u"",
     u"Sub S()\n  Select Case x\n    Case 1\n      y = 1\n    Case Else\n      y = 2\n"
     u"  End Select\n  z = 3\nEnd Sub"},
    {"blank lines take the level's blanks by default", {}, kTrailingBlanksModule,
     u"Sub S()  \n    x = 1\t \n    \n    ' note   \nEnd Sub"},
    {"trim_trailing_whitespace: blank lines stay empty, line ends lose their blanks",
     {"trim_trailing_whitespace = true"}, kTrailingBlanksModule,
     u"Sub S()\n    x = 1\n\n    ' note\nEnd Sub"},
    {"by default directives, labels and column-1 comments are indented as statements", {},
     kColumnOneModule,
     u"Sub S()\n    ' header kept\n    Rem\n    #If Win64 Then\n    x = 1\n    #Else\n    x = 2\n"
     u"    #End If\n    On Error GoTo ErrHandler\n    ' indented comment\n    Retry: x = 3\n"
     u"    100\n    ErrHandler:\n    出错: ' 注释\nEnd Sub"},
    {"directives, lone labels and column-1 comments at column 1",
     {"vb_directives_at_column_1 = true", "vb_labels_at_column_1 = true",
      "vb_keep_column_1_comments = true"},
     kColumnOneModule,
     u"Sub S()\n' header kept\nRem\n#If Win64 Then\n    x = 1\n#Else\n    x = 2\n#End If\n"
     u"    On Error GoTo ErrHandler\n    ' indented comment\n    Retry: x = 3\n100\n"
     u"ErrHandler:\n出错: ' 注释\nEnd Sub"},
    {"vb_indent_procedure_body = false: statements at the header's level, blocks in them indented",
     {"vb_indent_procedure_body = false"},
     u"Private Type Row\nName As String\nEnd Type\n#If VBA7 Then\nFunction Ticks() As LongPtr\n"
     u"#Else\nFunction Ticks() As Long\n#End If\n    Ticks = 1\n    If Ticks Then\n"
     u"        Ticks = 2\n    End If\nEnd Function\nSub S(): x = 1: End Sub\n"
     u"Public Sub T(ByVal a As Long, _\nByVal b As Long)\n    Select Case a\n    Case 1\n"
     u"        b = 1\n    End Select\nEnd Sub",
     u"Private Type Row\n    Name As String\nEnd Type\n#If VBA7 Then\nFunction Ticks() As LongPtr\n"
     u"#Else\nFunction Ticks() As Long\n#End If\nTicks = 1\nIf Ticks Then\n    Ticks = 2\nEnd If\n"
     u"End Function\nSub S(): x = 1: End Sub\nPublic Sub T(ByVal a As Long, _\n"
     u"    ByVal b As Long)\nSelect Case a\nCase 1\n    b = 1\nEnd Select\nEnd Sub"},
    {"vb_continuation = keep: hand-aligned continuations keep their offset",
     {"vb_continuation = keep"},
     u"Private Function Query(ByVal table As String, _\n"
     u"                       ByVal key As Long) As String\n"
     u"      Query = \"SELECT * FROM \" & table & _\n"
     u"              \" WHERE id = \" & key\n  x = 1 + _\n2\nEnd Function",
     u"Private Function Query(ByVal table As String, _\n"
     u"                       ByVal key As Long) As String\n"
     u"    Query = \"SELECT * FROM \" & table & _\n"
     u"            \" WHERE id = \" & key\n    x = 1 + _\n  2\nEnd Function"},
    {"vb_continuation = keep with indent_style = space: a tab reaches its tab stop",
     {"vb_continuation = keep", "indent_style = space"}, u"Sub S()\n  z = 1 + _\n\t 3\nEnd Sub",
     u"Sub S()\n    z = 1 + _\n       3\nEnd Sub"},
    {"regions between tessaly: off and on keep their text; levels follow the code inside", {},
     u"Sub S()\nx = 1\n' tessaly: off\nDim   t(2)   As Long\nIf a Then\n   y = 1\n"
     u"'TESSALY:On\nz = 1\nEnd If\n   '  tessaly : off\nw   = 2\nEnd Sub",
     u"Sub S()\n    x = 1\n' tessaly: off\nDim   t(2)   As Long\nIf a Then\n   y = 1\n"
     u"'TESSALY:On\n        z = 1\n    End If\n   '  tessaly : off\nw   = 2\nEnd Sub"},
  };
  // clang-format on
}

}  // namespace

const std::vector<LayoutCase>& LayoutCases() {
  static const std::vector<LayoutCase> cases = MakeCases();
  return cases;
}

std::vector<std::u16string> CaseLines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::size_t begin = 0;
  for (std::size_t end = text.find(u'\n'); end != std::u16string::npos;
       begin = end + 1, end = text.find(u'\n', begin))
    lines.push_back(text.substr(begin, end - begin));
  lines.push_back(text.substr(begin));
  return lines;
}

std::vector<std::u16string> InputLines(const LayoutCase& layout_case) {
  if (!layout_case.input.empty()) return CaseLines(layout_case.input);
  std::vector<std::u16string> lines = CaseLines(layout_case.expected);
  for (auto& line : lines)
    line.erase(0, line.find_first_not_of(u" \t") == std::u16string::npos
                      ? line.size()
                      : line.find_first_not_of(u" \t"));
  return lines;
}

}  // namespace tessaly::test_support
