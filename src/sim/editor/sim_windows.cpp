#include "sim/editor/sim_windows.h"

#include <string>

#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::sim {

SimWindows::SimWindows(std::shared_ptr<CallLog> calls) : calls_(std::move(calls)) {}

std::int32_t SimWindows::Count() {
  calls_->Enter(u"Windows.Count");
  return static_cast<std::int32_t>(windows_.size());
}

std::shared_ptr<host::Window> SimWindows::Item(std::int32_t index) {
  calls_->Enter(u"Windows.Item");
  if (index < 1 || index > static_cast<std::int32_t>(windows_.size())) {
    throw calls_->Refused("Windows: no window " + std::to_string(index));
  }
  return windows_[index - 1];
}

std::shared_ptr<host::Window> SimWindows::Item(const std::u16string& caption) {
  calls_->Enter(u"Windows.Item");
  for (const auto& window : windows_) {
    if (window->CaptionText() == caption) return window;
  }
  throw calls_->Refused("Windows: no window " + text::ToUtf8(caption));
}

host::ToolWindow SimWindows::CreateToolWindow(host::AddInInstance& /*add_in*/,
                                              const std::u16string& prog_id,
                                              const std::u16string& caption,
                                              const std::u16string& /*position_guid*/) {
  calls_->Enter(u"Windows.CreateToolWindow");
  auto factory = factories_.find(prog_id);
  if (factory == factories_.end()) {
    throw calls_->Refused("CreateToolWindow: class not registered " + text::ToUtf8(prog_id));
  }
  auto document = factory->second();
  if (!document) throw calls_->Refused("CreateToolWindow: the class made no document");
  auto window = std::make_shared<SimWindow>(caption, kToolWindowType, false, calls_);
  window->SetDocument(document);
  Append(window);
  return host::ToolWindow{window, document};
}

void SimWindows::RegisterDocumentClass(const std::u16string& prog_id, DocumentFactory factory) {
  factories_[prog_id] = std::move(factory);
}

SimWindow& SimWindows::Append(std::shared_ptr<SimWindow> window) {
  windows_.push_back(std::move(window));
  return *windows_.back();
}

void SimWindows::Remove(const SimWindow& window) {
  std::erase_if(windows_, [&](const auto& item) { return item.get() == &window; });
}

SimWindow* SimWindows::Find(std::u16string_view caption) const {
  for (const auto& window : windows_) {
    if (window->CaptionText() == caption) return window.get();
  }
  return nullptr;
}

}  // namespace tessaly::sim
