#include "tabs/tab_names.h"

#include <gtest/gtest.h>

#include "text/utf.h"

namespace tessaly::tabs {
namespace {

TEST(TabNames, ReduceACaptionByBothRules) {
  const struct {
    std::u16string caption;
    std::u16string by_window_rule;
    std::u16string by_name_rule;
  } cases[] = {// Both markers give the module name with the blank that stood before the marker.
               {u"Project1 - Module1 (Code)", u"Module1 ", u"Module1 "},
               {u"Project1 - Module1 (代码)", u"Module1 ", u"Module1 "},
               {u"VBAProject - 模块1 (代码)", u"模块1 ", u"模块1 "},
               // Without " - " the reduced text stays whole.
               {u"Module1 (Code)", u"Module1 ", u"Module1 "},
               {u"Immediate", u"Immediate", u"Immediate"},
               // Without a marker the name rule takes the whole caption and still meets the tab.
               {u"Project1 - Form1", u"Form1", u"Form1"},
               // The rules differ on an inner " - ": the window rule drops every one of them.
               {u"P - A - B (Code)", u"AB ", u"A - B "},
               {u"", u"", u""}};
  for (const auto& c : cases) {
    EXPECT_EQ(text::ToUtf8(ReduceByWindowRule(c.caption)), text::ToUtf8(c.by_window_rule));
    EXPECT_EQ(text::ToUtf8(ReduceByNameRule(c.caption)), text::ToUtf8(c.by_name_rule));
  }
}

}  // namespace
}  // namespace tessaly::tabs
