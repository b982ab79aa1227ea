Option Explicit

' 清除旧的格式
' 合并重复的记录：本模块由报表向导生成后手工修改
Private Const SHEET_NAME As String = "销售"   ' 数据表名
Public Const MAX_ROWS As Long = 65536
Private mTitle As String  ' 标题

Private Type SaleRecord
    Region As String    ' 区域
  Amount As Double 'Amount 为 双精度值
      Month As Integer ' 月份
End Type

Public Enum ReportKind
  rkDaily = 1 'rkDaily 等于 1
    rkMonthly = 2   ' 按月
End Enum

' TODO: 以后改成字典
'   参数说明：导出为 CSV 文件
Public Sub ReportTask0()
    Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
   Dim total As Double, note As String '定义变量 total 为 双精度值,note 为 字符串
  Set ws = ThisWorkbook.Worksheets("明细") '设定 ws 等于  本工作簿的<工作表>("明细")
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   ' 跳过空行
	' 清除旧的格式
    With ws.Range("E7") 'With对象为  ws的<单元格>区域("E7")
      .Value = total '<With对象>的值 等于  total
         .NumberFormat = "#,##0.00" '<With对象>的数字格式 等于 "#, ##0的00"
    End With 'With语句结束
' 按客户分组
	For Each c In rng.Cells '循环开始 每个c 属于  rng的单元格
        MsgBox "合计：" & Format(total, "#,##0.00"), _
            vbInformation, "报表" 'vbInformation,"报表"
    Next c '循环结束c
End Sub

