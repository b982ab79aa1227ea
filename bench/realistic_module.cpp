#include "realistic_module.h"

#include <array>
#include <random>
#include <string_view>

#include "text/gbk.h"

namespace tessaly::bench {

namespace {

using Lines = std::vector<std::u16string>;

// clang-format off
constexpr std::array<std::u16string_view, 24> kPhrases = {
    u"汇总各区域的销售数据", u"读取上月结余", u"跳过空行", u"只统计正数", u"按客户分组",
    u"写入汇总表", u"清除旧的格式", u"检查日期是否有效", u"金额保留两位小数", u"合并重复的记录",
    u"数据表名", u"循环变量", u"最后一行", u"出错时恢复屏幕更新", u"导出为 CSV 文件", u"标记异常值",
    u"计算同比增长", u"区域代码", u"默认为当前工作簿", u"不区分大小写", u"TODO: 以后改成字典",
    u"月份", u"临时变量", u"返回行数"};
// clang-format on

constexpr std::array<std::u16string_view, 8> kSheets = {u"销售", u"库存", u"客户",   u"汇总",
                                                        u"Data", u"明细", u"Report", u"参数"};

constexpr std::array<std::u16string_view, 10> kNames = {
    u"Sales",  u"Stock",  u"Customer", u"Summary", u"Invoice",
    u"Region", u"Report", u"Budget",   u"Order",   u"Ledger"};

// Below "Option Explicit" and its blank line.
constexpr std::ptrdiff_t kDeclarationsFillingAt = 2;

class ModuleWriter {
 public:
  explicit ModuleWriter(std::uint32_t seed) : random_(seed) {}

  Lines Build(std::size_t line_count) {
    Declarations();
    for (int index = 0;; ++index) {
      const std::size_t before = lines_.size();
      Procedure(index);
      if (lines_.size() > line_count) {
        lines_.resize(before);
        break;
      }
    }
    // The filling goes into the declarations section: comments after the last procedure
    // would belong to it, and a caret there would find no procedure body around it.
    Lines filling;
    while (lines_.size() + filling.size() < line_count)
      filling.push_back(u"' " + std::u16string(Phrase()));
    lines_.insert(lines_.begin() + kDeclarationsFillingAt, filling.begin(), filling.end());
    return std::move(lines_);
  }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool Chance(int percent) { return Pick(100) < percent; }
  std::u16string_view Phrase() { return kPhrases[Pick(kPhrases.size())]; }
  std::u16string_view Sheet() { return kSheets[Pick(kSheets.size())]; }
  std::u16string Number(int limit) { return Digits(Pick(limit)); }
  static std::u16string Digits(int value) {
    std::u16string digits;
    do {
      digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
      value /= 10;
    } while (value > 0);
    return digits;
  }

  // Hand-made indentation: mostly right, often off by a few blanks, now and then a tab.
  std::u16string Indent(int level) {
    const int roll = Pick(100);
    if (roll < 50) return std::u16string(4 * level, u' ');
    if (roll < 62) return {};
    if (roll < 75) return std::u16string(2 * level, u' ');
    if (roll < 80) return std::u16string(level, u'\t');
    return std::u16string(Pick(13), u' ');
  }

  // A trailing comment at whatever column the author happened to type it.
  std::u16string MaybeComment(int percent) {
    if (!Chance(percent)) return {};
    const std::u16string mark = Chance(10) ? u"Rem " : u"' ";
    if (mark == u"Rem ") return u": Rem " + std::u16string(Phrase());
    return std::u16string(1 + Pick(9), u' ') + mark + std::u16string(Phrase());
  }

  void Line(int level, std::u16string_view code, int comment_percent = 18) {
    lines_.push_back(Indent(level) + std::u16string(code) + MaybeComment(comment_percent));
  }

