Attribute VB_Name = "SalesReportGbk"
Option Explicit
' 销售报表：按地区汇总本月销售额，并把结果写到“汇总”工作表。

Private Const SUMMARY_SHEET As String = "汇总"

Public Sub 汇总销售额()
Attribute 汇总销售额.VB_Description = "按地区汇总销售额"
Dim ws As Worksheet, target As Worksheet
Dim lastRow As Long, i As Long
Dim totals As Object
Application.ScreenUpdating = False
On Error GoTo 出错
Set ws = ThisWorkbook.Sheets("明细")
Set target = ThisWorkbook.Sheets(SUMMARY_SHEET)
Set totals = CreateObject("Scripting.Dictionary")
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row ' 最后一行
For i = 2 To lastRow
If Len(ws.Cells(i, 1).Value) > 0 Then
totals(ws.Cells(i, 1).Value) = totals(ws.Cells(i, 1).Value) + ws.Cells(i, 3).Value   ' 按地区累加
Else
Debug.Print "第" & i & "行没有地区"
End If
Next
WriteTotals target, totals
Application.ScreenUpdating = True
Exit Sub
出错:
MsgBox "汇总失败：" & Err.Description, vbExclamation, "销售报表"
Application.ScreenUpdating = True
End Sub

Private Sub WriteTotals(ByVal target As Worksheet, ByVal totals As Object)
Dim key As Variant, row As Long
row = 2
target.Range("A1:B1").Value = Array("地区", "销售额")
For Each key In totals.Keys
With target
.Cells(row, 1).Value = key ' 地区
.Cells(row, 2).Value = totals(key)      ' 金额
End With
row = row + 1
Next
Select Case row
Case 2
MsgBox "没有数据", vbInformation
Case Else
target.Columns("A:B").AutoFit
End Select
End Sub
