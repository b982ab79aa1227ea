#include "about/about_frm.h"

#include <cmath>
#include <string>

#include "about/about_design.h"
#include "about/system_info.h"
#include "addin/apply_setting.h"
#include "addin/feature_settings.h"
#include "addin/vb_conversion.h"
#include "host/resume.h"

namespace tessaly::about {

namespace {

constexpr char16_t kLineBreak[] = u"\r";

std::u16string DecimalText(std::int32_t number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

bool IsCheckValue(std::int32_t value) {
  return value >= kUnchecked && value <= kGrayed;
}

}  // namespace

struct AboutFrm::Shown {
  std::u16string Caption;
  std::int32_t Left, Top, Width, Height;
  bool Visible;
  Label lblTitle, lblDescription, lblDisclaimer, lblVersion;
  std::array<CheckBox, 4> Check1;
  CommandButton cmdOK;
  std::array<Picture, 3> Image1;
  bool operator==(const Shown&) const = default;
};

// Around each entry point: the listener hears of a change once, when the outermost entry
// ends, however many nested handlers made it.
class AboutFrm::ChangeScope {
 public:
  explicit ChangeScope(AboutFrm& form) : form_(form), before_(form.WhatIsShown()) {
    ++form_.change_depth_;
  }
  ~ChangeScope() {
    if (--form_.change_depth_ > 0 || !form_.on_change_) return;
    if (!(form_.WhatIsShown() == before_)) form_.on_change_();
  }
  ChangeScope(const ChangeScope&) = delete;
  ChangeScope& operator=(const ChangeScope&) = delete;

