Option Explicit

' 清除旧的格式
' 合并重复的记录：本模块由报表向导生成后手工修改
Private Const SHEET_NAME As String = "销售"   ' 数据表名
Public Const MAX_ROWS As Long = 65536
Private mTitle As String  ' 标题

Private Type SaleRecord
    Region As String    
  Amount As Double
      Month As Integer 
End Type

Public Enum ReportKind
  rkDaily = 1
    rkMonthly = 2   
End Enum



Public Sub ReportTask0()
    Dim ws As Worksheet, rng As Range
Dim i As Long, lastRow As Long
   Dim total As Double, note As String
  Set ws = ThisWorkbook.Worksheets("明细")
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   
	
    With ws.Range("E7")
      .Value = total
         .NumberFormat = "#,##0.00"
    End With

	For Each c In rng.Cells
        MsgBox "合计：" & Format(total, "#,##0.00"), _
            vbInformation, "报表"
    Next c
End Sub


Private Function ReportTask1(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
  Dim ws As Worksheet, rng As Range
  Dim i As Long, lastRow As Long
  Dim total As Double, note As String
    On Error GoTo ErrHandler      
    Set ws = ThisWorkbook.Worksheets("明细") 
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    For i = 2 To lastRow  
ws.Cells(i, 8).Interior.Color = vbRed
Next i
Select Case ws.Cells(i, 2).Value
Case "华东", "华南": Rem 标记异常值
            total = total + ws.Cells(i, 1).Value   
      If ws.Cells(i, 1).Value = "" Then Exit Sub
  Case Is > 100   
      Debug.Print "第 " & i & " 行：只统计正数"
			total = total + ws.Cells(i, 5).Value
            total = total + ws.Cells(i, 2).Value
Case Else
End Select

    For Each c In rng.Cells
Do While ws.Cells(i + 1, 1).Value <> ""
Debug.Print "第 " & i & " 行：默认为当前工作簿"
           With ws.Range("E17")        
				.Value = total 
.NumberFormat = "#,##0.00"       
End With
       Application.StatusBar = "正在处理 Data " & Format(i / lastRow, "0%")
          i = i + 1
        Loop      
        Set rng = ws.Range("A1:F" & lastRow)
  Next c
    ReportTask1 = total
    Exit Function
ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "Report"
End Function


Public Sub CustomerTask2()
  Dim ws As Worksheet, rng As Range
Dim i As Long, lastRow As Long  
    On Error GoTo ErrHandler     
Set ws = ThisWorkbook.Worksheets("客户") 
	lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    
    Select Case ws.Cells(i, 2).Value
        Case "华东", "华南"
            For Each c In rng.Cells
				Debug.Print "第 " & i & " 行：合并重复的记录"
                Application.StatusBar = "正在处理 Data " & Format(i / lastRow, "0%")
            Next c
For Each c In rng.Cells
                If ws.Cells(i, 1).Value = "" Then Exit Sub
                total = total + ws.Cells(i, 8).Value
            Do While ws.Cells(i + 1, 1).Value <> ""
                    ws.Cells(i, 5).Interior.Color = vbRed
                    Call LogLedger(i, total)
                i = i + 1
                Loop
      Next c
Debug.Print "第 " & i & " 行：出错时恢复屏幕更新"       
        Case Is > 100
            note = "it's " & ws.Range("B" & i).Text        
    lastRow = lastRow - 1
        Case Else         
End Select
    Exit Sub
ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "参数"
End Sub


Sub SummaryTask3()
    Dim ws As Worksheet, rng As Range
Dim i As Long, lastRow As Long
  Set ws = ThisWorkbook.Worksheets("Report")
  lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   
    If ws.Cells(i, 1).Value = "" Then Exit Sub
	With ws.Range("E10")
    .Value = total
		.NumberFormat = "#,##0.00"
End With
    If ws.Cells(i, 3).Value > 0 Then
           Select Case ws.Cells(i, 2).Value
            Case "华东", "华南"
                Debug.Print "第 " & i & " 行：清除旧的格式"
                ws.Cells(i, 6).Interior.Color = vbRed
            Case Is > 100
                total = total + ws.Cells(i, 4).Value
            Case Else  
        End Select
        Call LogCustomer(i, total)      
        Application.StatusBar = "正在处理 明细 " & Format(i / lastRow, "0%")
    Else
        With ws.Range("E13")
            .Value = total       
            .NumberFormat = "#,##0.00"
        End With
		For Each c In rng.Cells
          Call LogSales(i, total)
        Next c
End If
End Sub


Private Function LedgerTask4(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double        
       Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Set ws = ThisWorkbook.Worksheets("汇总")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row: Rem 跳过空行
  Do While ws.Cells(i + 1, 1).Value <> ""
Application.StatusBar = "正在处理 客户 " & Format(i / lastRow, "0%")
   total = total + ws.Cells(i, 8).Value  
i = i + 1
    Loop
  LedgerTask4 = total      
End Function


Private Function OrderTask5(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
   Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Dim total As Double, note As String
    On Error GoTo ErrHandler
    Set ws = ThisWorkbook.Worksheets("客户")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
           
  Select Case ws.Cells(i, 2).Value       
    Case "华东", "华南"    
            Call LogCustomer(i, total)        
If ws.Cells(i, 1).Value = "" Then Exit Sub
        Case Is > 100
            Application.StatusBar = "正在处理 库存 " & Format(i / lastRow, "0%")
      If ws.Cells(i, 1).Value = "" Then Exit Sub
            If ws.Cells(i, 3).Value > 0 Then: Rem 循环变量
    Set rng = ws.Range("A1:F" & lastRow)
                Set rng = ws.Range("A1:F" & lastRow)         
            ElseIf ws.Cells(i, 3).Value = 0 Then      
                Set rng = ws.Range("A1:F" & lastRow)
Set rng = ws.Range("A1:F" & lastRow) 
            End If
note = "it's " & ws.Range("B" & i).Text
      note = "it's " & ws.Range("B" & i).Text
        Case Else
	End Select
OrderTask5 = total
    Exit Function
ErrHandler:
            MsgBox "出错了：" & Err.Description, vbExclamation, "Report"
End Function


Private Function LedgerTask6(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
	Dim ws As Worksheet, rng As Range
	Dim i As Long, lastRow As Long      
    Dim total As Double, note As String
    On Error GoTo ErrHandler
Set ws = ThisWorkbook.Worksheets("明细")
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    Application.StatusBar = "正在处理 参数 " & Format(i / lastRow, "0%")   
    LedgerTask6 = total
    Exit Function
ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "客户"
End Function


Public Sub CustomerTask7()
    Dim ws As Worksheet, rng As Range
  Dim i As Long, lastRow As Long
       Dim total As Double, note As String         
    Set ws = ThisWorkbook.Worksheets("Report") 
      lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
   Select Case ws.Cells(i, 2).Value
        Case "华东", "华南"
            Call LogOrder(i, total)
    Case Is > 100
            Select Case ws.Cells(i, 2).Value
                Case "华东", "华南"
                    Debug.Print "第 " & i & " 行：金额保留两位小数"
Case Is > 100
                    With ws.Range("E16")
                        .Value = total
         .NumberFormat = "#,##0.00"
					End With    
					ws.Cells(i, 2).Interior.Color = vbRed
                Case Else
            End Select
            note = "it's " & ws.Range("B" & i).Text
If ws.Cells(i, 1).Value = "" Then Exit Sub
        Case Else
    End Select       
	Do While ws.Cells(i + 1, 1).Value <> ""
        MsgBox "合计：" & Format(total, "#,##0.00"), _
      vbInformation, "报表"
  i = i + 1
    Loop
End Sub
