#pragma once

// One window of the editor: a code window, a tool window, the editor's own panels and its
// main frame. Tests place and link it; the add-in reads and shows it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/editor.h"
#include "sim/editor/call_log.h"

namespace tessaly::sim {

// Window types beyond those the add-in names.
inline constexpr std::int32_t kToolWindowType = 15;
inline constexpr std::int32_t kMainWindowType = 100;

class SimWindow : public host::Window {
 public:
  SimWindow(std::u16string caption, std::int32_t type, bool visible,
            std::shared_ptr<CallLog> calls);

  std::u16string Caption() override;
  std::int32_t Type() override;
  bool Visible() override;
  void SetVisible(bool visible) override;
  std::shared_ptr<host::Window> LinkedWindowFrame() override;
  std::int32_t Left() override;
  std::int32_t Top() override;
  void SetHeight(std::int32_t height) override;
  void SetFocus() override;
  host::WindowHandle HWnd() override;

  // Test side; not counted.
  const std::u16string& CaptionText() const { return caption_; }
  void SetCaptionText(std::u16string caption) { caption_ = std::move(caption); }
  std::int32_t WindowType() const { return type_; }
  bool IsVisible() const { return visible_; }
  void SetLeft(std::int32_t left) { left_ = left; }
  void SetTop(std::int32_t top) { top_ = top; }
  std::int32_t Height() const { return height_; }
  int FocusCount() const { return focus_count_; }
  // The handle the window's HWnd gives; 0: none, as for the windows the editors give none of.
  void SetHandle(host::WindowHandle handle) { handle_ = handle; }
  void LinkToFrame(std::shared_ptr<SimWindow> frame) { frame_ = std::move(frame); }
  const std::shared_ptr<host::UserDocument>& Document() const { return document_; }
  void SetDocument(std::shared_ptr<host::UserDocument> document) {
    document_ = std::move(document);
  }
  // What happens when the window is shown or focused: a code window makes its pane active.
  void OnBroughtToFront(std::function<void()> action) { brought_to_front_ = std::move(action); }

 private:
  void BringToFront();

  std::u16string caption_;
  std::int32_t type_;
  bool visible_;
  std::shared_ptr<CallLog> calls_;
  std::shared_ptr<SimWindow> frame_;
  std::shared_ptr<host::UserDocument> document_;
  std::function<void()> brought_to_front_;
  std::int32_t left_ = 0;
  std::int32_t top_ = 0;
  std::int32_t height_ = 0;
  int focus_count_ = 0;
  host::WindowHandle handle_ = 0;
};

}  // namespace tessaly::sim