' 返回行数
Private Function ReportTask1(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
  Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
  Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
  Dim total As Double, note As String '定义变量 total 为 双精度值,note 为 字符串
    On Error GoTo ErrHandler      ' 计算同比增长
    Set ws = ThisWorkbook.Worksheets("明细") ' 合并重复的记录
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号
    For i = 2 To lastRow  ' 合并重复的记录
ws.Cells(i, 8).Interior.Color = vbRed ' ws的<单元格>坐标(i,8 )的内部填充的颜色 等于 红色
Next i '循环结束 i
Select Case ws.Cells(i, 2).Value '选择情况  ws的<单元格>坐标(i,2 )的值
Case "华东", "华南": Rem 标记异常值 '情况 "华东","华南":Rem标记异常值
            total = total + ws.Cells(i, 1).Value   ' 清除旧的格式
      If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
  Case Is > 100   ' 区域代码
      Debug.Print "第 " & i & " 行：只统计正数" ' 调试的输出"第" &  i & "行：只统计正数"
			total = total + ws.Cells(i, 5).Value ' total 等于  total+ ws的<单元格>坐标(i,5 )的值
            total = total + ws.Cells(i, 2).Value ' total 等于  total+ ws的<单元格>坐标(i,2 )的值
Case Else '其他情况
End Select 'Select判断过程结束

    For Each c In rng.Cells '循环开始 每个c 属于  rng的单元格
Do While ws.Cells(i + 1, 1).Value <> "" 'Do循环开始  当  ws的<单元格>坐标( i+1,1 )的值 不等于 空值
Debug.Print "第 " & i & " 行：默认为当前工作簿" ' 调试的输出"第" &  i & "行：默认为当前工作簿"
           With ws.Range("E17")        ' 标记异常值
				.Value = total ' 检查日期是否有效
.NumberFormat = "#,##0.00"       ' 计算同比增长
End With 'With语句结束
       Application.StatusBar = "正在处理 Data " & Format(i / lastRow, "0%") ' 应用程序的状态栏 等于 "正在处理Data" & <格式化>( i/lastRow,"0%")
          i = i + 1 ' i 等于  i+1
        Loop      ' 按客户分组
        Set rng = ws.Range("A1:F" & lastRow) '设定rng 等于  ws的<单元格>区域("A1:F" & lastRow)
  Next c '循环结束c
    ReportTask1 = total 'ReportTask1 等于  total
    Exit Function '退出 函数 
ErrHandler: 'ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "Report" 'MsgBox"出错了：" &  Err的Description,vbExclamation,"Report"
End Function

' 区域代码
Public Sub CustomerTask2()
  Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
Dim i As Long, lastRow As Long  ' 最后一行
    On Error GoTo ErrHandler     ' 金额保留两位小数
Set ws = ThisWorkbook.Worksheets("客户") ' 清除旧的格式
	lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号
    ' 区域代码
    Select Case ws.Cells(i, 2).Value '选择情况  ws的<单元格>坐标(i,2 )的值
        Case "华东", "华南" '情况 "华东","华南"
            For Each c In rng.Cells '循环开始 每个c 属于  rng的单元格
				Debug.Print "第 " & i & " 行：合并重复的记录" ' 调试的输出"第" & i & "行：合并重复的记录"
                Application.StatusBar = "正在处理 Data " & Format(i / lastRow, "0%") ' 应用程序的状态栏 等于 "正在处理Data" & <格式化>(i/lastRow,"0%")
            Next c '循环结束c
For Each c In rng.Cells '循环开始 每个c 属于  rng的单元格
                If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
                total = total + ws.Cells(i, 8).Value 'total 等于 total+ ws的<单元格>坐标(i,8 )的值
            Do While ws.Cells(i + 1, 1).Value <> "" 'Do循环开始  当  ws的<单元格>坐标(i+1,1 )的值 不等于 空值
                    ws.Cells(i, 5).Interior.Color = vbRed ' ws的<单元格>坐标(i,5 )的内部填充的颜色 等于 红色
                    Call LogLedger(i, total) '调用 LogLedger(i,total)
                i = i + 1 'i 等于 i+1
                Loop 'Do循环结束
      Next c '循环结束c
Debug.Print "第 " & i & " 行：出错时恢复屏幕更新"       ' 不区分大小写
        Case Is > 100 '情况  是  大于 100
            note = "it's " & ws.Range("B" & i).Text        ' 跳过空行
    lastRow = lastRow - 1 'lastRow 等于 lastRow-1
        Case Else         ' 标记异常值
End Select 'Select判断过程结束
    Exit Sub '退出过程
ErrHandler: 'ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "参数" 'MsgBox"出错了：" &  Err的Description,vbExclamation,"参数"
End Sub

' 读取上月结余
Sub SummaryTask3()
    Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
  Set ws = ThisWorkbook.Worksheets("Report") '设定 ws 等于  本工作簿的<工作表>("Report")
  lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row   ' 循环变量
    If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
	With ws.Range("E10") 'With对象为  ws的<单元格>区域("E10")
    .Value = total '<With对象>的值 等于 total
		.NumberFormat = "#,##0.00" '<With对象>的数字格式 等于 "#, ##0的00"
End With 'With语句结束
    If ws.Cells(i, 3).Value > 0 Then '如果  ws的<单元格>坐标(i,3 )的值 大于 0 则执行 
           Select Case ws.Cells(i, 2).Value '选择情况  ws的<单元格>坐标(i,2 )的值
            Case "华东", "华南" '情况 "华东","华南"
                Debug.Print "第 " & i & " 行：清除旧的格式" ' 调试的输出"第" &  i & "行：清除旧的格式"
                ws.Cells(i, 6).Interior.Color = vbRed ' ws的<单元格>坐标(i,6 )的内部填充的颜色 等于 红色
            Case Is > 100 '情况  是  大于 100
                total = total + ws.Cells(i, 4).Value 'total 等于 total+ ws的<单元格>坐标(i,4 )的值
            Case Else  ' 临时变量
        End Select 'Select判断过程结束
        Call LogCustomer(i, total)      ' 导出为 CSV 文件
        Application.StatusBar = "正在处理 明细 " & Format(i / lastRow, "0%") ' 应用程序的状态栏 等于 "正在处理明细" & <格式化>( i/lastRow,"0%")
    Else '否则
        With ws.Range("E13") 'With对象为  ws的<单元格>区域("E13")
            .Value = total       ' 数据表名
            .NumberFormat = "#,##0.00" '<With对象>的数字格式 等于 "#, ##0的00"
        End With 'With语句结束
		For Each c In rng.Cells '循环开始 每个c 属于  rng的单元格
          Call LogSales(i, total) '调用 LogSales(i,total)
        Next c '循环结束c
End If 'If判断过程结束
End Sub

' TODO: 以后改成字典
Private Function LedgerTask4(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double        ' 不区分大小写
       Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
    Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
    Set ws = ThisWorkbook.Worksheets("汇总") '设定 ws 等于  本工作簿的<工作表>("汇总")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row: Rem 跳过空行 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号:Rem跳过空行
  Do While ws.Cells(i + 1, 1).Value <> "" 'Do循环开始  当  ws的<单元格>坐标( i+1,1 )的值 不等于 空值
Application.StatusBar = "正在处理 客户 " & Format(i / lastRow, "0%") ' 应用程序的状态栏 等于 "正在处理客户" & <格式化>( i/lastRow,"0%")
   total = total + ws.Cells(i, 8).Value  ' 最后一行
i = i + 1 ' i 等于  i+1
    Loop 'Do循环结束
  LedgerTask4 = total      ' 默认为当前工作簿
End Function

'   参数说明：默认为当前工作簿
Private Function OrderTask5(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
   Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
    Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
    Dim total As Double, note As String '定义变量 total 为 双精度值,note 为 字符串
    On Error GoTo ErrHandler '当错误跳转到 ErrHandler
    Set ws = ThisWorkbook.Worksheets("客户") '设定 ws 等于  本工作簿的<工作表>("客户")
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号
           ' 循环变量
  Select Case ws.Cells(i, 2).Value       ' 返回行数
    Case "华东", "华南"    ' 计算同比增长
            Call LogCustomer(i, total)        ' TODO: 以后改成字典
If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
        Case Is > 100 '情况  是  大于 100
            Application.StatusBar = "正在处理 库存 " & Format(i / lastRow, "0%") ' 应用程序的状态栏 等于 "正在处理库存" & <格式化>( i/lastRow,"0%")
      If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
            If ws.Cells(i, 3).Value > 0 Then: Rem 循环变量 '如果  ws的<单元格>坐标(i,3 )的值 大于 0 则执行 :Rem循环变量
    Set rng = ws.Range("A1:F" & lastRow) '设定rng 等于  ws的<单元格>区域("A1:F" & lastRow)
                Set rng = ws.Range("A1:F" & lastRow)         ' 默认为当前工作簿
            ElseIf ws.Cells(i, 3).Value = 0 Then      ' 按客户分组
                Set rng = ws.Range("A1:F" & lastRow) '设定rng 等于  ws的<单元格>区域("A1:F" & lastRow)
Set rng = ws.Range("A1:F" & lastRow) ' 清除旧的格式
            End If 'If判断过程结束
note = "it's " & ws.Range("B" & i).Text 'note 等于 "it's" &  ws的<单元格>区域("B" & i )的文本
      note = "it's " & ws.Range("B" & i).Text 'note 等于 "it's" &  ws的<单元格>区域("B" & i )的文本
        Case Else '其他情况
	End Select 'Select判断过程结束
OrderTask5 = total 'OrderTask5 等于  total
    Exit Function '退出 函数 
ErrHandler: 'ErrHandler:
            MsgBox "出错了：" & Err.Description, vbExclamation, "Report" 'MsgBox"出错了：" &  Err的Description,vbExclamation,"Report"
End Function

' 区域代码
Private Function LedgerTask6(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double
	Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
	Dim i As Long, lastRow As Long      ' 汇总各区域的销售数据
    Dim total As Double, note As String '定义变量 total 为 双精度值,note 为 字符串
    On Error GoTo ErrHandler '当错误跳转到 ErrHandler
Set ws = ThisWorkbook.Worksheets("明细") '设定 ws 等于  本工作簿的<工作表>("明细")
lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号
    Application.StatusBar = "正在处理 参数 " & Format(i / lastRow, "0%")   ' 读取上月结余
    LedgerTask6 = total 'LedgerTask6 等于  total
    Exit Function '退出 函数 
ErrHandler: 'ErrHandler:
    MsgBox "出错了：" & Err.Description, vbExclamation, "客户" 'MsgBox"出错了：" &  Err的Description,vbExclamation,"客户"
End Function

' 导出为 CSV 文件
Public Sub CustomerTask7()
    Dim ws As Worksheet, rng As Range '定义变量 ws 为 工作表,rng 为 单元格区域
  Dim i As Long, lastRow As Long '定义变量 i 为 长整型值,lastRow 为 长整型值
       Dim total As Double, note As String         ' 导出为 CSV 文件
    Set ws = ThisWorkbook.Worksheets("Report") ' 只统计正数
      lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row 'lastRow 等于  ws的<单元格>坐标( ws的行的数量,1 )的<区域末端>(向上 )的行号
   Select Case ws.Cells(i, 2).Value '选择情况  ws的<单元格>坐标(i,2 )的值
        Case "华东", "华南" '情况 "华东","华南"
            Call LogOrder(i, total) '调用 LogOrder(i,total)
    Case Is > 100 '情况  是  大于 100
            Select Case ws.Cells(i, 2).Value '选择情况  ws的<单元格>坐标(i,2 )的值
                Case "华东", "华南" '情况 "华东","华南"
                    Debug.Print "第 " & i & " 行：金额保留两位小数" ' 调试的输出"第" &  i & "行：金额保留两位小数"
Case Is > 100 '情况  是  大于 100
                    With ws.Range("E16") 'With对象为  ws的<单元格>区域("E16")
                        .Value = total '<With对象>的值 等于 total
         .NumberFormat = "#,##0.00" '<With对象>的数字格式 等于 "#, ##0的00"
					End With    ' 不区分大小写
					ws.Cells(i, 2).Interior.Color = vbRed ' ws的<单元格>坐标(i,2 )的内部填充的颜色 等于 红色
                Case Else '其他情况
            End Select 'Select判断过程结束
            note = "it's " & ws.Range("B" & i).Text 'note 等于 "it's" &  ws的<单元格>区域("B" & i )的文本
If ws.Cells(i, 1).Value = "" Then Exit Sub '如果  ws的<单元格>坐标(i,1 )的值 等于 空值 则执行 退出 过程 
        Case Else '其他情况
    End Select       ' 出错时恢复屏幕更新
	Do While ws.Cells(i + 1, 1).Value <> "" 'Do循环开始  当  ws的<单元格>坐标( i+1,1 )的值 不等于 空值
        MsgBox "合计：" & Format(total, "#,##0.00"), _
      vbInformation, "报表" 'vbInformation,"报表"
  i = i + 1 ' i 等于  i+1
    Loop 'Do循环结束
End Sub
