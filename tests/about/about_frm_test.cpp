#include "about/about_frm.h"

#include <gtest/gtest.h>

#include <string>

#include <functional>
#include <optional>
#include "about/about_fixture.h"
#include "about/describe_about_form.h"
#include "about/system_info.h"
#include "addin/feature_settings.h"
#include "registry_paths/set_key_value.h"
#include "sim/os/sim_os.h"
#include "text/utf.h"

namespace tessaly::about {
namespace {

using testing::AboutFixture;
using testing::ExcelEditor;
using testing::UnwritableSettings;

std::string Utf8(const std::u16string& text) {
  return text::ToUtf8(text);
}

TEST(AboutLoad, OnAFreshProfileShowsEverythingTicksEveryBoxAndStaysOnTop) {
  AboutFixture f;
  f.host.Show();
  auto& form = f.host.Form();
  EXPECT_EQ(Utf8(form.Caption), "关于程序——TessalyIDE_V1.36");
  EXPECT_EQ(Utf8(form.lblTitle.Caption),
            "操作系统版本：Windows 10_64位\r"
            "应用程序版本：Microsoft Visual Basic 6.00_32位\r"
            "功能全部免费，接受捐赠，金额请随意，谢谢支持。");
  EXPECT_EQ(Utf8(form.lblDescription.Caption),
            "TessalyIDE V1.36（2024-07-08）\r版权所有 © 2015-2024 Kestrum");
  EXPECT_FALSE(form.lblDisclaimer.Visible);
  const char* captions[] = {"功能菜单", "调整窗口", "多标签页", "鼠标滚轮"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Utf8(form.Check1[i].Caption), captions[i]);
    EXPECT_EQ(form.Check1[i].Value, kChecked) << i;
    EXPECT_TRUE(form.Check1[i].Visible && form.Check1[i].Enabled) << i;
  }
  EXPECT_EQ(Utf8(form.cmdOK.Caption), "确定");
  EXPECT_EQ(form.cmdOK.ToolTipText, u"");
  EXPECT_TRUE(form.Visible);
  // Loading reads the settings; it stores nothing and changes no feature.
  EXPECT_EQ(f.Stored(0), u"(none)");
  EXPECT_TRUE(f.features.calls.empty());
  // (1024 - 480) / 2.5 and (768 - 420) / 3 on the simulated screen, above other windows.
  EXPECT_EQ(f.os.windows().WindowRect(form.hWnd()),
            (host::Rect{218, 116, 218 + form.Width, 116 + form.Height}));
  EXPECT_EQ(form.Left, 218);
  EXPECT_EQ(form.Top, 116);
  EXPECT_TRUE(form.Topmost());
  f.os.windows().SetForeground(f.os.windows().CreateWindow({u"wndclass_desked_gsk", u"Project1"}));
  EXPECT_EQ(f.os.windows().TopLevelZOrder().front(), form.hWnd());
}

// A text that is no box value leaves the box as designed: ticked. In a VBA editor the wheel's
// box is cleared and disabled whatever is stored, and clicking it changes nothing.
TEST(AboutLoad, StoredValuesShowInTheirBoxes) {
  const struct {
    const char* stored;
    std::int32_t shown;
  } cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"5", 1}, {"abc", 1}};
  for (const auto& c : cases) {
    AboutFixture f;
    f.Store(1, text::FromUtf8(c.stored));
    f.host.Show();
    EXPECT_EQ(f.host.Form().Check1[1].Value, c.shown) << c.stored;
  }
  for (const char* stored : {"1", "0", "5"}) {
    AboutFixture f(ExcelEditor());
    f.Store(addin::kMouseWheel, text::FromUtf8(stored));
    f.host.Show();
    auto& form = f.host.Form();
    EXPECT_EQ(form.Check1[3].Value, kUnchecked);
    EXPECT_FALSE(form.Check1[3].Enabled);
    EXPECT_TRUE(form.Check1[3].Visible);
    EXPECT_TRUE(form.Check1[2].Enabled);
    form.ClickCheck(3);
    EXPECT_EQ(form.Check1[3].Value, kUnchecked);
    EXPECT_TRUE(f.features.calls.empty());
    EXPECT_EQ(f.Stored(3), text::FromUtf8(stored));
  }
}

TEST(AboutSwitches, AFailedSaveIsToldToTheUser) {
  AboutFixture f;
  UnwritableSettings unwritable(f.os.settings());
  host::Os os = f.os.Os();
  AboutFormHost host(f.connection, f.features,
                     {os.registry, unwritable, os.windows, os.loop, os.system});
  host.Show();
  host.Form().ClickCheck(addin::kMouseWheel);
  // The feature changed all the same; only its memory failed.
  EXPECT_EQ(f.features.calls, std::vector<std::string>{"UnloadWheel"});
  ASSERT_EQ(f.os.system().MessageBoxes().size(), 1u);
  const auto& box = f.os.system().MessageBoxes()[0];
  EXPECT_EQ(Utf8(box.text),
            "无法保存“鼠标滚轮”的设置。本次更改已经生效，但下次启动编辑器时不会保留。");
  EXPECT_EQ(Utf8(box.caption), "关于程序——TessalyIDE_V1.36");
  EXPECT_EQ(box.style, host::kMbIconExclamation);
}

