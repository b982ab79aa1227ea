#include "sim/os/sim_os.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace tessaly::sim {
namespace {

TEST(SimOs, SettingsLiveInTheRegistryFileAcrossSessions) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("tessaly-simos-" + std::to_string(::getpid()) + ".reg");
  std::filesystem::remove(file);
  {
    SimOs os(file);
    host::Os services = os.Os();
    services.settings.SaveSetting(u"ZOTA", u"QWIX", u"多标签页", u"0");
    EXPECT_EQ(&services.registry, &os.registry());
    EXPECT_EQ(&services.loop, &os.loop());
  }
  SimOs again(file);
  EXPECT_EQ(again.Os().settings.GetSetting(u"ZOTA", u"QWIX", u"多标签页", u"1"), u"0");
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace tessaly::sim
