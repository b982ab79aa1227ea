// Where the simulated OS must be as strict as Windows, for the features' tests to mean anything:
// a registry that keeps what it is given in a file as regedit writes it, and messages and timers
// that come in the order and at the time Windows gives them.

#include "sim/os/sim_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "host/registry.h"
#include "sim/os/reg_file.h"
#include "sim/os/sim_message_loop.h"
#include "sim/os/sim_os.h"
#include "sim/os/sim_system_services.h"
#include "sim/os/utf16_bytes.h"
#include "support/cli_fixture.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

namespace fs = std::filesystem;

using test_support::TempFolder;
using testing::Sz;
using testing::Utf16File;

std::int32_t Write(SimRegistry& registry, const std::u16string& subkey, const std::u16string& name,
                   const std::vector<std::uint8_t>& data, std::uint32_t type = host::kRegSz) {
  host::RegistryKey key = 0;
  auto status = registry.CreateKey(host::kCurrentUser, subkey, u"", host::kKeyAllAccess, key);
  if (status != host::kRegSuccess) return status;
  status = registry.SetValue(key, name, type, data);
  registry.CloseKey(key);
  return status;
}

// Every change goes through to the file at once; a change the file refuses is undone, in the
// tree and in the file, and nothing but the file is left in its folder.
TEST(SimRegistry, WritesEveryChangeThroughToItsFileAndUndoesOneTheFileRefuses) {
  TempFolder folder;
  const auto file = folder.Path() / "registry.reg";
  EXPECT_THAT([&] { SimRegistry{folder.Path()}; },
              ::testing::ThrowsMessage<std::runtime_error>(
                  ::testing::HasSubstr("cannot be read as a registry file")));
  const std::u16string key = u"Software\\中文键";
  const auto text = Sz(u"值 \"引号\" \\反斜杠\\");
  {
    SimRegistry registry(file);
    ASSERT_EQ(Write(registry, key, u"名字", text), 0);
    ASSERT_EQ(Write(registry, key, u"N", {3, 0, 0, 0}, host::kRegDword), 0);
  }
  const auto bytes = files::ReadWholeFile(file);
  SimRegistry registry(file);
  EXPECT_EQ(registry.Value(host::kCurrentUser, u"SOFTWARE\\中文键", u"名字")->data, text);
  ASSERT_EQ(Write(registry, key, u"N", {3, 0, 0, 0}, host::kRegDword), 0);
  EXPECT_EQ(files::ReadWholeFile(file), bytes) << "the same value again, the same bytes";

  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(Write(registry, key, u"名字", Sz(u"new")), host::kRegAccessDenied);
  EXPECT_EQ(Write(registry, u"New\\Deep", u"V", Sz(u"new")), host::kRegAccessDenied);
  EXPECT_EQ(registry.Value(host::kCurrentUser, key, u"名字")->data, text);
  EXPECT_FALSE(registry.KeyExists(host::kCurrentUser, u"New"));
  EXPECT_EQ(files::ReadWholeFile(file), bytes);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Write(registry, key, u"N", Sz(u"new")), 0);
  EXPECT_EQ(SimRegistry(file).Value(host::kCurrentUser, key, u"N")->data, Sz(u"new"));
}

// A file as regedit writes it comes back byte for byte.
TEST(RegFile, RoundTripsByteForByte) {
  const std::u16string original =
      u"Windows Registry Editor Version 5.00\r\n"
      u"\r\n"
      u"[HKEY_CURRENT_USER\\Software]\r\n"
      u"\r\n"
      u"[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\ZOTA\\QWIX]\r\n"
      u"\"功能菜单\"=\"1\"\r\n"
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
  EXPECT_EQ(FormatRegFile(tree), Utf16File(original));
  // A file written by hand in UTF-8, with or without its mark, reads as the same tree.
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    const auto utf8 = mark + text::ToUtf8(original);
    RegistryTree read;
    ParseRegFile(std::vector<std::uint8_t>(utf8.begin(), utf8.end()), "utf8.reg", read);
    EXPECT_EQ(FormatRegFile(read), Utf16File(original)) << mark.size();
  }
}

