#include "tabs/vbide_tab.h"

#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "host/resume.h"
#include "tabs/tab_names.h"

namespace tessaly::tabs {

namespace {

// Wide enough for any screen, so the strip never needs resizing with its window.
constexpr std::int32_t kStripWidth = 28000;
constexpr std::int32_t kStripHeight = 300;
// TabInitialize stops after the first code window found past this window position.
constexpr std::int32_t kLastScannedPosition = 11;

std::u16string DecimalText(std::int32_t number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

// The reduced caption of window `position` when it is a code window.
std::optional<std::u16string> CodeWindowTabCaption(host::Windows& windows, std::int32_t position) {
  return host::ResumeOr<std::optional<std::u16string>>(
      std::nullopt, [&]() -> std::optional<std::u16string> {
        auto window = windows.Item(position);
        if (window->Type() != host::kCodeWindow) return std::nullopt;
        return ReduceByWindowRule(window->Caption());
      });
}

}  // namespace

VBIDETab::VBIDETab() {
  TabStrip1.OnClick([this](std::int32_t) { TabStrip1_Click(); });
}

void VBIDETab::Attach(const addin::Connection& connection, TabProcessState& state) {
  connection_ = &connection;
  state_ = &state;
}

void VBIDETab::Detach(const TabProcessState& state) {
  if (state_ != &state) return;
  connection_ = nullptr;
  state_ = nullptr;
}

std::int32_t VBIDETab::NextRecycledTab() {
  const std::int32_t position = tab_replace_counter_ % kTabsBeforeRecycling;
  constexpr std::int32_t kWrap =
      std::numeric_limits<std::int32_t>::max() / kTabsBeforeRecycling * kTabsBeforeRecycling;
  tab_replace_counter_ = tab_replace_counter_ + 1 == kWrap ? 0 : tab_replace_counter_ + 1;
  return position;
}

void VBIDETab::TabInitialize() {
  TabStrip1.Move(0, 0, kStripWidth, kStripHeight);
  auto* application = connection_ ? connection_->HostApplication.get() : nullptr;
  if (!application) return;
  auto windows = host::ResumeOr<std::shared_ptr<host::Windows>>(
      nullptr, [&] { return application->Windows(); });
  if (!windows) return;
  const std::int32_t count = host::ResumeOr(0, [&] { return windows->Count(); });
  std::int32_t k = 0;
  for (std::int32_t i = 1; i <= count; ++i) {
    const auto name = CodeWindowTabCaption(*windows, i);
    if (!name) continue;
    SetTab(k, *name);
    ++k;
    if (i > kLastScannedPosition) break;
  }
}

void VBIDETab::Code_Click(const std::u16string& tabName) {
  const std::u16string name = ReduceByNameRule(tabName);
  // An empty name would only add a blank tab nobody can tell apart.
  if (!name.empty()) SelectTabFor(name);
  if (state_) state_->StopPendingTabTimer();
}

void VBIDETab::SelectTabFor(const std::u16string& name) {
  if (TabStrip1.SelectedItem().Caption == name) return;
  for (std::int32_t i = 0; i < TabStrip1.Count(); ++i) {
    if (TabStrip1.Item(i).Caption == name) {
      SelectTab(i);
      return;
    }
  }
  if (TabStrip1.Count() >= kTabsBeforeRecycling) {
    const std::int32_t j = NextRecycledTab();
    SelectTab(j);
    SetTab(j, name);
    return;
  }
  SetTab(TabStrip1.Count(), name);
  SelectTab(TabStrip1.Count() - 1);
}

void VBIDETab::SetTab(std::int32_t index, const std::u16string& caption) {
  if (index < TabStrip1.Count()) {
    TabStrip1.SetCaption(index, caption);
  } else {
    AddTab(index, caption);
  }
}

void VBIDETab::AddTab(std::int32_t /*index*/, const std::u16string& caption) {
  const std::int32_t added = TabStrip1.Add(u"Tab" + DecimalText(TabStrip1.Count() + 1));
  TabStrip1.SetCaption(added, caption);
}

void VBIDETab::SelectTab(std::int32_t index) {
  TabStrip1.SetSelectedIndex(index);
}

void VBIDETab::TabStrip1_Click() {
  const std::u16string caption = TabStrip1.SelectedItem().Caption;
  auto* application = connection_ ? connection_->HostApplication.get() : nullptr;
  if (!application) return;
  host::Resume([&] {
    auto windows = application->Windows();
    const std::int32_t count = windows->Count();
    for (std::int32_t i = 1; i <= count; ++i) {
      if (CodeWindowTabCaption(*windows, i) != caption) continue;
      host::Resume([&] { windows->Item(i)->SetVisible(true); });
      return;
    }
  });
}

}  // namespace tessaly::tabs