 private:
  AboutFrm& form_;
  Shown before_;
};

AboutFrm::Shown AboutFrm::WhatIsShown() const {
  return {Caption,        Left,          Top,        Width,  Height, Visible, lblTitle,
          lblDescription, lblDisclaimer, lblVersion, Check1, cmdOK,  Image1};
}

void AboutFrm::Show() {
  ChangeScope scope(*this);
  Visible = true;
}

AboutFrm::AboutFrm(const addin::Connection& connection, addin::Features& features, host::Os os,
                   host::WindowHandle window, std::function<void()> on_unload)
    : connection_(connection),
      features_(features),
      os_(os),
      window_(window),
      on_unload_(std::move(on_unload)) {
  const auto& design = AboutDesign();
  Caption = design.Caption;
  Width = design.Width;
  Height = design.Height;
  lblTitle = design.lblTitle;
  lblDescription = design.lblDescription;
  lblDisclaimer = design.lblDisclaimer;
  lblVersion = design.lblVersion;
  Check1 = design.Check1;
  cmdOK = design.cmdOK;
  Image1 = design.Image1;
}

void AboutFrm::Form_Load() {
  ChangeScope scope(*this);
  loaded_ = true;
  host::Resume([&] {
    Caption = u"关于程序——" + connection_.MenuBarName + u"_" + connection_.Program.Version;
  });
  host::Resume([&] { SetTopmost(window_, 0); });
  host::Resume([&] { PlaceOnScreen(); });
  for (std::size_t i = 0; i < Image1.size(); ++i)
    picture_lefts_[i] = Image1[i].Left;
  host::Resume([&] { lblTitle.Caption = TitleText(); });
  host::Resume([&] { lblDescription.Caption = DescriptionText(); });
  lblDisclaimer.Visible = false;
  ReadSwitches();
  cmdOK.ToolTipText = u"";
  cmdOK.Caption = u"确定";
}

void AboutFrm::PlaceOnScreen() {
  const host::Size screen = os_.windows.ScreenSize();
  Left = static_cast<std::int32_t>(std::lround((screen.width - Width) / 2.5));
  Top = static_cast<std::int32_t>(std::lround((screen.height - Height) / 3.0));
  if (window_ != 0) os_.windows.MoveWindow(window_, Left, Top, Width, Height, true);
}

std::u16string AboutFrm::TitleText() {
  return u"操作系统版本：" + GetOSName(os_.system, os_.registry) + u"_" +
         DecimalText(GetOSBits(os_.system)) + u"位" + kLineBreak + u"应用程序版本：" +
         connection_.HostName + u" " + connection_.HostVersion + u"_" +
         DecimalText(GetAppBits(os_.system)) + u"位" + kLineBreak + u"功能" +
         u"全部免费，接受捐赠，金额请随意，谢谢支持。";
}

std::u16string AboutFrm::DescriptionText() const {
  const auto& program = connection_.Program;
  return program.Name + u" " + program.Version + u"（" + program.ReleaseDate + u"）" + kLineBreak +
         u"版权所有 © " + program.Years + u" " + program.Maker;
}

void AboutFrm::ReadSwitches() {
  for (std::size_t i = 0; i < Check1.size(); ++i) {
    auto& box = Check1[i];
    const auto index = static_cast<std::int32_t>(i);
    box.Visible = true;
    box.Enabled = true;
    host::Resume([&] {
      // A stored text that is no box value leaves the box as designed.
      const auto value = addin::ToWholeNumber(addin::ReadFeatureSetting(os_.settings, index));
      if (value && IsCheckValue(*value)) box.Value = *value;
    });
    // The VBA editors have no wheel feature to switch.
    if (connection_.HostMode == addin::kHostModeVba && index == addin::kMouseWheel) {
      box.Value = kUnchecked;
      box.Enabled = false;
    }
  }
}

void AboutFrm::Check1_MouseUp(std::int32_t Index, std::int32_t /*Button*/, std::int32_t /*Shift*/,
                              float /*X*/, float /*Y*/) {
  ChangeScope scope(*this);
  const auto& box = Check1.at(static_cast<std::size_t>(Index));
  try {
    addin::ApplySetting(connection_, features_, os_.settings, Index, box.Value);
  } catch (const host::HostError&) {
    // The switch already acts in this session; the user must know it will not last.
    os_.system.MessageBox(
        u"无法保存“" + box.Caption + u"”的设置。本次更改已经生效，但下次启动编辑器时不会保留。",
        Caption, host::kMbIconExclamation);
  }
}

void AboutFrm::cmdOK_MouseDown(std::int32_t Button, std::int32_t /*Shift*/, float /*X*/,
                               float /*Y*/) {
  ChangeScope scope(*this);
  if (Button != kRightButton && Button != kMiddleButton) Unload();
}

void AboutFrm::Image1_Click(std::int32_t Index) {
  ChangeScope scope(*this);
  auto& clicked = Image1.at(static_cast<std::size_t>(Index));
  bool all_visible = true;
  for (const auto& picture : Image1)
    all_visible = all_visible && picture.Visible;
  if (all_visible) {
    for (auto& picture : Image1)
      picture.Visible = &picture == &clicked;
    clicked.Left = picture_lefts_[0];
    return;
  }
  for (std::size_t i = 0; i < Image1.size(); ++i) {
    Image1[i].Visible = true;
    Image1[i].Left = picture_lefts_[i];
  }
}

void AboutFrm::SetTopmost(host::WindowHandle window, std::int32_t flag) {
  ChangeScope scope(*this);
  topmost_ = flag == 0;
  if (window != 0) os_.windows.SetTopmost(window, topmost_);
}

void AboutFrm::ClickCheck(std::int32_t index) {
  ChangeScope scope(*this);
  auto& box = Check1.at(static_cast<std::size_t>(index));
  if (!Visible || !box.Visible || !box.Enabled) return;
  box.Value = box.Value == kChecked ? kUnchecked : kChecked;
  Check1_MouseUp(index, kLeftButton, 0, 0, 0);
}

void AboutFrm::ClickOK(std::int32_t button) {
  ChangeScope scope(*this);
  if (!Visible || !cmdOK.Visible || !cmdOK.Enabled) return;
  cmdOK_MouseDown(button, 0, 0, 0);
}

void AboutFrm::Close() {
  ChangeScope scope(*this);
  Unload();
}

void AboutFrm::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  Visible = false;
  topmost_ = false;
  if (on_unload_) on_unload_();
}

}  // namespace tessaly::about
