#include "support/code_fixture.h"

#include "text/utf.h"

namespace tessaly::test_support {

CodeFixture::CodeFixture(std::vector<std::u16string> lines)
    : application_(std::make_shared<sim::SimApplication>(sim::EditorOptions{})) {
  module_ = &application_->AddModule(u"VBAProject", u"模块1", std::move(lines));
  connection_.HostApplication = application_;
}

void CodeFixture::Click(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                        std::int32_t end_column) {
  if (end_line == 0) end_line = start_line;
  if (end_column == 0) end_column = start_column;
  module_->Pane()->Select(start_line, start_column, end_line, end_column);
  application_->SetActivePane(module_->Pane());
  connection_.SavedStartLine = start_line;
}

host::Selection CodeFixture::Caret() const {
  return module_->Pane()->CurrentSelection();
}

std::int64_t CodeFixture::Calls(std::u16string_view member) const {
  return application_->Calls().Calls(member);
}

void CodeFixture::ResetCalls() {
  application_->Calls().Reset();
}

std::vector<std::u16string> SplitUtf8Lines(std::string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    if (end == std::string_view::npos) {
      if (start < text.size()) lines.push_back(text::FromUtf8(text.substr(start)));
      break;
    }
    lines.push_back(text::FromUtf8(text.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

std::vector<std::u16string> ExcelReportModule() {
  return SplitUtf8Lines(R"vba(Attribute VB_Name = "模块1"
Option Explicit

' 销售报表模块：汇总各区域的销售数据
Private Const SHEET_NAME As String = "销售"   ' 数据表名
Public Const MAX_ROWS As Long = 65536

Private Type SaleRecord
    Region As String    ' 区域
  Amount As Double
    Month As Integer   ' 月份
End Type

Public Enum ReportKind
  rkDaily = 1
    rkMonthly = 2   ' 按月
End Enum

Private mTitle As String

' 生成报表
Public Sub BuildReport(ByVal kind As ReportKind, _
        Optional ByVal showMsg As Boolean = True)
Dim ws As Worksheet
    Dim i As Long, lastRow As Long   ' 循环变量
  Dim total As Double
        Set ws = ThisWorkbook.Worksheets(SHEET_NAME)
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row

    If lastRow < 2 Then Exit Sub
  For i = 2 To lastRow
        If ws.Cells(i, 3).Value > 0 Then   ' 只统计正数
      total = total + ws.Cells(i, 3).Value
    ElseIf ws.Cells(i, 3).Value = 0 Then
            Debug.Print "第 " & i & " 行为零"
        Else
      ws.Cells(i, 3).Interior.Color = vbRed
        End If
    Next i

  Select Case kind
    Case rkDaily
  ws.Range("E1").Value = "日报"
        Case rkMonthly
      ws.Range("E1").Value = "月报"   ' it's monthly
    Case Else
    End Select

    With ws.Range("E2")
  .Value = total
        .NumberFormat = "#,##0.00"
    End With
    If showMsg Then MsgBox "合计：" & Format(total, "0.00"), _
        vbInformation, "报表"
End Sub

Private Function CountRows(ByVal ws As Worksheet) As Long
  Dim n As Long
    Do While ws.Cells(n + 1, 1).Value <> ""
  n = n + 1
    Loop
      CountRows = n ' 行数
End Function

Public Property Get Title() As String
    Title = mTitle
End Property

Public Property Let Title(ByVal value As String)
  If Len(value) = 0 Then ' 空标题
        mTitle = "未命名"
  Else
    mTitle = value
  End If
End Property

Sub ExportCsv()
    Dim f As Integer, path As String
  f = FreeFile
    path = ThisWorkbook.Path & "\report.csv"

    Open path For Output As #f
  Print #f, "区域,金额"      ' 表头
        Print #f, "华东,100"
    Close #f
      Rem 导出完成
End Sub
)vba");
}

}  // namespace tessaly::test_support