  void Declarations() {
    lines_.push_back(u"Option Explicit");
    lines_.push_back(u"");
    lines_.push_back(u"' " + std::u16string(Phrase()) + u"：本模块由报表向导生成后手工修改");
    lines_.push_back(u"Private Const SHEET_NAME As String = \"" + std::u16string(Sheet()) +
                     u"\"   ' 数据表名");
    lines_.push_back(u"Public Const MAX_ROWS As Long = 65536");
    lines_.push_back(u"Private mTitle As String  ' 标题");
    lines_.push_back(u"");
    lines_.push_back(u"Private Type SaleRecord");
    lines_.push_back(u"    Region As String    ' 区域");
    lines_.push_back(u"  Amount As Double");
    lines_.push_back(u"      Month As Integer ' 月份");
    lines_.push_back(u"End Type");
    lines_.push_back(u"");
    lines_.push_back(u"Public Enum ReportKind");
    lines_.push_back(u"  rkDaily = 1");
    lines_.push_back(u"    rkMonthly = 2   ' 按月");
    lines_.push_back(u"End Enum");
  }

  void Procedure(int index) {
    lines_.push_back(u"");
    if (Chance(70)) lines_.push_back(u"' " + std::u16string(Phrase()));
    if (Chance(25)) lines_.push_back(u"'   参数说明：" + std::u16string(Phrase()));
    const std::u16string name =
        std::u16string(kNames[Pick(kNames.size())]) + u"Task" + Digits(index);
    switch (Pick(6)) {
      case 0:
        PropertyPair(name);
        return;
      case 1:
      case 2:
        lines_.push_back(u"Private Function " + name +
                         u"(ByVal ws As Worksheet, Optional ByVal col As Long = 1) As Double" +
                         MaybeComment(20));
        Body(name, u"Function");
        lines_.push_back(u"End Function");
        return;
      default:
        if (Chance(30)) {
          lines_.push_back(u"Public Sub " + name + u"(ByVal kind As ReportKind, _");
          lines_.push_back(u"        Optional ByVal showMsg As Boolean = True)");
        } else {
          lines_.push_back((Chance(50) ? u"Public Sub " : u"Sub ") + name + u"()" +
                           MaybeComment(15));
        }
        Body(name, u"Sub");
        lines_.push_back(u"End Sub");
    }
  }

  void PropertyPair(const std::u16string& name) {
    lines_.push_back(u"Public Property Get " + name + u"() As String");
    Line(1, name + u" = mTitle");
    lines_.push_back(u"End Property");
    lines_.push_back(u"");
    lines_.push_back(u"Public Property Let " + name + u"(ByVal value As String)");
    Line(1, u"If Len(value) = 0 Then", 40);
    Line(2, u"mTitle = \"未命名\"");
    Line(1, u"Else");
    Line(2, u"mTitle = value");
    Line(1, u"End If");
    lines_.push_back(u"End Property");
  }

  void Body(const std::u16string& name, std::u16string_view kind) {
    const bool handler = Chance(35);
    Line(1, u"Dim ws As Worksheet, rng As Range");
    Line(1, u"Dim i As Long, lastRow As Long", 30);
    if (Chance(50)) Line(1, u"Dim total As Double, note As String");
    if (handler) Line(1, u"On Error GoTo ErrHandler");
    Line(1, u"Set ws = ThisWorkbook.Worksheets(\"" + std::u16string(Sheet()) + u"\")");
    Line(1, u"lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row");
    const int blocks = 1 + Pick(3);
    for (int b = 0; b < blocks; ++b) {
      if (Chance(30))
        lines_.push_back(Chance(50) ? u"" : Indent(1) + u"' " + std::u16string(Phrase()));
      Block(1, 0);
    }
    if (kind == u"Function") Line(1, name + u" = total");
    if (handler) {
      Line(1, u"Exit " + std::u16string(kind));
      lines_.push_back(u"ErrHandler:");
      Line(1, u"MsgBox \"出错了：\" & Err.Description, vbExclamation, \"" +
                  std::u16string(Sheet()) + u"\"");
    }
  }

