#pragma once

// A module whose procedures are framed the ways exported modules frame them: comments and
// directives above headers, two procedures of one name in the branches of an `#If`, a
// `Friend Property`, an indented header, a header continued over two lines, directives inside a
// body, and lines under the last `End Sub`. Line numbers are in the comments of the tests that use
// it.

#include <string_view>

namespace tessaly::test_support {

inline constexpr std::string_view kFramedModule = R"vba(Option Explicit
Private m_total As Long

' 合计
Public Function Total() As Long   ' 合计
    Total = m_total   ' 返回
    If Total < 0 Then Total = 0
End Function   ' 完

' 调试输出
#If DEBUG_MODE Then
Private Sub Trace(ByVal text As String)
    Debug.Print text   ' 输出
    Debug.Print Now
End Sub
#Else
Private Sub Trace(ByVal text As String)
    text = vbNullString
End Sub
#End If

Friend Property Let Limit(ByVal value As Long)
    m_total = value
End Property

  Public Sub Indented()
      m_total = 0
  #If DEBUG_MODE Then
      Trace "Indented"
  #End If
  End Sub

#If VBA7 Then
Public Sub Report(ByVal a As Long, _
                  ByVal b As Long)   ' 报告
    Dim n As Long
    n = a + b   ' 相加
End Sub   ' 完
#End If

)vba";

}  // namespace tessaly::test_support
