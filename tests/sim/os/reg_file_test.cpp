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

TEST(RegFile, WritesEachValueKindAsRegeditDoes) {
  RegistryTree tree;
  auto& key = tree.Root(host::kCurrentUser)->AddChild(u"Software").AddChild(u"测试");
  key.set_listed(true);
  key.SetValue({u"", host::kRegSz, Sz(u"默认")});
  key.SetValue({u"Path", host::kRegSz, Sz(u"C:\\Program Files\\\"Q\"")});
  key.SetValue({u"Empty", host::kRegSz, Sz(u"")});
  key.SetValue({u"名\"称\\", host::kRegSz, Sz(u"值")});
  key.SetValue({u"LoadBehavior", host::kRegDword, {3, 0, 0, 0}});
  key.SetValue({u"Big", host::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}});
  key.SetValue({u"Bin", host::kRegBinary, {0x00, 0xAB, 0x10}});
  key.SetValue({u"NoBytes", host::kRegBinary, {}});
  key.SetValue({u"Exp", host::kRegExpandSz, Sz(u"%A%")});
  key.SetValue({u"Multi", host::kRegMultiSz, {'a', 0, 0, 0, 0, 0}});
  key.SetValue({u"Lines", host::kRegSz, Sz(u"a\r\nb")});

  EXPECT_EQ(FileText(FormatRegFile(tree)),
            u"Windows Registry Editor Version 5.00\r\n"
            u"\r\n"
            u"[HKEY_CURRENT_USER\\Software\\测试]\r\n"
            u"@=\"默认\"\r\n"
            u"\"Path\"=\"C:\\\\Program Files\\\\\\\"Q\\\"\"\r\n"
            u"\"Empty\"=\"\"\r\n"
            u"\"名\\\"称\\\\\"=\"值\"\r\n"
            u"\"LoadBehavior\"=dword:00000003\r\n"
            u"\"Big\"=dword:ffffffff\r\n"
            u"\"Bin\"=hex:00,ab,10\r\n"
            u"\"NoBytes\"=hex:\r\n"
            u"\"Exp\"=hex(2):25,00,41,00,25,00,00,00\r\n"
            u"\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
            u"\"Lines\"=hex(1):61,00,0d,00,0a,00,62,00,00,00\r\n"
            u"\r\n");
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
