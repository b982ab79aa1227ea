#include "codetools/annotation_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text/utf.h"

namespace tessaly::codetools {
namespace {

// Rows a transcription would most easily break: quotes, blanks kept inside glosses and keys,
// and long keys; a key answers with its first entry, matched exactly.
TEST(AnnotationDictionaryTest, AnswersExactKeysWithTheirFirstEntry) {
  const AnnotationDictionary dictionary;
  const AnnotationEntry rows[] = {
      // clang-format off
      {u"\"", u"\""}, {u"\"\"", u"空值"}, {u"\"\"\"", u"\"\""}, {u"&", u" & "}, {u").", u"的"},
      {u":=", u"="}, {u"<?", u" 小于 "}, {u"Dim", u"定义变量 "}, {u"Range", u"单元格区域"},
      {u"Range(", u"<单元格>区域("}, {u"Clear", u"清除"},
      // clang-format on
      {u"Private Sub Worksheet_Change(Byval Target As Range)",
       u"当工作表发生改变时执行本程序(固定格式)"},
  };
  for (const AnnotationEntry& row : rows)
    EXPECT_EQ(dictionary.Find(row.key), row.gloss) << text::ToUtf8(row.key);
  for (const auto* missing : {u"MsgBox", u"value", u"vbNewLine", u"Sleep", u""})
    EXPECT_EQ(dictionary.Find(missing), std::nullopt) << text::ToUtf8(missing);

  const auto entries = AnnotationEntries();
  for (const AnnotationEntry& entry : entries) {
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& other) { return other.key == entry.key; });
    EXPECT_EQ(dictionary.Find(entry.key), first->gloss);
  }
}

}  // namespace
}  // namespace tessaly::codetools
