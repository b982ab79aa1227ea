#include "about/system_info.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/os/sim_os.h"
#include "text/utf.h"
#include "util/set_key_value.h"

namespace tessaly::about {
namespace {

constexpr char16_t kWmiCaption[] = u"Microsoft Windows 10 专业版";

struct VersionCase {
  host::OsVersion version;
  std::optional<std::u16string> current_version;
  std::optional<std::u16string> current_build;
  std::optional<std::u16string> wmi_caption;
  std::u16string expected;
};

// The table's rows, the registry's version and build for Windows 8 and later, and the management
// service's caption when neither names the system.
TEST(SystemInfo, NamesTheSystem) {
  const VersionCase cases[] = {
      {{2, 6, 2}, u"6.1", std::nullopt, kWmiCaption, u"Windows 7"},
      {{2, 6, 2}, u"6.2", std::nullopt, kWmiCaption, u"Windows 8"},
      {{2, 6, 2}, u"6.3", u"19045", kWmiCaption, u"Windows 10"},
      {{2, 6, 2}, u"6.3", u"21995", kWmiCaption, u"Windows 10"},
      {{2, 6, 2}, u"6.3", u"21996", kWmiCaption, u"Windows 11"},
      {{2, 6, 2}, u"6.3", u"22631", kWmiCaption, u"Windows 11"},
      // A build that cannot be read says nothing: the management service answers.
      {{2, 6, 2}, u"6.3", std::nullopt, kWmiCaption, kWmiCaption},
      {{2, 6, 2}, u"6.4", u"9800", kWmiCaption, kWmiCaption},
      {{2, 6, 2}, std::nullopt, std::nullopt, kWmiCaption, kWmiCaption},
      // Not in the table.
      {{2, 10, 0}, u"6.3", u"19045", kWmiCaption, kWmiCaption},
      {{3, 1, 0}, std::nullopt, std::nullopt, kWmiCaption, kWmiCaption},
      // Every source fails.
      {{2, 10, 0}, std::nullopt, std::nullopt, std::nullopt, u"Windows"},
      {{2, 6, 2}, std::nullopt, std::nullopt, u"", u"Windows"}};
  const std::u16string key = u"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
  for (const auto& c : cases) {
    sim::SimOs os;
    os.system().SetVersion(c.version);
    os.system().SetWmiOsCaption(c.wmi_caption);
    if (c.current_version)
      util::SetKeyValue(os.registry(), os.system(), key + u"CurrentVersion", *c.current_version);
    if (c.current_build)
      util::SetKeyValue(os.registry(), os.system(), key + u"CurrentBuild", *c.current_build);
    EXPECT_EQ(GetOSName(os.system(), os.registry()), c.expected)
        << c.version.major << "." << c.version.minor;
    EXPECT_EQ(GetWmiOSCaption(os.system()), c.wmi_caption.value_or(u""));
  }
}

struct BitsCase {
  const char* label;
  std::optional<bool> wow64;  // absent: the system has no IsWow64Process
  bool process_64bit;
  std::optional<std::u16string> architecture;
  std::int32_t os_bits;
  std::int32_t app_bits;
};

TEST(SystemInfo, BitsOfSystemAndHost) {
  const BitsCase cases[] = {{"32-bit host on a 64-bit system", true, false, u"x86", 64, 32},
                            {"32-bit system", false, false, u"x86", 32, 32},
                            {"64-bit host", false, true, u"AMD64", 64, 64},
                            {"no IsWow64Process", std::nullopt, false, u"x86", 32, 32},
                            {"32-bit host on ARM", true, false, u"x86", 64, 32},
                            {"64-bit host on ARM", false, true, u"ARM64", 64, 64},
                            {"no variable, 64-bit host", false, true, std::nullopt, 64, 64},
                            {"no variable, 32-bit host", true, false, std::nullopt, 64, 32}};
  for (const auto& c : cases) {
    sim::SimOs os;
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
}

}  // namespace
}  // namespace tessaly::about
