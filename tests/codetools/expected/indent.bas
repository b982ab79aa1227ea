Option Explicit

' 清除旧的格式
' 合并重复的记录：本模块由报表向导生成后手工修改
Private Const SHEET_NAME As String = "销售"   ' 数据表名
Public Const MAX_ROWS As Long = 65536
Private mTitle As String  ' 标题

Private Type SaleRecord
    Region As String    ' 区域
    Amount As Double
    Month As Integer ' 月份
End Type

Public Enum ReportKind
    rkDaily = 1
    rkMonthly = 2   ' 按月
End Enum

' TODO: 以后改成字典
'   参数说明：导出为 CSV 文件
Public Sub ReportTask0()
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Dim total As Double, note As String
    Set ws = ThisWorkbook.Worksheets("明细")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   ' 跳过空行
    	' 清除旧的格式
    With ws.Range("E7")
        .Value = total
        .NumberFormat = "#,##0.00"
    End With
    ' 按客户分组
    	For Each c In rng.Cells
        MsgBox "合计：" & Format(total, "#,##0.00"), _
            vbInformation, "报表"
    Next c
End Sub

' 返回行数
Private Function ReportTask1(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Dim total As Double, note As String
    On Error GoTo ErrHandler      ' 计算同比增长
    Set ws = ThisWorkbook.Worksheets("明细") ' 合并重复的记录
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    For i = 2 To lastRow  ' 合并重复的记录
        ws.Cells(i, 8).Interior.Color = vbRed
    Next i
    Select Case ws.Cells(i, 2).Value
    Case "华东", "华南": Rem 标记异常值
        total = total + ws.Cells(i, 1).Value   ' 清除旧的格式
        If ws.Cells(i, 1).Value = "" Then Exit Sub
    Case Is > 100   ' 区域代码
        Debug.Print "第 " & i & " 行：只统计正数"
        			total = total + ws.Cells(i, 5).Value
        total = total + ws.Cells(i, 2).Value
    Case Else
    End Select
    
    For Each c In rng.Cells
        Do While ws.Cells(i + 1, 1).Value <> ""
            Debug.Print "第 " & i & " 行：默认为当前工作簿"
            With ws.Range("E17")        ' 标记异常值
                				.Value = total ' 检查日期是否有效
                .NumberFormat = "#,##0.00"       ' 计算同比增长
            End With
            Application.StatusBar = "正在处理 Data " & Format(i / lastRow, "0%")
            i = i + 1
        Loop      ' 按客户分组
        Set rng = ws.Range("A1:F" & lastRow)
    Next c
    ReportTask1 = total
    Exit Function
    ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "Report"
End Function

' 区域代码
Public Sub CustomerTask2()
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long  ' 最后一行
    On Error GoTo ErrHandler     ' 金额保留两位小数
    Set ws = ThisWorkbook.Worksheets("客户") ' 清除旧的格式
    	lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    ' 区域代码
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
        Debug.Print "第 " & i & " 行：出错时恢复屏幕更新"       ' 不区分大小写
    Case Is > 100
        note = "it's " & ws.Range("B" & i).Text        ' 跳过空行
        lastRow = lastRow - 1
    Case Else         ' 标记异常值
    End Select
    Exit Sub
    ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "参数"
End Sub

' 读取上月结余
Sub SummaryTask3()
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Set ws = ThisWorkbook.Worksheets("Report")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   ' 循环变量
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
        Case Else  ' 临时变量
        End Select
        Call LogCustomer(i, total)      ' 导出为 CSV 文件
        Application.StatusBar = "正在处理 明细 " & Format(i / lastRow, "0%")
    Else
        With ws.Range("E13")
            .Value = total       ' 数据表名
            .NumberFormat = "#,##0.00"
        End With
        		For Each c In rng.Cells
            Call LogSales(i, total)
        Next c
    End If
End Sub

' TODO: 以后改成字典
Private Function LedgerTask4(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double        ' 不区分大小写
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Set ws = ThisWorkbook.Worksheets("汇总")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row: Rem 跳过空行
    Do While ws.Cells(i + 1, 1).Value <> ""
        Application.StatusBar = "正在处理 客户 " & Format(i / lastRow, "0%")
        total = total + ws.Cells(i, 8).Value  ' 最后一行
        i = i + 1
    Loop
    LedgerTask4 = total      ' 默认为当前工作簿
End Function

'   参数说明：默认为当前工作簿
Private Function OrderTask5(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Dim total As Double, note As String
    On Error GoTo ErrHandler
    Set ws = ThisWorkbook.Worksheets("客户")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    ' 循环变量
    Select Case ws.Cells(i, 2).Value       ' 返回行数
    Case "华东", "华南"    ' 计算同比增长
        Call LogCustomer(i, total)        ' TODO: 以后改成字典
        If ws.Cells(i, 1).Value = "" Then Exit Sub
    Case Is > 100
        Application.StatusBar = "正在处理 库存 " & Format(i / lastRow, "0%")
        If ws.Cells(i, 1).Value = "" Then Exit Sub
        If ws.Cells(i, 3).Value > 0 Then: Rem 循环变量
        Set rng = ws.Range("A1:F" & lastRow)
        Set rng = ws.Range("A1:F" & lastRow)         ' 默认为当前工作簿
    ElseIf ws.Cells(i, 3).Value = 0 Then      ' 按客户分组
        Set rng = ws.Range("A1:F" & lastRow)
        Set rng = ws.Range("A1:F" & lastRow) ' 清除旧的格式
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

' 区域代码
Private Function LedgerTask6(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
    	Dim ws As Worksheet, rng As Range
    	Dim i As Long, lastRow As Long      ' 汇总各区域的销售数据
    Dim total As Double, note As String
    On Error GoTo ErrHandler
    Set ws = ThisWorkbook.Worksheets("明细")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    Application.StatusBar = "正在处理 参数 " & Format(i / lastRow, "0%")   ' 读取上月结余
    LedgerTask6 = total
    Exit Function
    ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "客户"
End Function

' 导出为 CSV 文件
Public Sub CustomerTask7()
    Dim ws As Worksheet, rng As Range
    Dim i As Long, lastRow As Long
    Dim total As Double, note As String         ' 导出为 CSV 文件
    Set ws = ThisWorkbook.Worksheets("Report") ' 只统计正数
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
            					End With    ' 不区分大小写
            					ws.Cells(i, 2).Interior.Color = vbRed
        Case Else
        End Select
        note = "it's " & ws.Range("B" & i).Text
        If ws.Cells(i, 1).Value = "" Then Exit Sub
    Case Else
    End Select       ' 出错时恢复屏幕更新
    	Do While ws.Cells(i + 1, 1).Value <> ""
        MsgBox "合计：" & Format(total, "#,##0.00"), _
            vbInformation, "报表"
        i = i + 1
    Loop
End Sub
