#include "sim/editor/sim_command_bars.h"

#include <algorithm>

#include "host/host_error.h"
#include "text/ascii_case.h"
#include "text/utf.h"

namespace tessaly::sim {
SimCommandBar::SimCommandBar(std::u16string name, std::int32_t position, bool visible,
                             std::shared_ptr<CallLog> calls)
    : name_(std::move(name)),
      position_(position),
      visible_(visible),
      calls_(std::move(calls)),
      controls_(std::make_shared<SimCommandBarControls>(calls_)) {}

SimCommandBar::SimCommandBar(std::u16string name, std::shared_ptr<SimCommandBarControls> controls,
                             std::shared_ptr<CallLog> calls)
    : name_(std::move(name)),
      position_(host::kBarTop),
      visible_(false),
      calls_(std::move(calls)),
      controls_(std::move(controls)) {}

std::u16string SimCommandBar::Name() {
  calls_->Enter(u"CommandBar.Name");
  return name_;
}

bool SimCommandBar::Visible() {
  calls_->Enter(u"CommandBar.Visible");
  return visible_;
}

void SimCommandBar::SetVisible(bool visible) {
  calls_->Enter(u"CommandBar.SetVisible");
  visible_ = visible;
}

void SimCommandBar::SetEnabled(bool enabled) {
  calls_->Enter(u"CommandBar.SetEnabled");
  enabled_ = enabled;
}

std::shared_ptr<host::CommandBarControls> SimCommandBar::Controls() {
  calls_->Enter(u"CommandBar.Controls");
  return controls_;
}

std::shared_ptr<host::CommandBarControl> SimCommandBar::FindControl(std::int32_t id) {
  calls_->Enter(u"CommandBar.FindControl");
  for (const auto& control : controls_->All()) {
    if (control->Properties().id == id) return control;
  }
  return nullptr;
}

SimCommandBars::SimCommandBars(std::shared_ptr<CallLog> calls) : calls_(std::move(calls)) {}

std::shared_ptr<host::CommandBar> SimCommandBars::Item(const std::u16string& name) {
  calls_->Enter(u"CommandBars.Item");
  auto bar = FindShared(name);
  if (!bar) throw calls_->Refused("CommandBars: no bar " + text::ToUtf8(name));
  return bar;
}

std::shared_ptr<host::CommandBar> SimCommandBars::Add(const std::u16string& name,
                                                      std::int32_t position) {
  calls_->Enter(u"CommandBars.Add");
  if (name.empty() || FindShared(name)) {
    throw calls_->Refused("CommandBars.Add: invalid or duplicate name " + text::ToUtf8(name));
  }
  // A new bar stays hidden until it is shown, as in the editor.
  AddBar(name, position, false);
  return bars_.back();
}

std::shared_ptr<host::CommandBar> SimCommandBars::ActiveMenuBar() {
  calls_->Enter(u"CommandBars.ActiveMenuBar");
  if (!menu_bar_) throw calls_->Refused("ActiveMenuBar: the editor shows no menu bar");
  return menu_bar_;
}

void SimCommandBars::RemoveBar(std::u16string_view name) {
  const auto bar = FindShared(name);
  if (!bar) return;
  bar->ControlList().MarkDeleted();
  std::erase(bars_, bar);
}

SimCommandBar* SimCommandBars::Find(std::u16string_view name) const {
  return FindShared(name).get();
}

std::shared_ptr<SimCommandBar> SimCommandBars::FindShared(std::u16string_view name) const {
  for (const auto& bar : bars_) {
    if (text::EqualsIgnoringAsciiCase(bar->BarName(), name)) return bar;
  }
  return nullptr;
}

SimCommandBar& SimCommandBars::AddBar(std::u16string name, std::int32_t position, bool visible) {
  bars_.push_back(std::make_shared<SimCommandBar>(std::move(name), position, visible, calls_));
  return *bars_.back();
}

}  // namespace tessaly::sim
