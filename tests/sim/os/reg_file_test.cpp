#include "sim/os/reg_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/registry.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

std::vector<std::uint8_t> Utf16File(std::u16string_view text) {
  std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return bytes;
}

std::u16string FileText(const std::vector<std::uint8_t>& bytes) {
  EXPECT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
  }
  return text;
}

std::vector<std::uint8_t> Sz(std::u16string_view text) {
  auto bytes = Utf16File(text);
  bytes.erase(bytes.begin(), bytes.begin() + 2);
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

TEST(RegFile, RoundTripsByteForByte) {
  const std::u16string original =
      u"Windows Registry Editor Version 5.00\r\n"
      u"\r\n"
      u"[HKEY_CURRENT_USER\\Software]\r\n"
      u"\r\n"
      u"[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\ZOTA\\QWIX]\r\n"
      u"\"功能菜单\"=\"1\"\r\n"
      u"\"鼠标滚轮\"=\"0\"\r\n"
      u"@=\"\"\r\n"
      u"\"q\\\"uote\\\\\"=\"\\\\\\\"\"\r\n"
      u"\r\n"
      u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\X]\r\n"
      u"\"L\"=hex(7):61,00,62,00,63,00,00,00,64,00,00,00,00,00,65,00,66,00,67,00,68,00,\\\r\n"
      u"  69,00,6a,00,00,00\r\n"
      u"\"N\"=hex(0):\r\n"
      u"\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
      u"\r\n";
  RegistryTree tree;
  ParseRegFile(Utf16File(original), "round.reg", tree);
  EXPECT_EQ(FileText(FormatRegFile(tree)), original);
  const auto* settings = tree.Root(host::kCurrentUser)
                             ->FindChild(u"software")
                             ->FindChild(u"VB and VBA Program Settings")
                             ->FindChild(u"zota")
                             ->FindChild(u"QWIX");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->FindValue(u"功能菜单")->data, Sz(u"1"));
  EXPECT_EQ(settings->FindValue(u"")->data, Sz(u""));
  EXPECT_EQ(settings->FindValue(u"q\"uote\\")->data, Sz(u"\\\""));
}

}  // namespace
}  // namespace tessaly::sim
