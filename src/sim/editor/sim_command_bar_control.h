#pragma once

// The Office command-bar controls of the simulated editor: buttons and popups with every
// property the add-in sets, and the click sinks connected to each control. A control belongs
// to its bar, not to whoever created it, so it outlives an add-in's connection.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor.h"
#include "sim/editor/call_log.h"

namespace tessaly::sim {

// The two ways a click reaches a sink: the VB6 editor's events object of a control, and the
// Office button's own click event.
enum class SinkKind { kCommandBarEvents, kButtonEvents };

struct ClickResult {
  int sinks_run = 0;
  bool handled = false;
  bool cancel_default = false;
};

struct ControlProperties {
  std::int32_t type = host::kButton;
  std::u16string caption;
  bool begin_group = false;
  std::int32_t face_id = 0;
  std::int32_t style = 0;
  std::u16string tooltip_text;
  std::u16string parameter;
  bool visible = true;
  bool enabled = true;
  // Every control an add-in adds is 1; the editor's own carry their built-in Id.
  std::int32_t id = 1;
};

class SimCommandBarControls;

class SimCommandBarControl : public host::CommandBarControl,
                             public std::enable_shared_from_this<SimCommandBarControl> {
 public:
  SimCommandBarControl(std::int32_t type, std::shared_ptr<CallLog> calls);

  std::u16string Caption() override;
  void SetCaption(const std::u16string& caption) override;
  std::int32_t Type() override;
  void SetBeginGroup(bool begin_group) override;
  void SetFaceId(std::int32_t face_id) override;
  void SetStyle(std::int32_t style) override;
  void SetTooltipText(const std::u16string& tip) override;
  void SetParameter(const std::u16string& parameter) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void Delete() override;
  std::shared_ptr<host::CommandBarControls> Controls() override;
  std::shared_ptr<host::ClickSource> ButtonEvents() override;
  std::int32_t Id() override;
  std::shared_ptr<host::CommandBar> CommandBar() override;

  // Test side; not counted.
  const ControlProperties& Properties() const { return properties_; }
  // For seeding the editor's own controls without counting calls.
  ControlProperties& MutableProperties() { return properties_; }
  bool IsDeleted() const { return deleted_; }
  // The controls of a popup; null for a button.
  const std::shared_ptr<SimCommandBarControls>& Children() const { return children_; }
  // Holds the sink until Disconnect with the returned cookie.
  std::uint64_t Connect(SinkKind kind, std::shared_ptr<host::ClickSink> sink);
  void Disconnect(SinkKind kind, std::uint64_t cookie);
  int LiveSinkCount(SinkKind kind) const;
  // Raises the click through every connected sink, the events object's first, as the editor
  // does.
  ClickResult RaiseClick();
  // Refuses every later call, as the editor does for a deleted control.
  void MarkDeleted();
  void SetOwner(std::weak_ptr<SimCommandBarControls> owner) { owner_ = std::move(owner); }
  // Makes this popup open an existing bar, as the menu bar's Add-Ins popup opens the Add-Ins
  // bar: both show the same controls.
  void OpenBar(std::shared_ptr<host::CommandBar> bar,
               std::shared_ptr<SimCommandBarControls> controls);
  void RequireAlive(const char* member) const;

 private:
  struct ConnectedSink {
    std::uint64_t cookie = 0;
    std::shared_ptr<host::ClickSink> sink;
  };
  using SinkList = std::vector<ConnectedSink>;
  bool IsConnected(SinkKind kind, std::uint64_t cookie) const;
  SinkList& Sinks(SinkKind kind) { return sinks_[static_cast<std::size_t>(kind)]; }
  const SinkList& Sinks(SinkKind kind) const { return sinks_[static_cast<std::size_t>(kind)]; }

  ControlProperties properties_;
  std::shared_ptr<CallLog> calls_;
  std::shared_ptr<SimCommandBarControls> children_;
  std::shared_ptr<host::CommandBar> bar_;
  std::weak_ptr<SimCommandBarControls> owner_;
  std::array<SinkList, 2> sinks_;
  std::uint64_t next_cookie_ = 1;
  bool deleted_ = false;
};

class SimCommandBarControls : public host::CommandBarControls,
                              public std::enable_shared_from_this<SimCommandBarControls> {
 public:
  explicit SimCommandBarControls(std::shared_ptr<CallLog> calls);

  std::int32_t Count() override;
  std::shared_ptr<host::CommandBarControl> Item(std::int32_t index) override;
  std::shared_ptr<host::CommandBarControl> Add(std::int32_t type) override;

  // Test side; not counted.
  const std::vector<std::shared_ptr<SimCommandBarControl>>& All() const { return controls_; }
  // The first control of that exact caption, or null.
  SimCommandBarControl* Find(std::u16string_view caption) const;
  std::shared_ptr<SimCommandBarControl> Append(std::int32_t type);
  void Remove(const SimCommandBarControl& control);
  void MarkDeleted();

 private:
  void RequireAlive(const char* member) const;

  std::shared_ptr<CallLog> calls_;
  std::vector<std::shared_ptr<SimCommandBarControl>> controls_;
  bool deleted_ = false;
};

}  // namespace tessaly::sim
