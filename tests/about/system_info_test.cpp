#include "about/system_info.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "about/os_name_table.h"
#include "sim/os/sim_os.h"
#include "text/utf.h"
#include "util/set_key_value.h"

namespace tessaly::about {
namespace {

constexpr char16_t kWmiCaption[] = u"Microsoft Windows 10 专业版";

class SystemInfo : public ::testing::Test {
 protected:
  void SetVersionValues(std::optional<std::u16string> current_version,
                        std::optional<std::u16string> current_build) {
    const std::u16string key = u"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    auto& system = os.system();
    if (current_version) {
      ASSERT_TRUE(util::SetKeyValue(os.registry(), system, key + u"CurrentVersion",
                                    *current_version, u"REG_SZ"));
    }
    if (current_build) {
      ASSERT_TRUE(util::SetKeyValue(os.registry(), system, key + u"CurrentBuild", *current_build,
                                    u"REG_SZ"));
    }
  }

  std::string OsName() { return text::ToUtf8(GetOSName(os.system(), os.registry())); }

  sim::SimOs os;
};

TEST_F(SystemInfo, EveryNamedRowOfTheTable) {
  os.system().SetWmiOsCaption(kWmiCaption);
  int named = 0;
  for (const auto& row : OsNameTable()) {
    if (std::u16string(row.name).empty()) continue;
    // Any major or minor stands for values the row does not name.
    os.system().SetVersion({row.platform, row.major.value_or(9), row.minor.value_or(77)});
    EXPECT_EQ(OsName(), text::ToUtf8(row.name));
    ++named;
  }
  EXPECT_EQ(named, 11);
}

struct VersionCase {
  host::OsVersion version;
  std::optional<std::u16string> current_version;
  std::optional<std::u16string> current_build;
  std::optional<std::u16string> wmi_caption;
  std::u16string expected;
};

// Names the case in test output; the default would print the struct's padding bytes.
void PrintTo(const VersionCase& c, std::ostream* out) {
  *out << c.version.platform << "." << c.version.major << "." << c.version.minor << " -> "
       << text::ToUtf8(c.expected);
}

class OsNameOf : public SystemInfo, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(OsNameOf, Version) {
  const auto& c = GetParam();
  os.system().SetVersion(c.version);
  os.system().SetWmiOsCaption(c.wmi_caption);
  SetVersionValues(c.current_version, c.current_build);
  EXPECT_EQ(OsName(), text::ToUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OsNameOf,
    ::testing::Values(VersionCase{{2, 6, 2}, u"6.1", std::nullopt, kWmiCaption, u"Windows 7"},
                      VersionCase{{2, 6, 2}, u"6.2", std::nullopt, kWmiCaption, u"Windows 8"},
                      VersionCase{{2, 6, 2}, u"6.3", u"19045", kWmiCaption, u"Windows 10"},
                      VersionCase{{2, 6, 2}, u"6.3", u"21995", kWmiCaption, u"Windows 10"},
                      VersionCase{{2, 6, 2}, u"6.3", u"21996", kWmiCaption, u"Windows 11"},
                      VersionCase{{2, 6, 2}, u"6.3", u"22631", kWmiCaption, u"Windows 11"},
                      // A build that cannot be read says nothing: the management service answers.
                      VersionCase{{2, 6, 2}, u"6.3", std::nullopt, kWmiCaption, kWmiCaption},
                      VersionCase{{2, 6, 2}, u"6.4", u"9800", kWmiCaption, kWmiCaption},
                      VersionCase{{2, 6, 2}, std::nullopt, std::nullopt, kWmiCaption, kWmiCaption},
                      // Not in the table.
                      VersionCase{{2, 10, 0}, u"6.3", u"19045", kWmiCaption, kWmiCaption},
                      VersionCase{{3, 1, 0}, std::nullopt, std::nullopt, kWmiCaption, kWmiCaption},
                      // Every source fails.
                      VersionCase{{2, 10, 0}, std::nullopt, std::nullopt, std::nullopt, u"Windows"},
                      VersionCase{{2, 6, 2}, std::nullopt, std::nullopt, u"", u"Windows"}));

TEST_F(SystemInfo, WmiCaptionIsEmptyWhenTheQueryFails) {
  os.system().SetWmiOsCaption(std::nullopt);
  EXPECT_EQ(GetWmiOSCaption(os.system()), u"");
  os.system().SetWmiOsCaption(kWmiCaption);
  EXPECT_EQ(GetWmiOSCaption(os.system()), kWmiCaption);
}

struct BitsCase {
  const char* label;
  std::optional<bool> wow64;  // absent: the system has no IsWow64Process
  bool process_64bit;
  std::optional<std::u16string> architecture;
  std::int32_t os_bits;
  std::int32_t app_bits;
};

void PrintTo(const BitsCase& c, std::ostream* out) {
  *out << c.label;
}

class Bits : public SystemInfo, public ::testing::WithParamInterface<BitsCase> {};

TEST_P(Bits, OfSystemAndHost) {
  const auto& c = GetParam();
  os.system().SetWow64(c.wow64);
  os.system().SetIs64BitProcess(c.process_64bit);
  if (c.architecture) {
    os.system().SetEnvironmentVariable(u"PROCESSOR_ARCHITECTURE", *c.architecture);
  } else {
    os.system().RemoveEnvironmentVariable(u"PROCESSOR_ARCHITECTURE");
  }
  EXPECT_EQ(GetOSBits(os.system()), c.os_bits) << c.label;
  EXPECT_EQ(GetAppBits(os.system()), c.app_bits) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Processes, Bits,
    ::testing::Values(BitsCase{"32-bit host on a 64-bit system", true, false, u"x86", 64, 32},
                      BitsCase{"32-bit system", false, false, u"x86", 32, 32},
                      BitsCase{"64-bit host", false, true, u"AMD64", 64, 64},
                      BitsCase{"no IsWow64Process", std::nullopt, false, u"x86", 32, 32},
                      BitsCase{"32-bit host on ARM", true, false, u"x86", 64, 32},
                      BitsCase{"64-bit host on ARM", false, true, u"ARM64", 64, 64},
                      BitsCase{"no variable, 64-bit host", false, true, std::nullopt, 64, 64},
                      BitsCase{"no variable, 32-bit host", true, false, std::nullopt, 64, 32}));

}  // namespace
}  // namespace tessaly::about
