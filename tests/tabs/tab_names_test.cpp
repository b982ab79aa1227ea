#include "tabs/tab_names.h"

#include <gtest/gtest.h>

#include "text/utf.h"

namespace tessaly::tabs {
namespace {

struct NameCase {
  std::u16string caption;
  std::u16string by_window_rule;
  std::u16string by_name_rule;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const NameCase& c, std::ostream* out) {
  *out << text::ToUtf8(c.caption);
}

class TabNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TabNames, ReduceACaptionByBothRules) {
  const auto& c = GetParam();
  EXPECT_EQ(text::ToUtf8(ReduceByWindowRule(c.caption)), text::ToUtf8(c.by_window_rule));
  EXPECT_EQ(text::ToUtf8(ReduceByNameRule(c.caption)), text::ToUtf8(c.by_name_rule));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, TabNames,
    ::testing::Values(
        // Both markers give the module name with the blank that stood before the marker.
        NameCase{u"Project1 - Module1 (Code)", u"Module1 ", u"Module1 "},
        NameCase{u"Project1 - Module1 (代码)", u"Module1 ", u"Module1 "},
        NameCase{u"VBAProject - 模块1 (代码)", u"模块1 ", u"模块1 "},
        // Without " - " the reduced text stays whole.
        NameCase{u"Module1 (Code)", u"Module1 ", u"Module1 "},
        NameCase{u"Immediate", u"Immediate", u"Immediate"},
        // Without a marker the name rule takes the whole caption and still meets the tab.
        NameCase{u"Project1 - Form1", u"Form1", u"Form1"},
        // The rules differ on an inner " - ": the window rule drops every one of them.
        NameCase{u"P - A - B (Code)", u"AB ", u"A - B "}, NameCase{u"", u"", u""}));

}  // namespace
}  // namespace tessaly::tabs
