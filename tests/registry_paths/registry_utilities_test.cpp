#include <gtest/gtest.h>

#include "registry_paths/get_key_value.h"
#include "registry_paths/help.h"
#include "registry_paths/reg_key_to_num.h"
#include "registry_paths/reg_path_split.h"
#include "registry_paths/registry_utilities.h"
#include "registry_paths/set_key_value.h"
#include "sim/os/sim_os.h"
#include "sim/os/sim_system_services.h"
#include "text/utf.h"

namespace tessaly::registry_paths {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char16_t kAddinKey[] = u"Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect";
constexpr char16_t kAddinPath[] =
    u"HKEY_CURRENT_USER\\Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect\\";

class KeyValueTest : public ::testing::Test {
 protected:
  sim::SimOs os_;
  sim::SimRegistry& registry_ = os_.registry();
  sim::SimSystemServices& system_ = os_.system();

  bool Set(const std::u16string& name, const VbValue& value, const std::u16string& type = u"",
           std::int32_t flag = 0) {
    return SetKeyValue(registry_, system_, kAddinPath + name, value, type, flag);
  }
  VbValue Get(const std::u16string& name, const std::u16string& type = u"", std::int32_t flag = 0) {
    return GetKeyValue(registry_, system_, kAddinPath + name, type, flag);
  }
  std::optional<sim::RegistryValue> Stored(const std::u16string& name) {
    return registry_.Value(host::kCurrentUser, kAddinKey, name);
  }
};

// Each row writes a value as one type (by number or by either name) and reads it back as
// another; the stored type and bytes are checked where given. Reading a string value reserves
// its text first; without the reserve the text is the same.
TEST_F(KeyValueTest, TheWrittenAndTheRequestedTypeDecideTheBytesAndTheirReading) {
  system_.SetEnvironmentVariable(u"SystemRoot", u"C:\\Windows");
  const std::u16string text = u"中文 \"引号\" C:\\路径 ✓ \U0001F600",
                       expand = u" %SystemRoot%\\a\r\n ";
  const std::u16string long_text(5000, u'长');  // longer than the query buffer
  const std::vector<std::u16string> list{u"甲", u"", u"c"}, none;
  const std::vector<double> bin{0, 10, 255, 171};
  // clang-format off
  const struct {
    std::u16string name; VbValue value; std::u16string write_as, read_as; VbValue read;
    std::uint32_t type = 0;  // 0: not checked
    Bytes data = {};         // empty: not checked
  } rows[] = {
      {u"FriendlyName", u"QWIX", u"1", u"", u"QWIX", host::kRegSz, {'Q', 0, 'W', 0, 'I', 0, 'X', 0, 0, 0}},
      {u"LoadBehavior", 3.0, u"4", u"REG_DWORD", 3.0, host::kRegDword, {3, 0, 0, 0}},
      {u"D", u"3", u"RD", u"RD", 3.0, 0, {3, 0, 0, 0}}, {u"D", 0.0, u"RD", u"RD", 0.0, 0, {0, 0, 0, 0}},
      {u"D", 2.5, u"RD", u"RD", 2.0, 0, {2, 0, 0, 0}}, {u"D", 4294967295.0, u"RD", u"RD", 4294967295.0, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
      {u"D", 305419896.0, u"RD", u"RD", 305419896.0, 0, {0x78, 0x56, 0x34, 0x12}},
      {u"名称", text, u"RS", u"", text}, {u"", u"默认值", u"", u"", u"默认值"},
      {u"Padded", u"  x  ", u"", u"", u"x"}, {u"Number", 2.5, u"", u"", u"2.5"},
      {u"Long", long_text, u"", u"", long_text},
      {u"Exp", expand, u"RE", u"RE", u"C:\\Windows\\a", host::kRegExpandSz},
      {u"Exp", expand, u"RE", u"RS", u"%SystemRoot%\\a\r\n"},
      {u"Bin", bin, u"REG_BINARY", u"RB", u"00 0A FF AB", host::kRegBinary, {0x00, 0x0A, 0xFF, 0xAB}},
      {u"Bin", bin, u"RB", u"RD", static_cast<double>(0xABFF0A00u)},
      {u"Bin", bin, u"RB", u"9", VbValue{}},
      {u"TextBin", u"a中", u"RB", u"RB", u"61 D6 D0", host::kRegBinary, {'a', 0xD6, 0xD0}},
      {u"TextBin", u"a中", u"RB", u"RD", static_cast<double>(0xD0D661u)},  // three bytes, padded
      {u"Short", 4.0, u"RD", u"RS", u"\u0004"},
      {u"List", list, u"RM", u"RM", list, host::kRegMultiSz, {0x32, 0x75, 0, 0, 0, 0, 'c', 0, 0, 0, 0, 0}},
      {u"OneText", u"a", u"RM", u"RM", std::vector<std::u16string>{u"a"}, 7, {'a', 0, 0, 0, 0, 0}},
      {u"NoItems", none, u"RM", u"RM", none},
      {u"ZeroEnded", std::u16string(u"a\0", 2), u"RM", u"RM", std::vector<std::u16string>{u"a"}, 7, {'a', 0, 0, 0, 0, 0}},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(text::ToUtf8(row.name + u" as " + row.read_as));
    EXPECT_TRUE(Set(row.name, row.value, row.write_as));
    EXPECT_EQ(Get(row.name, row.read_as), row.read);
    EXPECT_EQ(row.type ? Stored(row.name)->type : 0u, row.type);
    EXPECT_EQ(row.data.empty() ? Bytes{} : Stored(row.name)->data, row.data);
  }
  // The key's class is the decimal type of the write that created it; no handle stays open.
  EXPECT_EQ(registry_.KeyClass(host::kCurrentUser, kAddinKey), u"1");
  EXPECT_EQ(registry_.OpenHandleCount(), 0u);
  // A value the type cannot hold is refused before the key is made.
  // clang-format off
  const std::pair<VbValue, std::u16string> refused[] = {
      {-1.0, u"RD"}, {-0.25, u"RD"}, {4294967296.0, u"RD"}, {4294967295.5, u"RD"}, {u"abc", u"RD"},
      {std::vector<double>{1}, u"RD"}, {std::vector<double>{1, 256}, u"RB"}};
  // clang-format on
  for (const auto& [value, type] : refused) {
    EXPECT_FALSE(SetKeyValue(registry_, system_, u"HKCU\\Software\\T\\N", value, type));
    EXPECT_FALSE(registry_.KeyExists(host::kCurrentUser, u"Software\\T"));
  }
}

TEST_F(KeyValueTest, MissingPathsUnknownTypesAndViews) {
  EXPECT_EQ(Get(u"Nothing", u"RD"), VbValue(u""));
  // Only a whole path can be written; none of these can be read.
  const std::u16string paths[] = {u"HKCU\\Nowhere\\V", u"HKCU", u"HKCU\\", u"\\Software\\V",
                                  u"NOROOT\\Software\\V"};
  for (const auto& path : paths) {
    EXPECT_EQ(GetKeyValue(registry_, system_, path), VbValue(u"")) << text::ToUtf8(path);
    EXPECT_EQ(SetKeyValue(registry_, system_, path, u"x"), path == paths[0]) << text::ToUtf8(path);
  }
  EXPECT_FALSE(registry_.KeyExists(host::kCurrentUser, u"Software"));
  // An unknown type creates the key but writes nothing.
  EXPECT_FALSE(Set(u"V", u"x", u"abc"));
  EXPECT_EQ(registry_.KeyClass(host::kCurrentUser, kAddinKey), u"0");
  EXPECT_FALSE(Stored(u"V"));
  // The view flag picks the registry view; an unknown flag reads and writes nothing.
  const std::u16string path =
      u"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\CurrentBuild";
  EXPECT_TRUE(SetKeyValue(registry_, system_, path, u"22631", u"", 256));
  EXPECT_TRUE(SetKeyValue(registry_, system_, path, u"9600", u"", 512));
  EXPECT_EQ(GetKeyValue(registry_, system_, path), VbValue(u"22631"));
  EXPECT_EQ(GetKeyValue(registry_, system_, path, u"", 512), VbValue(u"9600"));
  EXPECT_FALSE(SetKeyValue(registry_, system_, path, u"1", u"", 1));
  EXPECT_EQ(GetKeyValue(registry_, system_, path, u"", 0x100000), VbValue(u""));
}

TEST(RegPathSplit, SplitsEachLayer) {
  using Layers = std::vector<std::u16string>;  // root, subkey, value name, both, whole, nothing
  // clang-format off
  const std::pair<std::u16string, Layers> cases[] = {
      // A plain path gives what its quoted and doubled forms below give.
      {u"HKCU\\Software\\Foo\\", {u"HKCU", u"Software\\Foo", u"", u"Software\\Foo\\", u"HKCU\\Software\\Foo\\", u""}},
      {u"HKCU\\Software", {u"HKCU", u"Software", u"Software", u"Software", u"HKCU\\Software", u""}},
      {u"\"HKCU\\Software\\Foo\\Bar\"", {u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar", u"HKCU\\Software\\Foo\\Bar", u""}},
      {u"HKCU\\\\Software\\\\Foo\\\\Bar", {u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar", u"HKCU\\Software\\Foo\\Bar", u""}},
      // Three backslashes: one pass leaves two.
      {u"HKCU\\\\\\A", {u"HKCU", u"", u"A", u"\\A", u"HKCU\\\\A", u""}},
      // A bare root with its backslash has no backslash left.
      {u"HKCU\\", {u"", u"", u"", u"", u"", u""}},
      // Two leading backslashes collapse like any other pair, and leave no root.
      {u"\\\\HKCU\\Software\\V", {u"", u"HKCU\\Software", u"V", u"HKCU\\Software\\V", u"\\HKCU\\Software\\V", u""}},
      {u"HKCU", {u"", u"", u"", u"", u"", u""}},
  };
  // clang-format on
  sim::SimSystemServices system;
  for (const auto& [path, layers] : cases) {
    Layers split;
    for (std::int32_t layer = 0; layer <= 5; ++layer)
      split.push_back(RegPathSplit(system, path, layer));
    EXPECT_EQ(split, layers) << text::ToUtf8(path);
  }
  EXPECT_EQ(RegPathSplit(system, u"HKCU\\Software\\V", -1), u"");
  EXPECT_TRUE(system.MessageBoxes().empty());
}

// The names are the code's own table; these rows show the case-blind look-up and the numbers.
TEST(RegKey2Num, TranslatesNamesInAnyCaseAndNumbers) {
  // clang-format off
  const std::pair<VbValue, std::uint32_t> cases[] = {
      {u"HkEyCu", 0x80000001u}, {u"key32", 512}, {u" 4 ", 4}, {u"2.5", 2}, {u"3.5", 4}, {u"abc", 0},
      {u"HKCU ", 0}, {u"99999999999", 0}, {-3.0, static_cast<std::uint32_t>(-3)}, {VbValue{}, 0},
      {std::vector<double>{1.0}, 0}};
  // clang-format on
  sim::SimSystemServices system;
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(static_cast<std::uint32_t>(RegKey2Num(system, cases[i].first)), cases[i].second) << i;
}

// Each function shows its own help for the exact question alone, in either width of question
// mark, and gives its empty result; the help's headings start at the margin, their lines indented.
TEST(RegistryUtilityHelp, OnlyTheExactQuestionShowsEachFunctionsHelpAndAnEmptyResult) {
  sim::SimOs os;
  auto& system = os.system();
  RegPathSplit(system, u"/? ", 0);
  RegKey2Num(system, u"/? ");
  EXPECT_EQ(RegKey2Num(system, u"/?"), 0);
  EXPECT_EQ(RegPathSplit(system, u"/？", 4), u"");
  EXPECT_TRUE(std::holds_alternative<std::monostate>(GetKeyValue(os.registry(), system, u"/?")));
  EXPECT_FALSE(SetKeyValue(os.registry(), system, u"/？", u"1", u"RS"));
  std::vector<std::u16string> captions;
  for (const auto& box : system.MessageBoxes()) {
    captions.push_back(box.caption);
    EXPECT_TRUE(box.text.starts_with(u"参数01必选[Reg") && box.style == host::kMbIconQuestion);
  }
  EXPECT_EQ(captions,
            (std::vector<std::u16string>{
                u"函数[RegKey2Num]注册表关键字转换值", u"函数[RegPathSplit]注册表长路径分解",
                u"函数[GetKeyValue]获取注册表键值", u"函数[SetKeyValue]设置注册表键值"}));
  EXPECT_EQ(HelpMessage(u"参数01必选[A]：|说明|参数02可选[B]：|x"),
            u"参数01必选[A]：\r\n   说明\r\n参数02可选[B]：\r\n   x");
}

}  // namespace
}  // namespace tessaly::registry_paths
