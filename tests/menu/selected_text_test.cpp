#include "menu/selected_text.h"

#include <gtest/gtest.h>

namespace tessaly::menu {
namespace {

TEST(SelectedText, TurnsDisplayColumnsIntoCharacters) {
  struct Case {
    std::u16string_view line;
    std::int32_t start, end;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {u"Dim 中文 As", 5, 9, u"中文"},
      {u"Dim x As Long", 5, 6, u"x"},
      {u"Dim x As Long", 1, 4, u"Dim"},
      // A selection to the end of the line ends past its last column.
      {u"hello", 1, 6, u"hello"},
      {u"say 你好", 5, 9, u"你好"},
      {u"hello", 3, 0, u"l"},
      {u"hello", -4, 3, u"he"},
      {u"hello", 7, 9, u""},
      {u"", 1, 3, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetSelectedText(c.line, c.start, c.end), c.expected) << c.start << ".." << c.end;
  }
}

}  // namespace
}  // namespace tessaly::menu
