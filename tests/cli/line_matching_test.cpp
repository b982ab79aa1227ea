#include "cli/line_matching.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessaly::cli {
namespace {

std::vector<std::u16string> Lines(std::initializer_list<const char16_t*> lines) {
  return {lines.begin(), lines.end()};
}

std::vector<std::optional<std::size_t>> Origins(std::initializer_list<int> origins) {
  std::vector<std::optional<std::size_t>> result;
  for (int origin : origins) {
    result.push_back(origin < 0 ? std::nullopt : std::optional<std::size_t>(origin));
  }
  return result;
}

TEST(LineMatching, FindsWhereEachEditedLineCameFrom) {
  struct Case {
    const char* name;
    std::vector<std::u16string> before;
    std::vector<std::u16string> after;
    std::vector<std::optional<std::size_t>> origins;
  };
  const auto sub = Lines({u"Sub A()", u"x = 1", u"", u"y = 2", u"End Sub"});
  // clang-format off
  const Case cases[] = {
      {"unchanged", sub, sub, Origins({0, 1, 2, 3, 4})},
      {"re-indented", sub, Lines({u"Sub A()", u"    x = 1", u"", u"    y = 2", u"End Sub"}),
       Origins({0, 1, 2, 3, 4})},
      {"blank line deleted", sub, Lines({u"Sub A()", u"x = 1", u"y = 2", u"End Sub"}),
       Origins({0, 1, 3, 4})},
      {"comment inserted", sub, Lines({u"'注释", u"Sub A()", u"x = 1", u"", u"y = 2", u"End Sub"}),
       Origins({-1, 0, 1, 2, 3, 4})},
      {"header changed in place and a line inserted below it", sub,
       Lines({u"Public Sub A()", u"Dim z", u"    x = 1", u"", u"    y = 2", u"End Sub"}),
       Origins({0, -1, 1, 2, 3, 4})},
      {"everything replaced", Lines({u"a", u"b"}), Lines({u"c", u"d", u"e"}), Origins({0, 1, -1})},
      {"all deleted", sub, {}, {}},
      {"trailing blanks and tabs trimmed", Lines({u"Sub A()", u"x = 1 \t", u"End Sub"}),
       Lines({u"Sub A()", u"    x = 1", u"End Sub"}), Origins({0, 1, 2})},
      {"a line found by its trimmed text, not by its place",
       Lines({u"Sub A()", u"a \t", u"b", u"End Sub"}),
       Lines({u"Sub A()", u"x", u"    a", u"End Sub"}), Origins({0, -1, 1, 3})},
      {"repeated lines", Lines({u"End If", u"End If", u"x", u"End If"}),
       Lines({u"End If", u"x", u"End If"}), Origins({0, 2, 3})},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(FindLineOrigins(c.before, c.after), c.origins) << c.name;
}

TEST(LineMatching, PairsAreEqualAndIncreasingOnRandomTexts) {
  std::mt19937 random(7);
  const std::u16string_view alphabet[] = {u"a", u"b", u"c", u"d", u"", u"End Sub"};
  std::uniform_int_distribution<int> pick(0, 5);
  std::uniform_int_distribution<int> length(0, 60);
  for (int sample = 0; sample < 300; ++sample) {
    std::vector<std::u16string_view> before(length(random));
    std::vector<std::u16string_view> after(length(random));
    for (auto& line : before)
      line = alphabet[pick(random)];
    for (auto& line : after)
      line = alphabet[pick(random)];
    const std::vector<LinePair> pairs = MatchEqualLines(before, after);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
      ASSERT_EQ(before[pairs[k].before], after[pairs[k].after]);
      if (k > 0) {
        ASSERT_LT(pairs[k - 1].before, pairs[k].before);
        ASSERT_LT(pairs[k - 1].after, pairs[k].after);
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::cli
