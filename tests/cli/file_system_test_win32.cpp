// What the command line meets on Windows and not on Linux: file attributes, files another
// program holds open, and the user's real registry. The Linux counterparts are in
// file_system_test.cpp.

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using namespace test_support;

// tessaly.exe answers in the language the user reads Windows in, whatever LANG says, unless
// TESSALY_LANG says otherwise. The CTest entry tests_cli_chinese runs this under a Chinese
// Windows (TESSALY_TEST_UI=zh), where the user's language must be Chinese.
TEST(WindowsLanguage, TheProgramSpeaksTheUsersLanguage) {
  const bool chinese_ui = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
  const char* expected_ui = std::getenv("TESSALY_TEST_UI");
  if (expected_ui) {
    EXPECT_EQ(chinese_ui, std::string(expected_ui) == "zh");
  }
  using language::Language;
  const Language user = chinese_ui ? Language::kChinese : Language::kEnglish;
  const struct {
    std::vector<std::string> environment;
    Language expected;
  } cases[] = {
      {{"TESSALY_LANG="}, user},
      {{"TESSALY_LANG=zh"}, Language::kChinese},
      {{"TESSALY_LANG=en"}, Language::kEnglish},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.environment));
    EXPECT_EQ(RunBinary({"--help"}, "", false, c.environment).out,
              language::Words(c.expected, language::MessageId::kUsage));
  }
}

// A file another program holds open: without any sharing it cannot be read; shared for reading
// only, it can be read but not replaced. Either way one line and status 2, found before any file
// is put in place, and nothing is lost: the other file of the run stays as it was too.
TEST(WindowsFiles, AFileHeldOpenIsRefusedAndNothingIsLost) {
  for (const DWORD sharing : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
    SCOPED_TRACE(sharing);
    TempFolder folder;
    const std::string first = folder.Write("First.bas", kFlatModule);
    const std::string held = folder.Write("代码.bas", kFlatModule);
    const auto before = SnapshotFolder(folder);
    HANDLE holder = CreateFileW(Utf8Path(held).c_str(), GENERIC_READ | GENERIC_WRITE, sharing,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    using enum language::MessageId;
    const language::Message said =
        sharing == 0 ? language::Message{kFileInUse, {}, held}
                     : language::Message{kCannotWriteBecause, {held, kFileInUse}, {}};
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"fmt", "-i", first, held}, {"annotate", "-i", first, held}}) {
      SCOPED_TRACE(testing::PrintToString(args));
      for (const auto language : kLanguages) {
        const bool chinese = language == language::Language::kChinese;
        EXPECT_TRUE(
            IsRefusal(RunBinary(args, "", false, {chinese ? "TESSALY_LANG=zh" : "TESSALY_LANG=en"}),
                      {language::Say(language, said)}));
      }
    }
    CloseHandle(holder);
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// A module whose path is longer than MAX_PATH is rewritten in place wherever a cut at MAX_PATH
// would fall in it: inside a folder's name, at its end, or inside the next one. (The system's
// ReplaceFileW under Wine cuts the path there and fails on some of them, with an error that
// depends on where.)
TEST(WindowsFiles, APathPastMaxPathIsWrittenInPlaceWhereverItsFoldersBreak) {
  TempFolder folder;
  // What the system is handed: the path with its \\?\ prefix.
  const std::size_t handed = folder.Path().native().size() + 4;
  for (std::size_t end = MAX_PATH - 20; end <= MAX_PATH + 4; end += 3) {
    const std::wstring near_the_cut(end - handed - 1, L'a');
    const std::filesystem::path file =
        folder.Path() / near_the_cut / std::wstring(60, L'b') / L"模块.bas";
    SCOPED_TRACE(end);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << kFlatModule;
    const auto in_place = RunTessaly({"fmt", "-i", Utf8Text(file)});
    EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
    EXPECT_EQ(ReadBytes(Utf8Text(file)), kIndentedModule);
  }
}

// A file rewritten in place keeps the attributes a user sees (hidden, archive), as it keeps its
// mode on Linux. (The read-only attribute, as source control sets it: the refusals of
// command_line_test.) Standard input and output are binary: no CR is added to a lone LF, none
// taken from CR LF, and a byte 0x1A (Ctrl-Z) is no end of input.
TEST(WindowsFiles, AttributesAreKeptAndStreamsAreBinary) {
  TempFolder folder;
  const std::string hidden = folder.Write("Hidden.bas", kFlatModule);
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(SetFileAttributesW(Utf8Path(hidden).c_str(), kept));
  const auto result = RunBinary({"fmt", "-i", hidden});
  EXPECT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(ReadBytes(hidden), kIndentedModule);
  EXPECT_EQ(GetFileAttributesW(Utf8Path(hidden).c_str()), kept);
  EXPECT_EQ(RunBinary({"fmt", "-"}, "Sub A()\nx = \"\x1A\"\r\nEnd Sub\n").out,
            "Sub A()\n    x = \"\x1A\"\r\nEnd Sub\n");
}

// The add-in's own switches in the user's registry, where the add-in reads them: `about` shows
// them and --set writes them; --registry keeps to its file, and demo never writes the editors'
// add-in keys of the real registry.
TEST(WindowsRegistry, AboutReadsAndWritesTheAddInsOwnSwitches) {
  const wchar_t kSection[] = L"Software\\VB and VBA Program Settings\\ZOTA\\QWIX";
  const wchar_t kTabs[] = L"\u591A\u6807\u7B7E\u9875";  // 多标签页
  auto stored = [&]() -> std::wstring {
    wchar_t value[16] = {};
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, kSection, kTabs, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
  };
  for (const std::string value : {"0", "1"}) {
    const auto set = RunBinary({"about", "--set", "多标签页=" + value});
    EXPECT_NE(set.out.find(value == "0" ? "\n[ ] 多标签页\n" : "\n[x] 多标签页\n"),
              std::string::npos)
        << set.out << set.err;
    EXPECT_EQ(stored(), std::wstring(value.begin(), value.end()));
  }
  // Whether the editors' add-in key is there depends on what ran before in this prefix (an
  // installed add-in writes it); demo must only leave it as it found it.
  const auto addin_key = [] {
    HKEY key = nullptr;
    const bool open = RegOpenKeyExW(HKEY_CURRENT_USER,
                                    L"Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect",
                                    0, KEY_READ, &key) == ERROR_SUCCESS;
    if (open) RegCloseKey(key);
    return open;
  };
  const bool addin_before = addin_key();
  TempFolder folder;
  const std::string registry = (folder.Path() / "r.reg").string();
  EXPECT_EQ(RunBinary({"about", "--registry", registry, "--set", "多标签页=0"}).status, kExitOk);
  EXPECT_EQ(RunBinary({"demo", "--registry", registry}).status, kExitOk);
  EXPECT_EQ(stored(), L"1");
  EXPECT_EQ(addin_key(), addin_before);
  // Back to no value, as the test prefix has it: every box ticked.
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSection, kTabs);
}

}  // namespace
}  // namespace tessaly::cli
