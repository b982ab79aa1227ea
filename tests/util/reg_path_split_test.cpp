#include "util/reg_path_split.h"

#include <gtest/gtest.h>

#include "sim/os/sim_system_services.h"
#include "text/utf.h"

namespace tessaly::util {
namespace {

TEST(RegPathSplit, SplitsEachLayer) {
  const struct {
    std::u16string path;
    std::u16string root, subkey, value_name, subkey_and_value, whole;
  } cases[] = {
      {u"HKCU\\Software\\Foo\\Bar", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      {u"HKCU\\Software\\Foo\\", u"HKCU", u"Software\\Foo", u"", u"Software\\Foo\\",
       u"HKCU\\Software\\Foo\\"},
      {u"HKCU\\Software", u"HKCU", u"Software", u"Software", u"Software", u"HKCU\\Software"},
      {u"\"HKCU\\Software\\Foo\\Bar\"", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      {u"HKCU\\\\Software\\\\Foo\\\\Bar", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      // Three backslashes: one pass leaves two.
      {u"HKCU\\\\\\A", u"HKCU", u"", u"A", u"\\A", u"HKCU\\\\A"},
      {u"HKEY_LOCAL_MACHINE\\SOFTWARE\\中文\\名称", u"HKEY_LOCAL_MACHINE", u"SOFTWARE\\中文",
       u"名称", u"SOFTWARE\\中文\\名称", u"HKEY_LOCAL_MACHINE\\SOFTWARE\\中文\\名称"},
      // A bare root with its backslash has no backslash left.
      {u"HKCU\\", u"", u"", u"", u"", u""},
      {u"HKCU", u"", u"", u"", u"", u""},
      {u"", u"", u"", u"", u"", u""},
  };
  sim::SimSystemServices system;
  for (const auto& c : cases) {
    SCOPED_TRACE(text::ToUtf8(c.path));
    EXPECT_EQ(RegPathSplit(system, c.path, 0), c.root);
    EXPECT_EQ(RegPathSplit(system, c.path, 1), c.subkey);
    EXPECT_EQ(RegPathSplit(system, c.path, 2), c.value_name);
    EXPECT_EQ(RegPathSplit(system, c.path, 3), c.subkey_and_value);
    EXPECT_EQ(RegPathSplit(system, c.path, 4), c.whole);
    EXPECT_EQ(RegPathSplit(system, c.path, 5), u"");
    EXPECT_EQ(RegPathSplit(system, c.path, -1), u"");
  }
  EXPECT_TRUE(system.MessageBoxes().empty());
}

}  // namespace
}  // namespace tessaly::util
