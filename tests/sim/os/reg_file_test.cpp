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

TEST(RegFile, WrapsLongHexDataAtRegeditsWidth) {
  RegistryTree tree;
  auto& key = tree.Root(host::kCurrentUser)->AddChild(u"K");
  std::vector<std::uint8_t> data(60);
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<std::uint8_t>(i);
  key.SetValue({u"V", host::kRegBinary, data});
  const auto text = FileText(FormatRegFile(tree));
  const auto value_start = text.find(u"\"V\"=");
  const auto lines = text.substr(value_start);
  // "V"=hex: is 8 characters, so the first line takes 23 bytes, the next 25.
  EXPECT_EQ(lines.substr(0, lines.find(u"\r\n")),
            u"\"V\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\");
  const auto second = lines.substr(lines.find(u"\r\n") + 2);
  EXPECT_EQ(second.substr(0, second.find(u"\r\n")),
            u"  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f,\\");
  RegistryTree back;
  ParseRegFile(FormatRegFile(tree), "wrap.reg", back);
  EXPECT_EQ(back.Root(host::kCurrentUser)->FindChild(u"K")->FindValue(u"V")->data, data);
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

TEST(RegFile, ReadsUtf8AndLineFeedFilesToo) {
  const std::string utf8 =
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n\n"
      "; a comment\n"
      "[HKEY_USERS\\.DEFAULT\\名]\n"
      "  \"A\"=dword:0000000A\n";
  RegistryTree tree;
  ParseRegFile(std::vector<std::uint8_t>(utf8.begin(), utf8.end()), "u.reg", tree);
  EXPECT_EQ(
      tree.Root(host::kUsers)->FindChild(u".DEFAULT")->FindChild(u"名")->FindValue(u"a")->data,
      (std::vector<std::uint8_t>{10, 0, 0, 0}));
}

TEST(RegFile, ReportsTheLineOfEachKindOfDamage) {
  const struct {
    std::u16string body;
    std::string message;
  } cases[] = {
      {u"Windows Registry Editor Version 4.00\r\n", "bad.reg:1: "},
      {u"Windows Registry Editor Version 5.00\r\n\r\n\"A\"=\"1\"\r\n", "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_NOWHERE\\A]\r\n", "bad.reg:2: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A\r\n", "bad.reg:2: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A\\\\B]\r\n", "bad.reg:2: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\"A\"=dword:1x\r\n",
       "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\"A\"=\"x\r\n", "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\"A\"=\"a\\nb\"\r\n",
       "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\r\n\"A\"=hex:01,\\\r\n  "
       u"zz\r\n",
       "bad.reg:4: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\"A\"=hex:100\r\n",
       "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\n\"A\"=-\r\n", "bad.reg:3: "},
      {u"Windows Registry Editor Version 5.00\r\n[HKEY_USERS\\A]\r\nA=1\r\n", "bad.reg:3: "},
  };
  for (const auto& c : cases) {
    RegistryTree tree;
    try {
      ParseRegFile(Utf16File(c.body), "bad.reg", tree);
      ADD_FAILURE() << "accepted: " << text::ToUtf8(c.body);
    } catch (const std::runtime_error& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(c.message))
          << error.what() << " for " << text::ToUtf8(c.body);
    }
  }
}

}  // namespace
}  // namespace tessaly::sim