  void Statement(int level) {
    switch (Pick(10)) {
      case 0:
        Line(level, u"total = total + ws.Cells(i, " + Number(9) + u").Value");
        break;
      case 1:
        Line(level, u"Debug.Print \"第 \" & i & \" 行：" + std::u16string(Phrase()) + u"\"");
        break;
      case 2:
        Line(level, u"ws.Cells(i, " + Number(9) + u").Interior.Color = vbRed");
        break;
      case 3:
        Line(level, u"note = \"it's \" & ws.Range(\"B\" & i).Text", 25);
        break;
      case 4:
        Line(level, u"Set rng = ws.Range(\"A1:F\" & lastRow)");
        break;
      case 5:
        Line(level, u"If ws.Cells(i, 1).Value = \"\" Then Exit Sub", 10);
        break;
      case 6:
        lines_.push_back(Indent(level) + u"MsgBox \"合计：\" & Format(total, \"#,##0.00\"), _");
        lines_.push_back(Indent(level + 1) + u"vbInformation, \"报表\"" + MaybeComment(15));
        break;
      case 7:
        Line(level, u"Application.StatusBar = \"正在处理 " + std::u16string(Sheet()) +
                        u" \" & Format(i / lastRow, \"0%\")");
        break;
      case 8:
        Line(level, u"Call Log" + std::u16string(kNames[Pick(kNames.size())]) + u"(i, total)");
        break;
      default:
        Line(level, u"lastRow = lastRow - 1");
    }
  }

  void Statements(int level, int depth) {
    const int count = 1 + Pick(3);
    for (int s = 0; s < count; ++s) {
      if (depth < 3 && Chance(25)) {
        Block(level, depth + 1);
      } else {
        Statement(level);
      }
    }
  }

  void Block(int level, int depth) {
    switch (Pick(7)) {
      case 0:
        Line(level, u"For i = 2 To lastRow");
        Statements(level + 1, depth);
        Line(level, u"Next i", 5);
        break;
      case 1:
        Line(level, u"If ws.Cells(i, 3).Value > 0 Then", 30);
        Statements(level + 1, depth);
        if (Chance(40)) {
          Line(level, u"ElseIf ws.Cells(i, 3).Value = 0 Then");
          Statements(level + 1, depth);
        }
        if (Chance(50)) {
          Line(level, u"Else");
          Statements(level + 1, depth);
        }
        Line(level, u"End If", 5);
        break;
      case 2:
        Line(level, u"For Each c In rng.Cells");
        Statements(level + 1, depth);
        Line(level, u"Next c");
        break;
      case 3:
        Line(level, u"Do While ws.Cells(i + 1, 1).Value <> \"\"");
        Statements(level + 1, depth);
        Line(level, u"i = i + 1");
        Line(level, u"Loop");
        break;
      case 4:
        Line(level, u"With ws.Range(\"E" + Number(20) + u"\")");
        Line(level + 1, u".Value = total");
        Line(level + 1, u".NumberFormat = \"#,##0.00\"", 25);
        Line(level, u"End With");
        break;
      case 5:
        Line(level, u"Select Case ws.Cells(i, 2).Value");
        Line(level + 1, u"Case \"华东\", \"华南\"");
        Statements(level + 2, depth);
        Line(level + 1, u"Case Is > 100");
        Statements(level + 2, depth);
        Line(level + 1, u"Case Else");
        Line(level, u"End Select");
        break;
      default:
        Statements(level, depth + 1);
    }
  }

  std::mt19937 random_;
  Lines lines_;
};

}  // namespace

std::vector<std::u16string> RealisticExcelModule(std::size_t line_count, std::uint32_t seed) {
  return ModuleWriter(seed).Build(line_count);
}

std::string RealisticExcelModuleFile(std::size_t line_count, std::uint32_t seed) {
  std::u16string text = u"Attribute VB_Name = \"模块1\"\r\n";
  for (const auto& line : RealisticExcelModule(line_count, seed))
    text += line + u"\r\n";
  return text::EncodeGbk(text).bytes;
}

}  // namespace tessaly::bench