// Each line regedit would not read, refused with its line and why; a file that is neither
// UTF-16 nor UTF-8, or is no registry file, at line 1.
TEST(RegFile, RefusesEachMalformedLineNamingItAndWhy) {
  const std::u16string head = u"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\K]\r\n";
  const struct {
    std::u16string line;
    const char* reason;
  } lines[] = {
      {u"\"a\"x\"v\"", "expected \"name\"= or @="},
      {u"\"b\"=hex:0g", "invalid hex digit"},
      {u"\"c\"=hex:123", "invalid byte in hex data"},
      {u"\"c\"=hex:01,,02", "invalid byte in hex data"},
      {u"\"d\"=\"abc", "string is not enclosed in double quotes"},
      {u"\"e\"=\"a\\x\"", "unknown escape in string"},
      {u"\"f\"=\"a\"b\"", "unescaped double quote in string"},
      {u"\"g\"=dword:123456789", "dword needs 1 to 8 hex digits"},
      {u"\"g\"=dword:", "dword needs 1 to 8 hex digits"},
      {u"\"h\"=hex(7:00", "invalid hex(type)"},
      {u"\"i\"=hexx", "hex data without ':'"},
      {u"\"j\"=-", "value deletions are not supported"},
      {u"\"\"=\"x\"", "empty value name (the default value is @)"},
      {u"\"k\"=wobble", "unknown value data"},
      {u"[-HKEY_CURRENT_USER\\K]", "key deletions are not supported"},
      {u"[HKEY_NOWHERE\\K]", "unknown root key"},
      {u"[HKEY_CURRENT_USER\\\\K]", "empty key name in path"},
      {u"[HKEY_CURRENT_USER\\K] x", "key line does not end with ']'"},
  };
  for (const auto& row : lines) {
    SCOPED_TRACE(text::ToUtf8(row.line));
    RegistryTree tree;
    EXPECT_THAT([&] { ParseRegFile(Utf16File(head + row.line + u"\r\n"), "bad.reg", tree); },
                ::testing::ThrowsMessage<std::runtime_error>(
                    ::testing::StrEq(std::string("bad.reg:3: ") + row.reason)));
  }
  const std::string odd = "\xFF\xFEW";
  const std::string latin = "Windows Registry Editor Version 5.00\r\n\xE9";
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* reason;
  } files[] = {
      {Utf16File(u"\"v\"=\"x\"\r\n"), "not a Windows Registry Editor Version 5.00 file"},
      {Utf16File(u"Windows Registry Editor Version 5.00\r\n\"v\"=\"x\"\r\n"),
       "value before the first key"},
      {{odd.begin(), odd.end()}, "UTF-16 file with an odd number of bytes"},
      {{latin.begin(), latin.end()}, "neither UTF-16 nor UTF-8 text"},
      // Continued on no line: the file ends with the backslash.
      {Utf16File(head + u"\"l\"=hex:61,\\"), "invalid hex digit"},
  };
  for (const auto& file : files) {
    RegistryTree tree;
    EXPECT_THAT([&] { ParseRegFile(file.bytes, "bad.reg", tree); },
                ::testing::ThrowsMessage<std::runtime_error>(::testing::EndsWith(file.reason)));
  }
}

// Posted messages and timers are handled where messages are pumped. Timers fall due in time
// order (the earlier set first at a tie), inside a wait on the tick count, a message box the user
// reads for a while, or a callback that pumps messages itself, which does not turn the clock back;
// a callback may kill timers, its own too, and set new ones.
TEST(WindowsRules, TimersFireInTimeOrderWhereverMessagesArePumped) {
  SimOs os;
  auto& loop = os.loop();
  std::vector<std::string> fired;
  const auto record = [&](std::string name) {
    return [&fired, &loop, name] { fired.push_back(name + std::to_string(loop.TickCount())); };
  };
  host::TimerId wheel = 0;
  host::TimerId dialog = loop.SetTimer(
      150,
      [&] {
        record("dialog@")();
        if (loop.TickCount() < 300) return;
        loop.KillTimer(dialog);
        loop.KillTimer(wheel);
        loop.SetTimer(100, record("late@"), 0);
        os.system().SetMessageBoxReadingTime(250);
        os.system().MessageBox(u"busy", u"", 0);
      },
      0);
  wheel = loop.SetTimer(100, record("wheel@"), 0);
  const auto window = os.windows().CreateWindow({u"VbaWindow", u""});
  os.windows().PostMessage(window, host::kWmKeyDown, 13, 0);
  EXPECT_TRUE(os.windows().Delivered().empty()) << "posting only queues";
  const auto start = loop.TickCount();
  while (loop.TickCount() - start < 200)
    loop.DoEvents();
  EXPECT_EQ(os.windows().Delivered().size(), 1u);
  EXPECT_EQ(fired, (std::vector<std::string>{"wheel@100", "dialog@150", "wheel@200"}));
  loop.Advance(150);  // the box is read from 300 to 550, past the end of this wait
  EXPECT_EQ(loop.TickCount(), 550u);
  loop.Advance(150);
  EXPECT_EQ(fired, (std::vector<std::string>{"wheel@100", "dialog@150", "wheel@200", "dialog@300",
                                             "late@400", "late@500", "late@600", "late@700"}));
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
  EXPECT_EQ(loop.SetTimer(100, nullptr, 0), 0u) << "a timer with nothing to call";
}