TEST(AboutPictures, OneClickShowsAPictureAloneInTheFirstPlaceAndTheNextRestoresAll) {
  for (int clicked = 0; clicked < 3; ++clicked) {
    AboutFixture f;
    f.host.Show();
    auto& form = f.host.Form();
    const int lefts[] = {form.Image1[0].Left, form.Image1[1].Left, form.Image1[2].Left};
    ASSERT_LT(lefts[0], lefts[1]);
    ASSERT_LT(lefts[1], lefts[2]);
    form.Image1_Click(clicked);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(form.Image1[i].Visible, i == clicked) << i;
    EXPECT_EQ(form.Image1[clicked].Left, lefts[0]);
    form.Image1_Click(clicked);
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(form.Image1[i].Visible) << i;
      EXPECT_EQ(form.Image1[i].Left, lefts[i]) << i;
    }
  }
}

TEST(DescribeAboutForm, ListsCaptionSystemLinesAndSwitches) {
  AboutFixture f(ExcelEditor());
  f.os.system().SetWow64(false);
  f.os.system().SetIs64BitProcess(true);
  f.os.system().SetEnvironmentVariable(u"PROCESSOR_ARCHITECTURE", u"AMD64");
  f.Store(1, u"0");
  f.Store(2, u"2");
  f.host.Show();
  std::vector<std::string> lines;
  for (const auto& line : DescribeAboutForm(f.host.Form()))
    lines.push_back(Utf8(line));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       // clang-format off
                       "关于程序——TessalyIDE_V1.36", "操作系统版本：Windows 10_64位",
                       "应用程序版本：Microsoft Excel 7.01_64位",
                       "功能全部免费，接受捐赠，金额请随意，谢谢支持。", "[x] 功能菜单",
                       "[ ] 调整窗口", "[-] 多标签页", "[ ] 鼠标滚轮（不可用）",
                       // clang-format on
                   }));
}

// A face redraws the About form only when told: each event that changes what the form shows
// tells once, however many handlers it runs, and one that changes nothing stays silent.
TEST(AboutFrmChanges, EachChangeOfWhatItShowsNotifiesOnce) {
  const struct {
    const char* what;
    std::function<void(AboutFrm&)> act;
    int notifications;
  } cases[] = {
      {"box ticked off", [](AboutFrm& f) { f.ClickCheck(addin::kCodeTabs); }, 1},
      {"picture shown alone", [](AboutFrm& f) { f.Image1_Click(1); }, 1},
      {"right button on OK", [](AboutFrm& f) { f.ClickOK(kRightButton); }, 0},
      {"unloaded by OK", [](AboutFrm& f) { f.ClickOK(); }, 1},
      {"shown again while shown", [](AboutFrm& f) { f.Show(); }, 0},
      {"loaded again", [](AboutFrm& f) { f.Form_Load(); }, 0},
  };
  for (const auto& c : cases) {
    testing::AboutFixture f;
    f.host.Show();
    auto& form = f.host.Form();
    int notified = 0;
    form.SetChangeListener([&] { ++notified; });
    c.act(form);
    EXPECT_EQ(notified, c.notifications) << c.what;
  }
}

// A face that draws the About form gets the form before it loads, so it hears the load
// itself, and a new window for each form. Showing again reuses the loaded form; only the left
// button on OK, or the close box, unloads it, and the next show loads afresh from the settings.
TEST(AboutHost, ShowingAgainReusesTheFormUntilOKOrTheCloseBoxUnloadsIt) {
  AboutFixture f;
  int attached = 0;
  std::vector<std::pair<std::u16string, bool>> heard;  // caption, shown
  FormWindowFactory windows = f.Windows();
  windows.attach = [&](host::WindowHandle window, AboutFrm& form) {
    ++attached;
    EXPECT_EQ(window, form.hWnd());
    form.SetChangeListener([&heard, &form] { heard.emplace_back(form.Caption, form.Visible); });
  };
  AboutFormHost host{f.connection, f.features, f.os.Os(), windows};

  host.Show();
  auto* first = &host.Form();
  // First the load, before the form is shown, then the showing.
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], std::make_pair(std::u16string(u"关于程序——TessalyIDE_V1.36"), false));
  EXPECT_TRUE(heard[1].second);
  first->Check1[2].Value = kGrayed;  // a change the user made and no load may undo
  first->Visible = false;
  host.Show();
  EXPECT_EQ(&host.Form(), first);
  EXPECT_TRUE(first->Visible);
  EXPECT_EQ(first->Check1[2].Value, kGrayed);
  EXPECT_EQ(attached, 1);

  const auto window = first->hWnd();
  first->ClickOK(kRightButton);
  first->ClickOK(kMiddleButton);
  ASSERT_TRUE(host.IsLoaded());
  first->ClickOK(kLeftButton);
  EXPECT_FALSE(host.IsLoaded());
  EXPECT_FALSE(f.os.windows().IsWindow(window));
  EXPECT_THROW(host.Form(), std::logic_error);
  f.Store(2, u"0");
  host.Show();
  EXPECT_EQ(host.Form().Check1[2].Value, kUnchecked);
  host.Form().Close();
  EXPECT_FALSE(host.IsLoaded());
  host.Show();
  EXPECT_EQ(attached, 3);
  EXPECT_EQ(f.windows_made, 3);
}

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
      registry_paths::SetKeyValue(os.registry(), os.system(), key + u"CurrentVersion",
                                  *c.current_version);
    if (c.current_build)
      registry_paths::SetKeyValue(os.registry(), os.system(), key + u"CurrentBuild",
                                  *c.current_build);
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

// The load and description tests above meet a 32-bit host on 64-bit Windows 10 and a 64-bit
// host; these are the other cases.
TEST(SystemInfo, BitsOfSystemAndHost) {
  const BitsCase cases[] = {{"32-bit system", false, false, u"x86", 32, 32},
                            {"no IsWow64Process", std::nullopt, false, u"x86", 32, 32},
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
