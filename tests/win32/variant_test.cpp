#include "win32/variant.h"

#include <gtest/gtest.h>

#include <string>

#include "host/host_error.h"

namespace tessaly::win32 {
namespace {

// The editor's values reach the core as text the way VBA's CStr makes it; what has no text is
// a refusal of the host, not a crash.
TEST(VariantTest, ValuesBecomeTextAsTheEditorsRuntimeConvertsThem) {
  EXPECT_EQ(Variant(std::u16string(u"模块一")).ToString(), u"模块一");
  EXPECT_EQ(Variant(std::int32_t{-42}).ToString(), u"-42");
  EXPECT_EQ(Variant(true).ToString(), u"True");
  EXPECT_EQ(Variant(std::u16string(u"17")).ToInt32(), 17);
  EXPECT_THROW(Variant(std::u16string(u"十七")).ToInt32(), host::HostError);
}

}  // namespace
}  // namespace tessaly::win32