// A message box pumps messages while it is read on a system that keeps its registry in a file
// too, as the command line's does.
TEST(WindowsRules, AMessageBoxPumpsMessagesWhateverRegistryTheSystemKeeps) {
  TempFolder folder;
  SimOs os(folder.Path() / "registry.reg");
  int fired = 0;
  os.loop().SetTimer(
      100, [&] { ++fired; }, 0);
  os.system().SetMessageBoxReadingTime(250);
  os.system().MessageBox(u"busy", u"", 0);
  EXPECT_EQ(fired, 2);
}

// Each call on a handle as Windows answers it: a handle closes once, a root is always open,
// and a closed, read-only or unknown handle changes nothing.
TEST(SimRegistry, AnswersEachHandleAsWindowsDoes) {
  SimRegistry registry;
  host::RegistryKey open = 0, read_only = 0, closed = 0, unused = 0;
  ASSERT_EQ(registry.CreateKey(host::kCurrentUser, u"K", u"", host::kKeyAllAccess, open), 0);
  ASSERT_EQ(registry.OpenKey(host::kCurrentUser, u"K", host::kKeyRead, read_only), 0);
  ASSERT_EQ(registry.OpenKey(host::kCurrentUser, u"K", host::kKeyRead, closed), 0);
  EXPECT_EQ(registry.CloseKey(closed), host::kRegSuccess);
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  const std::pair<std::int32_t, std::int32_t> rows[] = {
      {registry.CloseKey(closed), host::kRegInvalidHandle},
      {registry.SetValue(closed, u"v", host::kRegSz, Sz(u"")), host::kRegInvalidHandle},
      {registry.QueryValue(closed, u"v", type, data), host::kRegInvalidHandle},
      {registry.SetValue(read_only, u"v", host::kRegSz, Sz(u"")), host::kRegAccessDenied},
      {registry.SetValue(open, u"a\nb", host::kRegSz, Sz(u"")), host::kRegInvalidParameter},
      {registry.QueryValue(open, u"v", type, data), host::kRegFileNotFound},
      {registry.OpenKey(host::kCurrentUser, u"K\\Nowhere", 0, unused), host::kRegFileNotFound},
      {registry.OpenKey(0x80000009u, u"K", 0, unused), host::kRegInvalidHandle},
      {registry.CreateKey(host::kCurrentUser, u"K\\\\L", u"", 0, unused),
       host::kRegInvalidParameter},
      {registry.SetValue(host::kCurrentUser, u"v", host::kRegSz, Sz(u"")), host::kRegSuccess},
      {registry.CloseKey(host::kCurrentUser), host::kRegSuccess},
      {registry.CloseKey(open), host::kRegSuccess},
      {registry.CloseKey(read_only), host::kRegSuccess},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i)
    EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

// Where each access puts a key of HKLM\\SOFTWARE: in the 32-bit view (WOW6432Node) when it asks
// for it, or by default in a redirected process unless it asks for the 64-bit view; every other
// key is shared by both views.
TEST(SimRegistry, PutsEachKeyInTheViewItsAccessAsksFor) {
  const struct {
    bool redirected;
    std::uint32_t access;
    std::u16string subkey, stored, absent;
  } rows[] = {
      {false, 0, u"SOFTWARE\\A", u"SOFTWARE\\A", u"SOFTWARE\\WOW6432Node\\A"},
      {false, host::kKeyWow64_32, u"Software\\A", u"SOFTWARE\\WOW6432Node\\A", u"SOFTWARE\\A"},
      {true, 0, u"SOFTWARE\\A", u"SOFTWARE\\WOW6432Node\\A", u"SOFTWARE\\A"},
      {true, host::kKeyWow64_64, u"SOFTWARE\\A", u"SOFTWARE\\A", u"SOFTWARE\\WOW6432Node\\A"},
      {false, host::kKeyWow64_32, u"SOFTWARE\\wow6432node\\A", u"SOFTWARE\\WOW6432Node\\A",
       u"SOFTWARE\\WOW6432Node\\WOW6432Node"},
      {false, host::kKeyWow64_32, u"SOFTWARE", u"SOFTWARE\\WOW6432Node", u"SOFTWARE\\A"},
      {true, 0, u"SYSTEM\\A", u"SYSTEM\\A", u"SYSTEM\\WOW6432Node"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(text::ToUtf8(row.subkey) + " " + std::to_string(row.access));
    SimRegistry registry;
    registry.SetRedirectedByDefault(row.redirected);
    host::RegistryKey key = 0;
    ASSERT_EQ(registry.CreateKey(host::kLocalMachine, row.subkey, u"", row.access, key), 0);
    EXPECT_TRUE(registry.KeyExists(host::kLocalMachine, row.stored, host::kKeyWow64_64));
    EXPECT_FALSE(registry.KeyExists(host::kLocalMachine, row.absent, host::kKeyWow64_64));
  }
}

// A key created without values is a section of the file; one named only by a deeper section
// stays none, also after its creation was refused.
TEST(SimRegistry, ListsEachKeyItCreatedAndNoneWhoseCreationFailed) {
  TempFolder folder;
  const auto file = folder.Path() / "registry.reg";
  ASSERT_TRUE(files::WriteFileAtomically(
      file,
      Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X\\Y]\r\n")));
  SimRegistry registry(file);
  host::RegistryKey key = 0;
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(registry.CreateKey(host::kCurrentUser, u"X", u"", 0, key), host::kRegAccessDenied);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(registry.CreateKey(host::kCurrentUser, u"Empty\\Key", u"", 0, key), 0);
  const auto text = testing::TextOfUtf16File(files::ReadWholeFile(file));
  EXPECT_EQ(text.find(u"[HKEY_CURRENT_USER\\X]"), std::u16string::npos);
  EXPECT_NE(text.find(u"[HKEY_CURRENT_USER\\Empty\\Key]"), std::u16string::npos);
}

// What a registry string is written in: one question mark for each character code page 936
// lacks, a surrogate pair (at either end of both ranges) as one; and %NAME% expanded as the
// system expands it, in any letter case, an undefined one left as written.
TEST(SimSystemServices, ConvertsAndExpandsAsTheSystemDoes) {
  SimSystemServices system;
  const std::pair<std::u16string, std::string> texts[] = {
      {u"a中\u0E01\U00010000b", "a\xD6\xD0??b"},
      {u"\xD800\xDC00", "?"},
      {u"\xDBFF\xDFFF", "?"},
      {u"\xD7FF\xDC00", "??"},
      {u"\xDC00\xD800", "??"},
      {u"\xD800\xDBFF\xDC00", "??"},
      {u"\xDBFF"
       u"a",
       "?a"},
  };
  for (const auto& [text, ansi] : texts)
    EXPECT_EQ(system.ToAnsi(text), ansi) << ansi;
  system.SetEnvironmentVariable(u"Ab", u"v");
  const std::pair<std::u16string, std::u16string> expansions[] = {
      {u"%AB%", u"v"}, {u"%ab%%aB%", u"vv"}, {u"x%B%Ab%", u"x%Bv"}, {u"%B%", u"%B%"},
      {u"%%", u"%%"},  {u"100%", u"100%"},   {u"%AB", u"%AB"},
  };
  for (const auto& [text, expanded] : expansions)
    EXPECT_EQ(system.ExpandEnvironmentStrings(text), expanded) << text::ToUtf8(text);
  EXPECT_EQ(system.EnvironmentVariable(u"aB"), u"v");
  system.RemoveEnvironmentVariable(u"AB");
  EXPECT_EQ(system.ExpandEnvironmentStrings(u"%Ab%"), u"%Ab%");
}

}  // namespace
}  // namespace tessaly::sim
