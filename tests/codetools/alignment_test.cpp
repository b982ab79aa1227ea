#include "codetools/alignment.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;

TEST(AlignLines, PlacesTrailingComments) {
  const struct {
    const char* title;
    std::int32_t mode;
    Lines input;
    Lines expected;
  } cases[] = {
      {"comments move one column past the widest code",
       kAlignCommentsMode,
       {u"x = 1 ' a", u"total = 1234 ' b", u"someLongName = 12345"},
       {u"x = 1               ' a", u"total = 1234        ' b", u"someLongName = 12345"}},
      {"the widest commented line keeps its comment's column",
       kAlignCommentsMode,
       {u"abcdefghij   'note", u"x = 1 ' a"},
       {u"abcdefghij   'note", u"x = 1        ' a"}},
      {"Chinese characters count two columns when measured",
       kAlignCommentsMode,
       {u"x = 1   ' 中文注解", u"y = 22 ' b"},
       {u"x = 1    ' 中文注解", u"y = 22   ' b"}},
      {"Chinese code is measured by its display width",
       kAlignCommentsMode,
       {u"s = \"表\" ' a", u"t = \"abc\" ' b"},
       {u"s = \"表\"  ' a", u"t = \"abc\" ' b"}},
      {"trailing blanks go, whole-line comments are not measured",
       kAlignCommentsMode,
       {u"x = 1 ' a", u"    ", u"    ' a long whole-line comment   ", u"y = 2000   "},
       {u"x = 1   ' a", u"", u"    ' a long whole-line comment", u"y = 2000"}},
      {"a literal apostrophe is no comment",
       kAlignCommentsMode,
       {u"s = \"it's\" ' a", u"x = 1 ' b"},
       {u"s = \"it's\" ' a", u"x = 1      ' b"}},
      {"unaligning joins each comment to its code",
       kUnalignCommentsMode,
       {u"x = 1    ' note", u"    ' whole line", u"y = 2   ", u"s = \"it's\"  ' a"},
       {u"x = 1' note", u"    ' whole line", u"y = 2   ", u"s = \"it's\"' a"}},
      {"any mode other than 0 unaligns", 7, {u"x = 1  ' note"}, {u"x = 1' note"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AlignLines(c.input, c.mode), c.expected) << c.title;
}

TEST(CountHeaderLines, SkipsBlankAndCommentLinesAndTheHeader) {
  EXPECT_EQ(CountHeaderLines({u"", u"Sub A()", u"x = 1"}), 2u);
  EXPECT_EQ(CountHeaderLines({u"' about A", u"   ", u"Sub A()", u"x = 1"}), 3u);
  EXPECT_EQ(CountHeaderLines({u"", u""}), 2u);
}

}  // namespace
}  // namespace tessaly::codetools
