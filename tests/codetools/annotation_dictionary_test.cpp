#include "codetools/annotation_dictionary.h"

#include "text/utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::codetools {
namespace {

TEST(AnnotationDictionaryTest, HoldsTheListInItsOrder) {
  const auto entries = AnnotationEntries();
  ASSERT_EQ(entries.size(), 817u);

  struct Position {
    std::size_t index;
    std::u16string_view key;
  };
  const Position positions[] = {
      {0, u"\""},
      {1, u"\"\""},
      {2, u"\"\"\""},
      {3, u"&"},
      {17, u">="},
      {18, u"0"},
      {27, u"9"},
      {28, u"Activate"},
      {103, u"Class"},
      {104, u"Clear"},
      {214, u"End Function"},
      {430, u"Private Sub QueryTable_AfterRefresh(Success As Boolean)"},
      {592, u"vbNewLine "},
      {653, u"Get"},
      {666, u"Class"},
      {727, u"Application.ScreenUpdating = False"},
      {785, u"winmgmts:\\\\.\\root\\cimv2"},
      {798, u"winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\default:StdRegProv"},
      {807, u"Sleep "},
      {815, u"Clear"},
      {816, u"On Error Resume Next"},
  };
  for (const Position& position : positions) {
    EXPECT_EQ(entries[position.index].key, position.key) << "entry " << position.index;
  }
}

TEST(AnnotationDictionaryTest, KindsOfKeysAreCountedAsListed) {
  std::size_t call_forms = 0;
  std::size_t with_blanks = 0;
  std::vector<std::u16string_view> ending_in_blank;
  for (const AnnotationEntry& entry : AnnotationEntries()) {
    if (entry.key.ends_with(u'(')) ++call_forms;
    if (entry.key.find(u' ') != std::u16string_view::npos) ++with_blanks;
    if (entry.key.ends_with(u' ')) ending_in_blank.push_back(entry.key);
  }
  EXPECT_EQ(call_forms, 93u);
  EXPECT_EQ(with_blanks, 64u);
  EXPECT_EQ(ending_in_blank, (std::vector<std::u16string_view>{u"vbNewLine ", u"Sleep "}));
}

TEST(AnnotationDictionaryTest, EveryGlossIsWrittenAndHasNoSeparator) {
  for (const AnnotationEntry& entry : AnnotationEntries()) {
    EXPECT_FALSE(entry.gloss.empty());
    EXPECT_EQ(entry.key.find(u'@'), std::u16string_view::npos);
    EXPECT_EQ(entry.gloss.find(u'@'), std::u16string_view::npos);
  }
}

TEST(AnnotationDictionaryTest, TellingRowsKeepTheirGlosses) {
  const AnnotationDictionary dictionary;
  const AnnotationEntry rows[] = {
      {u"\"", u"\""},
      {u"\"\"", u"空值"},
      {u"\"\"\"", u"\"\""},
      {u"&", u" & "},
      {u"(", u"("},
      {u")", u")"},
      {u").", u"的"},
      {u",", u","},
      {u".", u"的"},
      {u":=", u"="},
      {u"].", u"的"},
      {u"^", u"乘方次数"},
      {u"<?", u" 小于 "},
      {u"<=", u" 小于或等于 "},
      {u"<>", u" 不等于 "},
      {u"=", u" 等于 "},
      {u">", u" 大于 "},
      {u">=", u" 大于或等于 "},
      {u"0", u"0"},
      {u"5", u"5"},
      {u"9", u"9"},
      {u"As", u" 为 "},
      {u"Dim", u"定义变量 "},
      {u"For", u"循环开始 "},
      {u"Next", u"循环结束"},
      {u"If", u"如果 "},
      {u"Then", u" 则执行 "},
      {u"Else", u"否则"},
      {u"Set", u"设定"},
      {u"Nothing", u"空值"},
      {u"Value", u"值"},
      {u"Long", u"长整型值"},
      {u"Range(", u"<单元格>区域("},
      {u"Cells(", u"<单元格>坐标("},
      {u"Array(", u"<数组>("},
      {u"CreateObject(", u"<创建对象>("},
      {u"End If", u"If判断过程结束"},
      {u"Option Explicit", u"强制定义变量(如果有本句存于开始，则所有变量需定义)"},
      {u"On Error Resume Next", u"当错误强制执行下一行"},
      {u"Application.ScreenUpdating = False", u"关闭屏幕刷新(可以提高运行速度)"},
      {u"Private Sub Worksheet_Change(Byval Target As Range)",
       u"当工作表发生改变时执行本程序(固定格式)"},
      {u"Offset(", u"<偏移>("},
      {u"Worksheets", u"工作表集合"},
      {u"Msgbox", u"消息框"},
  };
  for (const AnnotationEntry& row : rows) {
    EXPECT_EQ(dictionary.Find(row.key), row.gloss) << text::ToUtf8(row.key);
  }
}

TEST(AnnotationDictionaryTest, RepeatedKeysAnswerWithTheirFirstEntry) {
  const AnnotationDictionary dictionary;
  const auto entries = AnnotationEntries();
  std::set<std::u16string_view> seen;
  std::set<std::u16string_view> repeated;
  for (const AnnotationEntry& entry : entries) {
    if (!seen.insert(entry.key).second) repeated.insert(entry.key);
  }
  EXPECT_EQ(repeated,
            (std::set<std::u16string_view>{u"Class", u"Clear", u"ColumnWidth", u"CreateObject(",
                                           u"Initialize(", u"Object", u"ScreenTip", u"Type"}));
  EXPECT_EQ(dictionary.Find(u"Clear"), u"清除");
  EXPECT_EQ(entries[815].gloss, u"清空");

  // Every key answers as a scan from the start of the list would.
  for (const AnnotationEntry& entry : entries) {
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& other) { return other.key == entry.key; });
    EXPECT_EQ(dictionary.Find(entry.key), first->gloss);
  }
}

TEST(AnnotationDictionaryTest, MatchesOnlyTheExactKey) {
  const AnnotationDictionary dictionary;
  EXPECT_EQ(dictionary.Find(u"MsgBox"), std::nullopt);  // the key is spelled "Msgbox"
  EXPECT_EQ(dictionary.Find(u"value"), std::nullopt);
  EXPECT_EQ(dictionary.Find(u"vbNewLine"), std::nullopt);
  EXPECT_EQ(dictionary.Find(u"Sleep"), std::nullopt);
  EXPECT_EQ(dictionary.Find(u""), std::nullopt);
  EXPECT_EQ(dictionary.Find(u"Range"), u"单元格区域");
}

}  // namespace
}  // namespace tessaly::codetools
