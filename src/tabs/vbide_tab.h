#pragma once

// The tab tool window's document: one tab strip listing the open code windows. A user's
// click on a tab brings that module's window to the front; Code_Click only moves the
// selection.

#include <cstdint>
#include <string>

#include "addin/connection.h"
#include "host/editor.h"
#include "tabs/tab_process_state.h"
#include "tabs/tab_strip.h"

namespace tessaly::tabs {

class VBIDETab : public host::UserDocument {
 public:
  VBIDETab(addin::Connection& connection, TabProcessState& state);
  VBIDETab(const VBIDETab&) = delete;
  VBIDETab& operator=(const VBIDETab&) = delete;

  // Lays the strip out and makes one tab per open code window, at most twelve.
  void TabInitialize();
  // tabName is a code window's full caption: its tab is selected, made or recycled, and the
  // pending double-click check ends.
  void Code_Click(const std::u16string& tabName);

  void SetTab(std::int32_t index, const std::u16string& caption);
  void AddTab(std::int32_t index, const std::u16string& caption);
  void SelectTab(std::int32_t index);

  TabStrip TabStrip1;

 private:
  void SelectTabFor(const std::u16string& name);
  void TabStrip1_Click();

  addin::Connection& connection_;
  TabProcessState& state_;
};

}  // namespace tessaly::tabs
