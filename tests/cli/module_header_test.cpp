#include "cli/module_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::cli {
namespace {

std::size_t HeaderOf(const std::vector<std::string>& lines) {
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  return CountHeaderLines(views);
}

TEST(ModuleHeader, CoversWhatTheEditorHides) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::size_t header;
  };
  const Case cases[] = {
      {"standard module",
       {"Attribute VB_Name = \"Module1\"", "Option Explicit", "Sub A()", "End Sub"},
       1},
      {"class",
       {"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
        "Attribute VB_Name = \"Class1\"", "Attribute VB_Exposed = False", "Option Explicit"},
       6},
      {"form with controls and objects",
       {"VERSION 5.00", "Object = \"{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0\"; \"x.OCX\"",
        "Begin VB.Form Form1", "   Caption = \"End\"", "   BeginProperty Font",
        "      Name = \"SimSun\"", "   EndProperty", "   Begin VB.CommandButton Command1",
        "      Caption = \"OK\"   ", "   End", "End", "Attribute VB_Name = \"Form1\"",
        "Private Sub Command1_Click()"},
       12},
      {"user form with blank lines before the attributes",
       {"VERSION 5.00", "Begin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} UserForm1", "End", "",
        "Attribute VB_Name = \"UserForm1\"", "", "Sub A()"},
       5},
      {"blank line after the header is code", {"Attribute VB_Name = \"M\"", "", "Sub A()"}, 1},
      {"designer block left open",
       {"VERSION 5.00", "Begin VB.Form F", "  Begin VB.Label L", "End"},
       4},
      {"no version line, so Begin is code", {"Begin x", "End"}, 0},
      {"plain code", {"Option Explicit", "Attribute x"}, 0},
      {"empty file", {}, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(HeaderOf(c.lines), c.header) << c.name;
}

// Every line of a module is asked, so most are turned away by their first byte: the keyword
// must open the line, in any case.
TEST(ModuleHeader, RecognisesMemberAttributes) {
  for (const char* line :
       {"Attribute Foo.VB_Description = \"说明\"", "Attribute Item.VB_UserMemId = 0",
        "attribute Foo.vb_UserMemId = 0", "ATTRIBUTE Foo.VB_Description = \"x\""})
    EXPECT_TRUE(IsMemberAttribute(line)) << line;
  for (const char* line :
       {"Attribute VB_Name = \"Module1\"", "Attribute = 1", "    Attribute Foo.VB_UserMemId = 0",
        "x = Attribute.VB_Foo", "", "A", "Attribute", "\tAttribute Foo.VB_UserMemId = 0",
        "Attributes Foo.VB_UserMemId = 0", "a = Foo.VB_UserMemId"})
    EXPECT_FALSE(IsMemberAttribute(line)) << line;
}

}  // namespace
}  // namespace tessaly::cli
