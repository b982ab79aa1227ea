#include "win32/variant.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstddef>
#include <string>

#include "host/host_error.h"

namespace tessaly::win32 {
namespace {

// The editor's values reach the core as VBA's CStr, CLng and CBool make them, whatever type the
// editor answered in; what has no such value is a refusal of the host, not a crash.
TEST(VariantTest, ValuesConvertAsTheEditorsRuntimeConvertsThem) {
  const Variant zero(std::int32_t{0}), minus_one(std::int32_t{-1}), seventeen(std::int32_t{17});
  const Variant no(false), yes(true), empty;
  const Variant digits(std::u16string(u"17")), true_name(std::u16string(u"True")),
      false_name(std::u16string(u"False")), zero_digit(std::u16string(u"0")),
      chinese(std::u16string(u"模块一"));
  // Numbers: their digits, themselves, and true unless 0.
  EXPECT_EQ(minus_one.ToString(), u"-1");
  EXPECT_EQ(seventeen.ToInt32(), 17);
  EXPECT_FALSE(zero.ToBool());
  EXPECT_TRUE(minus_one.ToBool());
  EXPECT_TRUE(seventeen.ToBool());
  // Booleans: their names, and -1 for true as VBA counts it.
  EXPECT_EQ(no.ToString(), u"False");
  EXPECT_EQ(yes.ToString(), u"True");
  EXPECT_EQ(no.ToInt32(), 0);
  EXPECT_EQ(yes.ToInt32(), -1);
  EXPECT_FALSE(no.ToBool());
  EXPECT_TRUE(yes.ToBool());
  // Text: itself, a number's digits a number, the Booleans' names a Boolean.
  EXPECT_EQ(chinese.ToString(), u"模块一");
  EXPECT_EQ(digits.ToInt32(), 17);
  EXPECT_TRUE(digits.ToBool());
  EXPECT_TRUE(true_name.ToBool());
  EXPECT_FALSE(false_name.ToBool());
  EXPECT_FALSE(zero_digit.ToBool());
  EXPECT_THROW(chinese.ToInt32(), host::HostError);
  EXPECT_THROW(chinese.ToBool(), host::HostError);
  // Nothing: empty text, 0, false.
  EXPECT_EQ(empty.ToString(), u"");
  EXPECT_EQ(empty.ToInt32(), 0);
  EXPECT_FALSE(empty.ToBool());
  // A copy answers as its original.
  const Variant copy(true_name);
  EXPECT_EQ(copy.ToString(), u"True");
  EXPECT_TRUE(copy.ToBool());
}

// The memory the process holds for itself (its commit charge; under Wine, its resident
// anonymous pages), where a text left uncleared stays.
std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  EXPECT_TRUE(K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)));
  return counters.PagefileUsage;
}

// Converted and copied, a value leaves nothing behind: an editor's text of 2 MB, read through
// a reference (a text that is not already a BSTR is converted into one) and copied forty
// times, would otherwise hold 80 MB at each leak. An assignment's VariantClear before its
// VariantCopy cannot leak when left out: VariantCopy clears what it writes over first.
TEST(VariantTest, ConversionsAndCopiesFreeWhatTheyMake) {
  Variant text(std::u16string(1 << 20, u'字'));
  Variant by_reference;
  by_reference.Get()->vt = VT_BSTR | VT_BYREF;
  by_reference.Get()->pbstrVal = &text.Get()->bstrVal;
  const std::size_t before = PrivateBytes();
  for (int round = 0; round < 40; ++round) {
    EXPECT_EQ(by_reference.ToString().size(), std::size_t{1} << 20);
    const Variant copy(text);
  }
  const std::size_t after = PrivateBytes();
  EXPECT_LT(after, before + (16 << 20)) << before << " bytes before, " << after << " after";
}

}  // namespace
}  // namespace tessaly::win32
