#pragma once

// The editor's window list, including the tool windows add-ins create. Tool-window documents
// come from factories registered by ProgID, as the editor creates a registered class.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/sim_window.h"

namespace tessaly::sim {

using DocumentFactory = std::function<std::shared_ptr<host::UserDocument>()>;

class SimWindows : public host::Windows {
 public:
  explicit SimWindows(std::shared_ptr<CallLog> calls);

  std::int32_t Count() override;
  std::shared_ptr<host::Window> Item(std::int32_t index) override;
  std::shared_ptr<host::Window> Item(const std::u16string& caption) override;
  host::ToolWindow CreateToolWindow(host::AddInInstance& add_in, const std::u16string& prog_id,
                                    const std::u16string& caption,
                                    const std::u16string& position_guid) override;

  // Test side; not counted.
  void RegisterDocumentClass(const std::u16string& prog_id, DocumentFactory factory);
  SimWindow& Append(std::shared_ptr<SimWindow> window);
  void Remove(const SimWindow& window);
  SimWindow* Find(std::u16string_view caption) const;
  const std::vector<std::shared_ptr<SimWindow>>& All() const { return windows_; }

 private:
  std::shared_ptr<CallLog> calls_;
  std::vector<std::shared_ptr<SimWindow>> windows_;
  std::map<std::u16string, DocumentFactory, std::less<>> factories_;
};

}  // namespace tessaly::sim
