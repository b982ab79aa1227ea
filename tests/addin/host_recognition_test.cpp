#include "addin/host_recognition.h"

#include <gtest/gtest.h>

#include "addin/vb_conversion.h"

namespace tessaly::addin {
namespace {

TEST(HostRecognition, AcceptsTheFiveEditorsBelowVersionTen) {
  struct Row {
    const char16_t* name;
    const char16_t* version;
    bool accepted;
    const char16_t* mode;
  };
  const Row rows[] = {
      // clang-format off
      {u"Microsoft Visual Basic", u"6.00", true, u"VB6"},
      {u"Microsoft Excel", u"7.01", true, u"VBA"}, {u"Microsoft Word", u"7.1", true, u"VBA"},
      {u"Microsoft Access", u"9.99", true, u"VBA"},
      {u"Microsoft PowerPoint", u"7.01", true, u"VBA"},
      {u"Microsoft Excel", u"10.0", false, u"VBA"}, {u"Microsoft Excel", u"16.0", false, u"VBA"},
      // clang-format on
      {u"microsoft excel", u"7.01", false, u"VBA"},  // the comparison is case-sensitive
      {u"Microsoft Excel ", u"7.01", false, u"VBA"},
      {u"Microsoft Outlook", u"7.01", false, u"VBA"},
      {u"Microsoft Excel", u"", false, u"VBA"},  // an unreadable version is never accepted
      {u"Microsoft Excel", u"seven", false, u"VBA"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name, row.name + std::char_traits<char16_t>::length(row.name)));
    EXPECT_EQ(IsAcceptedHost(row.name, row.version), row.accepted);
    EXPECT_EQ(HostModeOf(row.name), row.mode);
  }
}

// The number parser after the trim skips blanks and tabs of its own, so a trim of the end that
// stops early changes no number read.
TEST(VbConversion, ReadsSettingTextsAsTheRuntimeDoes) {
  EXPECT_EQ(ToNumber(u" 1 "), 1.0);
  EXPECT_EQ(ToNumber(u"\t1\t"), 1.0);  // tabs are blanks too, at either end
  EXPECT_EQ(ToNumber(u"7\t\t"), 7.0);
  EXPECT_EQ(ToNumber(u"2.5"), 2.5);
  EXPECT_EQ(ToNumber(u"-3"), -3.0);
  EXPECT_EQ(ToNumber(u"&H10"), 16.0);
  EXPECT_EQ(ToNumber(u"&HFFFFFFFF"), -1.0);
  EXPECT_FALSE(ToNumber(u""));
  EXPECT_FALSE(ToNumber(u"abc"));
  EXPECT_FALSE(ToNumber(u"1x"));
  EXPECT_FALSE(ToNumber(u"inf"));
  EXPECT_FALSE(ToNumber(u"０"));  // full-width digits are not numbers

  EXPECT_EQ(ToWholeNumber(u"5"), 5);
  EXPECT_EQ(ToWholeNumber(u"0.5"), 0);  // half to even
  EXPECT_EQ(ToWholeNumber(u"1.5"), 2);
  EXPECT_EQ(ToWholeNumber(u"2.5"), 2);
  EXPECT_FALSE(ToWholeNumber(u"99999999999"));

  EXPECT_EQ(ToBoolean(u"1"), true);
  EXPECT_EQ(ToBoolean(u"0"), false);
  EXPECT_EQ(ToBoolean(u"-1"), true);
  EXPECT_EQ(ToBoolean(u"5"), true);
  EXPECT_EQ(ToBoolean(u"True"), true);
  EXPECT_EQ(ToBoolean(u"false"), false);
  EXPECT_FALSE(ToBoolean(u"yes"));
}

TEST(ProgramInfoTest, NamesTheProgramOnlyForAKnownEditor) {
  EXPECT_EQ(GetProgramInfo(nullptr), ProgramInfo{});
}

}  // namespace
}  // namespace tessaly::addin
