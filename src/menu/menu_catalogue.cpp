#include "menu/menu_catalogue.h"

#include "addin/connect.h"

namespace tessaly::menu {
namespace {

// The table is kept as the reader sees the menu; lines longer than the column limit are
// snippet texts that must stay byte for byte as inserted.
// clang-format off
// Group 0: the popups, in bar order. Popups carry no icon and no tip.
constexpr BarControl kPopups[] = {
    {false, 0, u"[启禁类", u""},
    {false, 0, u"控制类", u""},
    {false, 0, u"常用语]", u""},
    {true,  0, u"[对象类", u""},
    {false, 0, u"注册表]", u""},
    {true,  0, u"[循环", u""},
    {false, 0, u"常用]", u""},
    {true,  0, u"【功能】", u""},
};

// Group 1: the command buttons, after the popups.
constexpr BarControl kButtons[] = {
    {true,  3048, u"资管(&G)", u"工程资源管理器窗口", MenuAction::kToggleProjectExplorer},
    {false, 3049, u"属性(&Y)", u"工程模块控件属性窗口", MenuAction::kTogglePropertiesWindow},
    {false,  995, u"立即(&M)", u"立即窗口", MenuAction::kToggleImmediateWindow},
    {true,   108, u"清屏(&N)", u"立即清屏", MenuAction::kClearImmediateWindow},
    {false,   95, u"公私(&J)", u"公有和私有转换", MenuAction::kSwitchPublicPrivate},
    {true,   192, u"注释(&Z)", u"添加\\删除当前行注释", MenuAction::kToggleComment},
    {false,  241, u"删行(&X)", u"删除当前整行", MenuAction::kDeleteLines},
    {false,   22, u"粘贴(&S)", u"粘贴剪贴板内容插入或替换(选中)", MenuAction::kPaste},
    {false,  163, u"注解(&C)", u"函数过程内注解说明标准前缀", MenuAction::kCommentPrefix},
    {false,   11, u"分割(&B)", u"函数过程头标准分割线", MenuAction::kSeparator},
    {true,   487, u"弹窗", u"Msgbox调试", MenuAction::kMessageBoxLine},
    {false,  157, u"调试", u"立即窗口调试", MenuAction::kDebugPrintLine},
    {false,  376, u"文本", u"强制文本\"*\"", MenuAction::kQuote},
    {false, 2308, u"链接", u"链接符＆", MenuAction::kConcatenation},
    {false,  779, u"换行", u"换行符VbCrLf", MenuAction::kLineBreak},
    {true,  1763, u"关于程序", u"关于本程序", MenuAction::kAbout},
};

// Popup 1, "[启禁类".
constexpr MenuItem kPopup1[] = {
    {false, 1020, u"启用屏幕更新", u"Application.ScreenUpdating =True"},
    {false,  346, u"启用事件触发", u"Application.EnableEvents = True"},
    {false,  342, u"启用安全警告", u"Application.DisplayAlerts = True"},
    {false, 3196, u"启用链接提示", u"Application.AskToUpdateLinks = True"},
    {false, 1576, u"启用超级链接", u"Application.AutoFormatAsYouTypeReplaceHyperlinks = True"},
    {false,  638, u"启用自动重算", u"Application.Calculation = xlAutomatic"},
    {false,  350, u"启用热键终止", u"Application.EnableCancelKey = xlInterrupt"},
    {true,  1019, u"禁用屏幕更新", u"Application.ScreenUpdating = False"},
    {false,  348, u"禁用事件触发", u"Application.EnableEvents = False"},
    {false,  352, u"禁用安全警告", u"Application.DisplayAlerts = False"},
    {false, 2189, u"禁用链接提示", u"Application.AskToUpdateLinks = False"},
    {false, 1953, u"禁用超级链接", u"Application.AutoFormatAsYouTypeReplaceHyperlinks = False"},
    {false, 1657, u"禁用自动重算", u"Application.Calculation = xlManual"},
    {false,  330, u"禁用热键终止", u"Application.EnableCancelKey = xlDisabled"},
};

// Popup 2, "控制类".
constexpr MenuItem kPopup2[] = {
    {false, 1553, u"隐藏零值", u"ActiveWindow.DisplayZeros = False"},
    {true,  1381, u"恢复状态栏", u"Application.StatusBar = False"},
    {true,   112, u"最大化窗口", u"Application.WindowState = xlMaximized"},
    {false,  117, u"最小化窗口", u"Application.WindowState = xlMinimized"},
    {false,  118, u"恢复默认窗口", u"Application.WindowState = xlNormal"},
    {false,  396, u"恢复默认比例", u"ActiveWindow.Zoom = 100"},
    {true,  1075, u"恢复垂直滚动条位置", u"ActiveWindow.ScrollRow = 1"},
    {false, 1812, u"恢复水平滚动条位置", u"ActiveWindow.ScrollColumn = 1"},
    {true,   549, u"隐藏标尺", u"ActiveWindow.DisplayRuler = False"},
    {false,  550, u"显示标尺", u"ActiveWindow.DisplayRuler = True"},
    {true,   540, u"隐藏编辑栏", u"Application.DisplayFormulaBar = False"},
    {false, 2628, u"显示编辑栏", u"Application.DisplayFormulaBar = True"},
    {true,   151, u"隐藏网网格线", u"ActiveWindow.DisplayGridlines = False"},
    {false,  149, u"显示网网格线", u"ActiveWindow.DisplayGridlines = True"},
    {true,   967, u"隐藏行号列标", u"ActiveWindow.DisplayHeadings = False"},
    {false,  966, u"显示行号列标", u"ActiveWindow.DisplayHeadings = True"},
    {true,  1835, u"隐藏工作表标签", u"ActiveWindow.DisplayWorkbookTabs = False"},
    {false, 1836, u"显示工作表标签", u"ActiveWindow.DisplayWorkbookTabs = True"},
    {true,   615, u"隐藏水平滚动条", u"ActiveWindow.DisplayHorizontalScrollBar = False"},
    {false,  757, u"显示水平滚动条", u"ActiveWindow.DisplayHorizontalScrollBar = True"},
    {true,  1843, u"隐藏垂直滚动条", u"ActiveWindow.DisplayVerticalScrollBar = False"},
    {false, 1841, u"显示垂直滚动条", u"ActiveWindow.DisplayVerticalScrollBar = True"},
};

// Popup 3, "常用语]".
constexpr MenuItem kPopup3[] = {
    {false, 1670, u"清空全部", u"ThisWorkbook.Sheets(1).Cells.ClearContents"},
    {false,  214, u"清空区域", u"ThisWorkbook.Sheets(1).Range(\"a2:g65536\").ClearContents"},
    {false, 3265, u"清空图片", u"ThisWorkbook.Sheets(1).DrawingObjects.Delete"},
    {true,   205, u"注册热键", u"Application.OnKey \"^%+f\", \"subname\""},
    {true,   346, u"易失性函数", u"Application.Volatile\r\nHeadCodeRandomize"},
    {true,   372, u"最后非空行", u"ThisWorkbook.Sheets(1).Range(\"A65536\").End(xlUp).Row'xlUp,xldown"},
    {false,  371, u"最后非空列", u"ActiveSheet.Cells(Rows.Count, Columns.Count).End(xlToLeft).Column'xlToLeft,xlToRight"},
    {true,   182, u"单元格选择", u"Application.ActiveWorkBook.ActiveSheet.Range(\"A1\").Select"},
    {false,   37, u"单元格转置", u"Application.WorksheetFunction.Transpose(SZ)"},
    {false,   26, u"单元格公式", u"Application.ActiveWorkbook.ActiveSheet.Cells(1, 1).Formula"},
    {false,   36, u"单元格数组", u"Application.ActiveWorkbook.ActiveSheet.Cells(1, 1).FormulaArray"},
    {false,  584, u"当前单元格", u"ActiveCell.Value\r\nHeadCodeActiveCell.Column\r\nHeadCodeActiveCell.Row"},
    {false,  585, u"传入单元格", u"Application.Workbooks(wb).Sheets(sh).Range (\"a1\")\r\nHeadCodeApplication.Workbooks(wb).Worksheets(1).Cells (1,1)"},
    {false,  586, u"单元格地址", u"Application.ActiveWorkbook.ActiveSheet.Cells(1, 1).Address\r\nHeadCodeApplication.ActiveWorkbook.ActiveSheet.Cells(1, 1).MergeArea.Address\r\nHeadCodeApplication.ActiveWorkbook.ActiveSheet.Cells(2, 1).MergeArea.Range(\"A1\").Address\r\nHeadCodeApplication.ActiveWorkbook.ActiveSheet.Range(Cells(3, 5), Cells(5, 8)).Address(0,0)"},
    {false, 2100, u"连选单元格", u"Set MyRange = Union(Range(Cells(3, 5)), Range(Cells(5, 8)))"},
    {true,    39, u"单元格转数组", u"Dim YArr\r\nYArr = Application.WorksheetFunction.Transpose(ActiveWorkbook.Sheets(1).Range(\"A1:A65535\"))'单列使用一次转置函数Transpose转换单元格区域为1维数组，多列则需使用二次转置函数转换为1维数组\r\nXArr = Application.WorksheetFunction.Transpose(Application.WorksheetFunction.Transpose(ActiveWorkbook.Sheets(1).Range(ActiveWorkbook.Sheets(1).Cells(1, 2), ActiveWorkbook.Sheets(1).Cells(1, 5))))"},
    {false,   41, u"数组转单元格", u"Range(Cells(1, 2), Cells(20, 2)).Value = Application.Transpose(YArr)\r\nActiveWorkbook.Sheets(1).Cells(1, \"S\").Resize(1, 5) = YArr"},
    {true,  2628, u"状态栏信息", u"Application.StatusBar = \"\""},
};

// Popup 4, "[对象类".
constexpr MenuItem kPopup4[] = {
    {false,   22, u"创建FSO对象", u"Dim Fso As Object\r\nHeadCodeSet Fso = CreateObject(\"Scripting.FileSystemObject\")"},
    {false,  201, u"创建TXT文件", u"Set MyFile = Fso.CreateTextFile(\"c:\\testfile.txt\", True)\r\nHeadCodeMyFile.WriteLine(\"这是一个测试。\")\r\nHeadCodeMyFile.Close"},
    {false,  176, u"打开TXT文件", u"Set f = Fso.OpenTextFile(\"c:\\testfile.txt\", [1,8], [0,-2,-1])\r\nHeadCodef.Write \"嗨，你好！\"\r\nHeadCodef.Close"},
    {false,  144, u"读取TXT文件", u"Set f = Fso.OpenTextFile(\"c:\\testfile.txt\", 1)\r\nHeadCodecontenu = f.readAll\r\nHeadCodef.Close"},
    {false, 1836, u"复制所有文件", u"Fso.CopyFile \"c:\\mydocuments\\letters\\*.doc\", \"c:\\tempfolder\\\",true"},
    {false, 1667, u"复制所有目录", u"Fso.CopyFolder \"c:\\mydocuments\\letters\\*\", \"c:\\tempfolder\\\",true"},
    {false,   21, u"移动所有文件", u"Fso.MoveFile Drivespec, \"c:\\windows\\desktop\\\""},
    {false, 1669, u"移动所有目录", u"Fso.MoveFolder Drivespec, \"c:\\windows\\desktop\\\""},
    {false, 1670, u"删除所有文件", u"Fso.DeleteFile(filespec)"},
    {false, 1668, u"删除所有目录", u"Fso.DeleteFolder(filespec)"},
    {false, 1156, u"取文件基本名", u"GetTheBase = Fso.GetBaseName(filespec)"},
    {false, 1157, u"取文件扩展名", u"GetAnExtension = Fso.GetExtensionName(Drivespec)"},
    {false, 1590, u"取得上层目录", u"GetTheParent = Fso.GetParentFolderName(Drivespec)"},
    {false,  124, u"文件是否存在", u"MsgBox Fso.FileExists(filespec)"},
    {false,   32, u"目录是否存在", u"MsgBox Fso.FolderExists(fldr)\r\nHeadCodeMsgBox Fso.DriveExists(drv)"},
    {true,    17, u"创建词典对象", u"Dim Dic As Object\r\nHeadCodeSet Dic = CreateObject(\"Scripting.Dictionary\")"},
    {false,  535, u"添加键和项目", u"Dic.Add \"a\", \"Athens\""},
    {false,  536, u"删除键和项目", u"x = Dic.Remove(\"a\")"},
    {false,  358, u"删除所有项目", u"x = Dic.RemoveAll"},
    {false,  533, u"遍历所有键值", u"x = Dic.Keys\r\nHeadCodeFor i = 0 To Dic.Count -1\r\nHeadCodey = y & x(i) & vbcr\r\nHeadCodeNext\r\nHeadCodeMsgBox y"},
    {false,  534, u"遍历所有项目", u"x = Dic.Items\r\nHeadCodeFor i = 0 To Dic.Count -1\r\nHeadCodey = y & x(i) & vbcr\r\nHeadCodeNext\r\nHeadCodeMsgBox y"},
    {false,  537, u"键值是否存在", u"MsgBox Dic.Exists(\"a\")"},
    {true,    59, u"创建COM对象", u"Dim objPlvr As Object\r\nHeadCodeSet objPlvr = CreateObject(\"PLVR.ButtonEvent\")\r\nHeadCodeCall objPlvr\r\nHeadCodeSet objPlvr = Nothing"},
    {false,  642, u"创建WMI对象", u"Dim WMI As Object\r\nHeadCodeSet WMI = GetObject(\"winmgmts:\\\\.\\root\\cimv2\")"},
    {false,  528, u"创建ADO对象", u"Dim Cn As Object, Rs As Object\r\nHeadCodeSet Cn = CreateObject(\"ADODB.Connection\")\r\nHeadCodeSet Rs = CreateObject(\"ADODB.Recordset\")\r\nHeadCodeCn.Open \"provider=microsoft.jet.oledb.4.0;extended properties='excel 8.0';data source=\" & ThisWorkbook.FullName"},
    {false,  503, u"创建正则对象", u"Dim Re As Object\r\nHeadCodeSet Re = CreateObject(\"VBScript.RegExp\")"},
    {false,   27, u"创建语音对象", u"Dim objTTS As Object\r\nHeadCodeSet objTTS = CreateObject(\"SAPI.SpVoice\")\r\nHeadCodeobjTTS.Rate = 0\r\nHeadCodeobjTTS.Volume = 100\r\nHeadCodeobjTTS.Speak \"abc\", 0"},
    {false,  740, u"创建外壳对象", u"Dim  WinShell As Object\r\nHeadCodeSet WinShell = CreateObject(\"Shell.Application\")\r\nHeadCodeSet objFolder = WinShell.Namespace(FONTS)\r\nHeadCodeobjFolder.CopyHere YPath\r\nHeadCodeSet WinShell = Nothing"},
    {true,   579, u"注销卸载对象", u"Set xObj = Nothing"},
};

// Popup 5, "注册表]".
constexpr MenuItem kPopup5[] = {
    {false,  349, u"VBA项目写入", u"SaveSetting VBRegStr1, VBRegStr2, VBRegStr3, VBRegStr4"},
    {false,  346, u"VBA项目读取", u"GetSetting VBRegStr1, VBRegStr2, VBRegStr3, \"\""},
    {false,  144, u"VBA读取集合", u"VarStr = GetAllSetting(VBRegStr1,VBRegStr2)(0,0)"},
    {false,  348, u"VBA项目删除", u"DeleteSetting VBRegStr1"},
    {true,   621, u"应用WSH对象", u"Dim WshShell As Object\r\nHeadCodeSet WshShell = CreateObject(\"WScript.Shell\")"},
    {false,  162, u"WSH项目写入", u"WshShell.RegWrite \"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\Options\\NoRereg\", 1, \"REG_DWORD\""},
    {false,  172, u"WSH项目读取", u"WshShell.RegRead(\"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\11.0\\Excel\\InstallRoot\\Path\")"},
    {false,  214, u"WSH项目删除", u"WshShell.RegDelete \"HKEY_CLASSES_ROOT\\Excel.Sheet.8\\shell\\OtherOpen11\\command\\\""},
    {true,   487, u"声明WMI常量", u"Public Const REG_SZ As Long = 1\r\nPublic Const REG_EXPAND_SZ = 2\r\nPublic Const REG_BINARY = 3\r\nPublic Const REG_DWORD As Long = 4\r\nPublic Const REG_MULTI_SZ = 7\r\nPublic Const HKEY_CLASSES_ROOT = &H80000000\r\nPublic Const HKEY_CURRENT_USER = &H80000001\r\nPublic Const HKEY_LOCAL_MACHINE = &H80000002\r\nPublic Const HKEY_USERS = &H80000003"},
    {false,  466, u"应用WMI对象", u"Dim oReg As Object\r\nHeadCodeSet oReg = GetObject(\"winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\default:StdRegProv\")"},
    {false,  238, u"WMI项目写入", u"oReg.SetStringValue HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", \"TestVauleName\", \"TestVaules\"'oReg.CreateKey'oReg.SetStringValue'oReg.SetExpandedStringValue'oReg.SetBinaryValue'oReg.SetDWORDValue'oReg.SetMultiStringValue"},
    {false,  239, u"WMI项目读取", u"oReg.GetStringValue HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", \"TestVauleName\", strRunCommand 'oReg.GetStringValue'oReg.GetExpandedStringValue'oReg.GetBinaryValue'oReg.GetDWORDValue'oReg.GetMultiStringValue"},
    {false,  240, u"WMI读取集合", u"oReg.EnumValues HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", arrValueNames, arrValueTypes'oReg.EnumKey\r\nHeadCodeFor i=0 To UBound(arrValueNames)\r\nHeadCode    Select Case arrValueTypes(i)\r\nHeadCode    Case REG_SZ\r\nHeadCode        msgbox arrValueNames(i)\r\nHeadCode    End Select\r\nHeadCodeNext"},
    {false,  241, u"WMI项目删除", u"oReg.DeleteValue HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", \"TestVauleName\"'oReg.DeleteKey"},
    {false,  161, u"WMI判断存在", u"oReg.GetStringValue HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", \"TestVauleName\", strRunCommand\r\nHeadCodeIf Not IsNull(strRunCommand) Then"},
    {false,  202, u"WMI查询权限", u"oReg.CheckAccess HKEY_LOCAL_MACHINE, \"Software\\Corvane\\Test123Key\", KEY_QUERY_VALUE, bHasAccessRight'KEY_SET_VALUE,KEY_CREATE_SUB_KEY,DELETE\r\nHeadCodeIf bHasAccessRight = True Then"},
    {false,  140, u"WMI监视更改", u"Set wmiServices = GetObject(\"winmgmts:root/default\")\r\nHeadCodeSet wmiSink = CreateObject(\"WbemScripting.SWbemSink\", \"SINK_\")\r\nHeadCodewmiServices.ExecNotificationQueryAsync wmiSink, \"SELECT * FROM RegistryKeyChangeEvent WHERE Hive='HKEY_LOCAL_MACHINE' AND KeyPath='SOFTWARE\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Run' AND ValueName='监视键名'\"'省略键名和子健可直接监视根键\r\nHeadCodeWhile(1)\r\nHeadCode    Sleep 1000\r\nHeadCodeWend\r\nHeadCodeSub SINK_OnObjectReady(wmiObject, wmiAsyncContext)\r\nHeadCode    Msgbox wmiObject.GetObjectText_()\r\nHeadCode    Exit Sub'一次改变则退出\r\nHeadCodeEnd Sub"},
    {true,    21, u"VB内部写入剪贴板", u"Clipboard.SetText TemStr"},
    {false,   22, u"VB内部读取剪贴板", u"Clipboard.GetText"},
    {false,  358, u"VB内部清空剪贴板", u"Clipboard.Clear"},
};

// Popup 6, "[循环".
constexpr MenuItem kPopup6[] = {
    {false,   12, u"With继承", u"With xObj\r\nHeadCodeEnd With"},
    {false,  698, u"If_Then条件", u"If xObj Then\r\nHeadCodeElse\r\nHeadCodeEnd If"},
    {false,  694, u"IIf_Then条件", u"StrNum = IIf(xObj , xObj, yObj)"},
    {false,  699, u"Select_Case条件", u"Select Case InputVar\r\nHeadCodeCase 0\r\nHeadCodeCase Else\r\nHeadCodeEnd Select"},
    {false,  439, u"Select_Case框架", u"Dim Param As Variant\r\nHeadCodeParam = (\"参数01必选[InputVar]：|1.欲朗读的文字|参数02可选[YQ]：|1.语音引擎\")\r\nHeadCodeSelect Case InputVar\r\nHeadCodeCase \"\"\r\nHeadCodeCase \"/?\", \"/？\"\r\nHeadCode   MsgBox Replace(Replace(Param, \"|\", vbCrLf & \"   \"), \"   参数\", \"参数\"), 0 + 32, \"函数[YYLD]语音朗读\"\r\nHeadCodeCase Else\r\nHeadCodeEnd Select"},
    {true,   152, u"For_to循环", u"For i = LBound(xObj) To UBound(xObj)  Step 1\r\nHeadCodeNext"},
    {false,  180, u"For_Each循环", u"For Each xObj In yObj\r\nHeadCodeNext"},
    {false, 1116, u"Do_Loop循环", u"Do'While|Until\r\nHeadCode    If xObj=yObj Then Exit Do\r\nHeadCodeLoop'While|Until"},
    {false, 1120, u"While_Wend循环", u"While(i < n)\r\nHeadCodeWend"},
    {false,  594, u"UBound数组上标", u"UBound(xObj)"},
    {true,   757, u"退出 For 循环", u"Exit For"},
    {false,  157, u"退出  Do 循环", u"Exit Do"},
    {false, 2164, u"退出 Sub 过程", u"Exit Sub"},
    {false, 2165, u"退出Function函数", u"Exit Function"},
    {true,   451, u"控制权循环内转让", u"DoEvents"},
    {true,   730, u"耗时差循环内计算", u"getTMid = Now()\r\nHeadCodeMsgbox \" [ 耗时：\" & Format(Now() - getTMid, \"HH.mm.ss.ms\") & \" ]"},
    {true,   734, u"声明循环延时函数", u"Public Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)"},
    {false,   33, u"使用循环延时语句", u"Sleep 365"},
    {true,   220, u"参数：可选", u"Optional ByVal Switch As Long"},
    {false,  712, u"参数：传值", u" ByVal "},
    {false,  589, u"参数：数组", u"ParamArray VarStr() As Variant"},
    {true,   210, u"中转：参数", u"Optional ByVal VS1y, Optional ByVal VS2y, Optional ByVal VS3y, Optional ByVal VS4y, Optional ByVal VS5y, Optional ByVal VS6y, Optional ByVal VS7y, Optional ByVal VS8y, Optional ByVal VS9y, Optional ByVal VS10y, Optional ByVal VS11y, Optional ByVal VS12y, Optional ByVal VS13y, Optional ByVal VS14y, Optional ByVal VS15y, Optional ByVal VS16y, Optional ByVal VS17y, Optional ByVal VS18y, Optional ByVal VS19y, Optional ByVal VS20y, Optional ByVal VS21y"},
    {false,   51, u"中转：声明", u"Dim TemTrArr,db() As Variant"},
    {false,  373, u"中转：赋值", u"TemTrArr = Array(VS1y, VS2y, VS3y, VS4y, VS5y, VS6y, VS7y, VS8y, VS9y, VS10y, VS11y, VS12y, VS13y, VS14y, VS15y, VS16y, VS17y, VS18y, VS19y, VS20y, VS21y)\r\nHeadCodedb = Transferdb(0, 0, TemTrArr)"},
    {true,   351, u"自定义消息中心", u"Call StrInfoCenter(\"\", \"\")"},
};

// Popup 7, "常用]".
constexpr MenuItem kPopup7[] = {
    {false,  156, u"强制容错", u"On Error Resume Next"},
    {false,  157, u"跳转容错", u"On Error GoTo error_handler\r\nerror_handler:\r\nMsgBox  Err.Number & vbCr & Err.Description, 16 + 0, \"Error Number\""},
    {false,  108, u"清除错误", u"Err.Clear"},
    {true,   226, u"插入函数", u"Public Function fTest(ByVal x1 As Variant, Optional ByVal x2 As Long)\r\n\r\nEnd Function"},
    {false,  296, u"插入过程", u"Private Sub sTest ()\r\n\r\nEnd Sub"},
    {true,    51, u"声明常量", u"Public Const StrNum = 1365 "},
    {true,   223, u"字符小写", u"LCase(InputStr)"},
    {true,   157, u"字符位置(前)", u"StrNum = InStr(InputStr, \"TemStr\")"},
    {false,  154, u"字符位置(后)", u"StrNum = InStrRev(InputStr, \"TemStr\")"},
    {true,  2309, u"分割字符串", u"VarStr = Split(InputStr, \",\")"},
    {false, 2308, u"链接字符串", u"StrNum = join(VarArr,\",\")"},
    {true,  1061, u"替换字符串", u"StrNum = Replace(InputStr, \"TemStr\", \"\")"},
    {false,  128, u"反转字符串", u"StrReverse(InputStr)"},
    {true,   358, u"清空单个数组", u"ReDim Preserve VarArr(n)"},
    {false,  348, u"清空全部数组", u"ReDim VarArr(Max)"},
    {false, 2637, u"判断是否数组", u"IsArray(InputVar)"},
    {false, 1327, u"判断数组安全", u"Public Declare Function SafeArrayGetDim Lib \"oleaut32.dll\" (ByRef saArray() As Any) As Long"},
    {true,  1029, u"判断对象初始化", u"If InputObj Is Nothing Then"},
    {false,  204, u"判断变量初始化", u"IsEmpty(InputVar)"},
    {false,  345, u"判断是否传入值", u"If Not IsMissing(InputVar) Then"},
    {false,  370, u"判断是否数字值", u"IsNumeric(InputNum)"},
    {false, 1096, u"判断是否日期值", u"IsDate(InputDate)"},
    {false,  466, u"判断对象值类型", u"TypeName(InputObj)"},
    {true,   487, u"强制变量声明", u"Option Explicit"},
    {false,  309, u"不区分大小写", u"Option Compare Text"},
    {false,  456, u"标记模块私有", u"Option Private Module"},
};

// Popup 8, "【功能】".
constexpr MenuItem kPopup8[] = {
    {false,  122, u"代码缩进", u"", MenuAction::kIndentCode},
    {false,  120, u"取消缩进", u"", MenuAction::kUnindent},
    {true,   241, u"删除空行", u"", MenuAction::kDeleteBlankLines},
    {true,   163, u"代码注解", u"", MenuAction::kAnnotateCode},
    {false,  456, u"删除注解", u"", MenuAction::kDeleteComments},
    {false,   15, u"注解对齐", u"", MenuAction::kAlignComments},
    {false,   14, u"取消对齐", u"", MenuAction::kUnalignComments},
    {true,   202, u"在线翻译", u"", MenuAction::kTranslate},
    {false, 1922, u"在线搜索", u"", MenuAction::kSearch},
    {true,   128, u"撤销上次修改", u"", MenuAction::kUndoLastChange},
};
// clang-format on

constexpr std::span<const MenuItem> kPopupItems[kPopupCount] = {
    kPopup1, kPopup2, kPopup3, kPopup4, kPopup5, kPopup6, kPopup7, kPopup8,
};

}  // namespace

std::span<const BarControl> MenuTop(int group) {
  if (group == kPopupGroup) return kPopups;
  if (group == kButtonGroup) return kButtons;
  return {};
}

std::span<const MenuItem> MenuItems(int popup) {
  if (popup < 0 || popup >= kPopupCount) return {};
  return kPopupItems[popup];
}

MenuAction ActionOfCaption(std::u16string_view caption) {
  for (const auto& button : kButtons) {
    if (button.caption == caption) return button.action;
  }
  if (const MenuItem* item = FindMenuItem(caption)) return item->action;
  if (caption == u"TessalyAid" || caption == addin::kAddInsEntryCaption) return MenuAction::kAbout;
  return MenuAction::kSnippet;
}

const MenuItem* FindMenuItem(std::u16string_view caption) {
  for (const auto& items : kPopupItems) {
    for (const auto& item : items) {
      if (item.caption == caption) return &item;
    }
  }
  return nullptr;
}

}  // namespace tessaly::menu
