#pragma once

// The tab tool window's document: one tab strip listing the open code windows. A user's
// click on a tab brings that module's window to the front; Code_Click only moves the
// selection.
//
// The editor creates it through the component's class factory and keeps it for as long as
// it keeps the window, which outlives any one loaded add-in. So the strip and its recycling
// position live here, and the add-in of the moment attaches itself while it is loaded. A
// detached document still lists and selects tabs but reaches no editor and no timer.

#include <cstdint>
#include <string>

#include "addin/connection.h"
#include "host/editor.h"
#include "tabs/tab_process_state.h"
#include "tabs/tab_strip.h"

namespace tessaly::tabs {

class VBIDETab : public host::UserDocument {
 public:
  VBIDETab();
  VBIDETab(const VBIDETab&) = delete;
  VBIDETab& operator=(const VBIDETab&) = delete;

  // Both must stay alive until Detach; attaching again replaces the previous add-in's.
  void Attach(const addin::Connection& connection, TabProcessState& state);
  // Only the add-in attached last detaches it.
  void Detach(const TabProcessState& state);
  bool IsAttached() const { return connection_ != nullptr; }

  // Lays the strip out and makes one tab per open code window, at most twelve.
  void TabInitialize() override;
  // The caption's tab is selected, made or recycled, and the pending double-click check ends.
  void Code_Click(const std::u16string& tabName) override;

  void SetTab(std::int32_t index, const std::u16string& caption);
  void AddTab(std::int32_t index, const std::u16string& caption);
  void SelectTab(std::int32_t index);

  // The position to reuse next, then counts the reuse. The count only ever matters modulo
  // the strip's size, so it wraps there instead of overflowing.
  std::int32_t NextRecycledTab();

  TabStrip TabStrip1;

 private:
  void SelectTabFor(const std::u16string& name);
  void TabStrip1_Click();

  const addin::Connection* connection_ = nullptr;
  TabProcessState* state_ = nullptr;
  std::int32_t tab_replace_counter_ = 0;
};

}  // namespace tessaly::tabs
