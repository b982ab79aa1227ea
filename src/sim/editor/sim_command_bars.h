#pragma once

// The editor's command bars. They belong to the editor, so a bar an add-in built stays, with
// its controls, after the add-in disconnects; the next connection finds it by name.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/sim_command_bar_control.h"

namespace tessaly::sim {

struct BarProperties {
  std::u16string name;
  std::int32_t position = host::kBarTop;
  bool visible = false;
  bool enabled = true;
};

class SimCommandBar : public host::CommandBar {
 public:
  SimCommandBar(std::u16string name, std::int32_t position, bool visible,
                std::shared_ptr<CallLog> calls);
  // The bar a popup opens, over the popup's own controls.
  SimCommandBar(std::u16string name, std::shared_ptr<SimCommandBarControls> controls,
                std::shared_ptr<CallLog> calls);

  std::u16string Name() override;
  bool Visible() override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  std::shared_ptr<host::CommandBarControls> Controls() override;
  std::shared_ptr<host::CommandBarControl> FindControl(std::int32_t id) override;

  // Test side; not counted.
  const std::u16string& BarName() const { return name_; }
  std::int32_t Position() const { return position_; }
  bool IsVisible() const { return visible_; }
  bool IsEnabled() const { return enabled_; }
  BarProperties Properties() const { return {name_, position_, visible_, enabled_}; }
  SimCommandBarControls& ControlList() const { return *controls_; }
  const std::shared_ptr<SimCommandBarControls>& SharedControls() const { return controls_; }

 private:
  std::u16string name_;
  std::int32_t position_;
  bool visible_;
  bool enabled_ = true;
  std::shared_ptr<CallLog> calls_;
  std::shared_ptr<SimCommandBarControls> controls_;
};

class SimCommandBars : public host::CommandBars {
 public:
  explicit SimCommandBars(std::shared_ptr<CallLog> calls);

  // Names compare in any letter case, as the editor's do.
  std::shared_ptr<host::CommandBar> Item(const std::u16string& name) override;
  std::shared_ptr<host::CommandBar> Add(const std::u16string& name, std::int32_t position) override;
  std::shared_ptr<host::CommandBar> ActiveMenuBar() override;

  // Test side; not counted.
  SimCommandBar* Find(std::u16string_view name) const;
  SimCommandBar& AddBar(std::u16string name, std::int32_t position, bool visible);
  void SetActiveMenuBar(std::u16string_view name) { menu_bar_ = FindShared(name); }
  const std::vector<std::shared_ptr<SimCommandBar>>& All() const { return bars_; }
  // The user deletes the bar: it leaves the editor, and its controls refuse every call.
  void RemoveBar(std::u16string_view name);

 private:
  std::shared_ptr<SimCommandBar> FindShared(std::u16string_view name) const;

  std::shared_ptr<CallLog> calls_;
  std::vector<std::shared_ptr<SimCommandBar>> bars_;
  std::shared_ptr<SimCommandBar> menu_bar_;
};

}  // namespace tessaly::sim
