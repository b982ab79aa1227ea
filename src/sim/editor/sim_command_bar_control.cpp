#include "sim/editor/sim_command_bar_control.h"

#include <algorithm>
#include <string>

#include "host/host_error.h"
#include "sim/editor/sim_click_source.h"
#include "sim/editor/sim_command_bars.h"

namespace tessaly::sim {

SimCommandBarControl::SimCommandBarControl(std::int32_t type, std::shared_ptr<CallLog> calls)
    : calls_(std::move(calls)) {
  properties_.type = type;
  if (type == host::kPopup) children_ = std::make_shared<SimCommandBarControls>(calls_);
}

void SimCommandBarControl::RequireAlive(const char* member) const {
  if (deleted_) throw calls_->Refused(std::string(member) + ": the control was deleted");
}

std::u16string SimCommandBarControl::Caption() {
  calls_->Enter(u"CommandBarControl.Caption");
  RequireAlive("Caption");
  return properties_.caption;
}

void SimCommandBarControl::SetCaption(const std::u16string& caption) {
  calls_->Enter(u"CommandBarControl.SetCaption");
  RequireAlive("SetCaption");
  properties_.caption = caption;
}

std::int32_t SimCommandBarControl::Type() {
  calls_->Enter(u"CommandBarControl.Type");
  RequireAlive("Type");
  return properties_.type;
}

void SimCommandBarControl::SetBeginGroup(bool begin_group) {
  calls_->Enter(u"CommandBarControl.SetBeginGroup");
  RequireAlive("SetBeginGroup");
  properties_.begin_group = begin_group;
}

void SimCommandBarControl::SetFaceId(std::int32_t face_id) {
  calls_->Enter(u"CommandBarControl.SetFaceId");
  RequireAlive("SetFaceId");
  // Only buttons carry an icon.
  if (properties_.type != host::kButton) throw calls_->Refused("SetFaceId: not a button");
  properties_.face_id = face_id;
}

void SimCommandBarControl::SetStyle(std::int32_t style) {
  calls_->Enter(u"CommandBarControl.SetStyle");
  RequireAlive("SetStyle");
  if (properties_.type != host::kButton) throw calls_->Refused("SetStyle: not a button");
  properties_.style = style;
}

void SimCommandBarControl::SetTooltipText(const std::u16string& tip) {
  calls_->Enter(u"CommandBarControl.SetTooltipText");
  RequireAlive("SetTooltipText");
  properties_.tooltip_text = tip;
}

void SimCommandBarControl::SetParameter(const std::u16string& parameter) {
  calls_->Enter(u"CommandBarControl.SetParameter");
  RequireAlive("SetParameter");
  properties_.parameter = parameter;
}

void SimCommandBarControl::SetVisible(bool visible) {
  calls_->Enter(u"CommandBarControl.SetVisible");
  RequireAlive("SetVisible");
  properties_.visible = visible;
}

void SimCommandBarControl::SetEnabled(bool enabled) {
  calls_->Enter(u"CommandBarControl.SetEnabled");
  RequireAlive("SetEnabled");
  properties_.enabled = enabled;
}

void SimCommandBarControl::Delete() {
  calls_->Enter(u"CommandBarControl.Delete");
  RequireAlive("Delete");
  if (auto owner = owner_.lock()) owner->Remove(*this);
  MarkDeleted();
}

std::shared_ptr<host::CommandBarControls> SimCommandBarControl::Controls() {
  calls_->Enter(u"CommandBarControl.Controls");
  RequireAlive("Controls");
  if (!children_) throw calls_->Refused("Controls: a button has no controls");
  return children_;
}

std::shared_ptr<host::ClickSource> SimCommandBarControl::ButtonEvents() {
  calls_->Enter(u"CommandBarControl.ButtonEvents");
  RequireAlive("ButtonEvents");
  if (properties_.type != host::kButton) throw calls_->Refused("ButtonEvents: not a button");
  return std::make_shared<SimClickSource>(weak_from_this(), SinkKind::kButtonEvents, calls_);
}

std::int32_t SimCommandBarControl::Id() {
  calls_->Enter(u"CommandBarControl.Id");
  RequireAlive("Id");
  return properties_.id;
}

std::shared_ptr<host::CommandBar> SimCommandBarControl::CommandBar() {
  calls_->Enter(u"CommandBarPopup.CommandBar");
  RequireAlive("CommandBar");
  if (!children_) throw calls_->Refused("CommandBar: a button opens no bar");
  if (!bar_) bar_ = std::make_shared<SimCommandBar>(properties_.caption, children_, calls_);
  return bar_;
}

void SimCommandBarControl::OpenBar(std::shared_ptr<host::CommandBar> bar,
                                   std::shared_ptr<SimCommandBarControls> controls) {
  bar_ = std::move(bar);
  children_ = std::move(controls);
}

std::uint64_t SimCommandBarControl::Connect(SinkKind kind, std::shared_ptr<host::ClickSink> sink) {
  const auto cookie = next_cookie_++;
  Sinks(kind).push_back({cookie, std::move(sink)});
  return cookie;
}

void SimCommandBarControl::Disconnect(SinkKind kind, std::uint64_t cookie) {
  std::erase_if(Sinks(kind), [&](const auto& connected) { return connected.cookie == cookie; });
}

bool SimCommandBarControl::IsConnected(SinkKind kind, std::uint64_t cookie) const {
  const auto& sinks = Sinks(kind);
  return std::any_of(sinks.begin(), sinks.end(),
                     [&](const auto& connected) { return connected.cookie == cookie; });
}

int SimCommandBarControl::LiveSinkCount(SinkKind kind) const {
  return static_cast<int>(Sinks(kind).size());
}

ClickResult SimCommandBarControl::RaiseClick() {
  ClickResult result;
  // Keeps the control alive while a sink deletes it or rebuilds the menu.
  auto self = shared_from_this();
  for (SinkKind kind : {SinkKind::kCommandBarEvents, SinkKind::kButtonEvents}) {
    // A snapshot: a sink disconnected by an earlier one during this click is not called.
    const SinkList snapshot = Sinks(kind);
    for (const auto& connected : snapshot) {
      if (!IsConnected(kind, connected.cookie)) continue;
      ++result.sinks_run;
      if (kind == SinkKind::kCommandBarEvents) {
        connected.sink->OnClick(*this, result.handled, result.cancel_default);
      } else {
        // The Office button's Click has no handled argument.
        bool unused_handled = false;
        connected.sink->OnClick(*this, unused_handled, result.cancel_default);
      }
    }
  }
  return result;
}

void SimCommandBarControl::MarkDeleted() {
  deleted_ = true;
  if (children_) children_->MarkDeleted();
}

SimCommandBarControls::SimCommandBarControls(std::shared_ptr<CallLog> calls)
    : calls_(std::move(calls)) {}

void SimCommandBarControls::RequireAlive(const char* member) const {
  if (deleted_) throw calls_->Refused(std::string(member) + ": the popup was deleted");
}

std::int32_t SimCommandBarControls::Count() {
  calls_->Enter(u"CommandBarControls.Count");
  RequireAlive("Count");
  return static_cast<std::int32_t>(controls_.size());
}

std::shared_ptr<host::CommandBarControl> SimCommandBarControls::Item(std::int32_t index) {
  calls_->Enter(u"CommandBarControls.Item");
  RequireAlive("Item");
  if (index < 1 || index > static_cast<std::int32_t>(controls_.size())) {
    throw calls_->Refused("Item: no control " + std::to_string(index));
  }
  return controls_[index - 1];
}

std::shared_ptr<host::CommandBarControl> SimCommandBarControls::Add(std::int32_t type) {
  calls_->Enter(u"CommandBarControls.Add");
  RequireAlive("Add");
  // Edit boxes and combo boxes exist in the editor but no feature uses them.
  if (type != host::kButton && type != host::kPopup) {
    throw calls_->Refused("Add: control type " + std::to_string(type) + " not supported");
  }
  return Append(type);
}

SimCommandBarControl* SimCommandBarControls::Find(std::u16string_view caption) const {
  for (const auto& control : controls_) {
    if (control->Properties().caption == caption) return control.get();
  }
  return nullptr;
}

std::shared_ptr<SimCommandBarControl> SimCommandBarControls::Append(std::int32_t type) {
  auto control = std::make_shared<SimCommandBarControl>(type, calls_);
  control->SetOwner(weak_from_this());
  controls_.push_back(control);
  return control;
}

void SimCommandBarControls::Remove(const SimCommandBarControl& control) {
  std::erase_if(controls_, [&](const auto& item) { return item.get() == &control; });
}

void SimCommandBarControls::MarkDeleted() {
  deleted_ = true;
  for (const auto& control : controls_)
    control->MarkDeleted();
}

}  // namespace tessaly::sim
