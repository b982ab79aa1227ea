#include "about/about_frm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "about/about_fixture.h"
#include "about/describe_about_form.h"
#include "about/system_info.h"
#include "registry_paths/set_key_value.h"
#include "text/utf.h"

namespace tessaly::about {
namespace {

using testing::AboutFixture;
using testing::ExcelEditor;
using Lines = std::vector<std::string>;

Lines Described(const AboutFrm& form) {
  Lines lines;
  for (const auto& line : DescribeAboutForm(form))
    lines.push_back(text::ToUtf8(line));
  return lines;
}

// A stored text that is no box value leaves the box as designed: ticked. Loading changes no
// feature; the form is placed on the screen and above other windows.
TEST(AboutLoad, ShowsTheStoredSwitchesAndStaysOnTop) {
  AboutFixture f;
  for (const auto& [index, stored] : {std::pair{0, u"abc"}, {1, u"0"}, {2, u"2"}, {3, u"5"}})
    f.Store(index, stored);
  f.host.Show();
  auto& form = f.host.Form();
  EXPECT_EQ(Described(form),
            (Lines{"关于程序——TessalyIDE_V1.36", "操作系统版本：Windows 10_64位",
                   "应用程序版本：Microsoft Visual Basic 6.00_32位",
                   "功能全部免费，接受捐赠，金额请随意，谢谢支持。", "[x] 功能菜单", "[ ] 调整窗口",
                   "[-] 多标签页", "[x] 鼠标滚轮"}));
  EXPECT_EQ(text::ToUtf8(form.lblDescription.Caption),
            "TessalyIDE V1.36（2024-07-08）\r版权所有 © 2015-2024 Kestrum");
  EXPECT_TRUE(f.features.calls.empty());
  // (1024 - 480) / 2.5 and (768 - 420) / 3 on the simulated screen.
  EXPECT_EQ(f.os.windows().WindowRect(form.hWnd()),
            (host::Rect{218, 116, 218 + form.Width, 116 + form.Height}));
  f.os.windows().SetForeground(f.os.windows().CreateWindow({u"wndclass_desked_gsk", u"Project1"}));
  EXPECT_EQ(f.os.windows().TopLevelZOrder().front(), form.hWnd());
}

// In a VBA editor the wheel's box is cleared and disabled whatever is stored, and clicking it
// changes nothing.
TEST(AboutLoad, AVbaEditorOffersNoWheelSwitch) {
  AboutFixture f(ExcelEditor());
  f.Store(addin::kMouseWheel, u"1");
  f.host.Show();
  f.host.Form().ClickCheck(addin::kMouseWheel);
  EXPECT_EQ(Described(f.host.Form()).back(), "[ ] 鼠标滚轮（不可用）");
  EXPECT_TRUE(f.host.Form().Check1[addin::kCodeTabs].Enabled);
  EXPECT_TRUE(f.features.calls.empty());
  EXPECT_EQ(f.Stored(addin::kMouseWheel), u"1");
}

TEST(AboutSwitches, AFailedSaveIsToldToTheUser) {
  AboutFixture f;
  // A registry kept in a file of a folder that does not exist: no change can be written.
  sim::SimOs unwritable(std::filesystem::temp_directory_path() / "tessaly-no-folder" / "r.reg");
  AboutFormHost host(f.connection, f.features, unwritable.Os());
  host.Show();
  host.Form().ClickCheck(addin::kMouseWheel);
  // The feature changed all the same; only its memory failed.
  EXPECT_EQ(f.features.calls, std::vector<std::string>{"UnloadWheel"});
  EXPECT_EQ(unwritable.system().MessageBoxes(),
            (std::vector<sim::MessageBoxRecord>{
                {u"无法保存“鼠标滚轮”的设置。本次更改已经生效，但下次启动编辑器时不会保留。",
                 host.Form().Caption, host::kMbIconExclamation}}));
}

// Each box switches its own feature, and only that one, off and on again at once, and stores
// what it shows.
TEST(AboutSwitches, EachBoxSwitchesItsOwnFeatureAtOnceAndStoresIt) {
  using Calls = std::vector<std::string>;
  const struct {
    std::int32_t index;
    Calls calls;  // of the features, for a click off and a click on
  } rows[] = {{addin::kFunctionMenu, {}},
              {addin::kDialogEnlargement, {"StopDialogWatch", "StartDialogWatch"}},
              {addin::kCodeTabs, {}},
              {addin::kMouseWheel, {"UnloadWheel", "LoadWheel"}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.index);
    AboutFixture f;
    f.editor.RegisterDocumentClass(
        u"QWIX.VBIDETab", [] { return std::make_shared<tessaly::testing::BlankDocument>(); });
    host::AddInInstance add_in;
    f.features.CreateTabWindow(add_in);
    // Every switch is on, so the bar and the window show, as connecting leaves them: a click
    // off has something to hide.
    f.editor.Bar(u"TessalyIDE").SetVisible(true);
    f.editor.Window(u"标签").SetVisible(true);
    f.features.calls.clear();
    f.host.Show();
    const auto shown = [&] {
      return std::pair{f.editor.Bar(u"TessalyIDE").IsVisible(),
                       f.editor.Window(u"标签").IsVisible()};
    };
    const auto before = shown();
    // The bar or the window a box governs shows as the box does; the other stays as it was.
    const auto with = [&](bool on) {
      return std::pair{row.index == addin::kFunctionMenu ? on : before.first,
                       row.index == addin::kCodeTabs ? on : before.second};
    };
    f.host.Form().ClickCheck(row.index);
    EXPECT_EQ(shown(), with(false));
    EXPECT_EQ(f.Stored(row.index), u"0");
    f.host.Form().ClickCheck(row.index);
    EXPECT_EQ(shown(), with(true));
    EXPECT_EQ(f.Stored(row.index), u"1");
    EXPECT_EQ(f.features.calls, row.calls);
  }
}

// Which picture is clicked makes no difference but its place.
TEST(AboutPictures, OneClickShowsAPictureAloneInTheFirstPlaceAndTheNextRestoresAll) {
  AboutFixture f;
  f.host.Show();
  auto& pictures = f.host.Form().Image1;
  const int lefts[] = {pictures[0].Left, pictures[1].Left, pictures[2].Left};
  f.host.Form().Image1_Click(1);
  EXPECT_TRUE(!pictures[0].Visible && pictures[1].Visible && !pictures[2].Visible);
  EXPECT_TRUE(pictures[1].Left == lefts[0] && lefts[0] < lefts[1]);
  f.host.Form().Image1_Click(1);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(pictures[i].Visible && pictures[i].Left == lefts[i]) << i;
}

// A face that draws the About form gets the form before it loads, so it hears the load
// itself, and a new window for each form; it redraws only when told. Showing again reuses the
// loaded form; only the left button on OK, or the close box, unloads it, and the next show loads
// afresh from the settings.
TEST(AboutHost, ShowingAgainReusesTheFormUntilOKOrTheCloseBoxUnloadsIt) {
  AboutFixture f;
  int attached = 0;
  std::vector<std::pair<int, bool>> heard;  // which form attached, and whether shown, per change
  FormWindowFactory windows = f.Windows();
  windows.attach = [&](host::WindowHandle window, AboutFrm& form) {
    EXPECT_EQ(window, form.hWnd());
    const int n = ++attached;
    form.SetChangeListener([&heard, &form, n] { heard.emplace_back(n, form.Visible); });
  };
  AboutFormHost host{f.connection, f.features, f.os.Os(), windows};
  host.Show();
  auto* first = &host.Form();
  first->Check1[2].Value = kGrayed;  // a change the user made and no load may undo
  host.Show();
  EXPECT_EQ(first->Check1[2].Value, kGrayed);
  const auto window = first->hWnd();
  first->ClickOK(kRightButton);
  first->ClickOK(kMiddleButton);
  EXPECT_TRUE(host.IsLoaded()) << "only the left button closes the form";
  first->ClickOK(kLeftButton);
  EXPECT_FALSE(host.IsLoaded() || f.os.windows().IsWindow(window));
  EXPECT_THROW(host.Form(), std::logic_error);
  f.Store(2, u"0");
  host.Show();
  EXPECT_EQ(host.Form().Check1[2].Value, kUnchecked);
  // Each event that changes what the form shows tells once, however many handlers it runs; a
  // load that changes nothing stays silent.
  host.Form().Form_Load();
  host.Form().ClickCheck(addin::kCodeTabs);
  host.Form().Image1_Click(1);
  host.Form().Close();
  EXPECT_FALSE(host.IsLoaded());
  host.Show();
  // The load before the showing, the unloads, and a window for each form.
  // clang-format off
  EXPECT_EQ(heard, (std::vector<std::pair<int, bool>>{
      {1, false}, {1, true}, {1, false}, {2, false}, {2, true}, {2, true}, {2, true}, {2, false},
      {3, false}, {3, true}}));
  // clang-format on
}

// The system's name: the table's rows, the registry's version and build for Windows 8 and
// later, and the management service's caption when neither names it. The bits of system and
// host: the load test meets a 32-bit host on 64-bit Windows 10; these rows the other cases.
TEST(SystemInfo, NamesTheSystemAndTheBitsOfSystemAndHost) {
  const std::u16string wmi = u"Microsoft Windows 10 专业版";
  const std::nullopt_t no = std::nullopt;
  // clang-format off
  const struct {
    host::OsVersion version; std::optional<std::u16string> current_version, current_build, wmi_caption;
    std::u16string name;
    std::optional<bool> wow64;  // absent: the system has no IsWow64Process
    bool process_64bit; std::optional<std::u16string> architecture; std::int32_t os_bits, app_bits;
  } cases[] = {
      {{2, 6, 2}, u"6.1", no, wmi, u"Windows 7", false, false, u"x86", 32, 32},
      {{2, 6, 2}, u"6.2", no, wmi, u"Windows 8", no, false, u"x86", 32, 32},
      {{2, 6, 2}, u"6.3", u"21995", wmi, u"Windows 10", false, true, u"ARM64", 64, 64},
      {{2, 6, 2}, u"6.3", u"21996", wmi, u"Windows 11", false, true, no, 64, 64},
      // A build that cannot be read says nothing: the management service answers.
      {{2, 6, 2}, u"6.3", no, wmi, wmi, true, false, no, 64, 32},
      {{2, 6, 2}, u"6.4", u"9800", wmi, wmi, true, false, u"x86", 64, 32},
      {{3, 1, 2}, u"6.3", u"19045", wmi, wmi, true, false, u"x86", 64, 32},  // not in the table
      // Every source fails.
      {{2, 6, 2}, no, no, u"", u"Windows", true, false, u"x86", 64, 32}};
  // clang-format on
  const std::u16string key = u"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    sim::SimOs os;
    auto& system = os.system();
    system.SetVersion(c.version);
    system.SetWmiOsCaption(c.wmi_caption);
    for (const auto& [name, value] : {std::pair{u"CurrentVersion", c.current_version},
                                      std::pair{u"CurrentBuild", c.current_build}}) {
      if (value) registry_paths::SetKeyValue(os.registry(), system, key + name, *value);
    }
    system.SetWow64(c.wow64);
    system.SetIs64BitProcess(c.process_64bit);
    system.RemoveEnvironmentVariable(u"PROCESSOR_ARCHITECTURE");
    if (c.architecture) system.SetEnvironmentVariable(u"PROCESSOR_ARCHITECTURE", *c.architecture);
    EXPECT_EQ(std::tuple(GetOSName(system, os.registry()), GetOSBits(system), GetAppBits(system)),
              std::tuple(c.name, c.os_bits, c.app_bits))
        << i;
  }
}

}  // namespace
}  // namespace tessaly::about
