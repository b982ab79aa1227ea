#include "sim/desktop/sim_desktop.h"

#include <stdexcept>
#include <vector>

#include "text/utf.h"

namespace tessaly::sim {
namespace {

// The frame fills a 1024 x 768 screen: a menu and tool bar band, the MDI area on the left
// with the docking view along its bottom, the project explorer on the right.
constexpr host::Rect kMainRect{0, 0, 1024, 768};
constexpr host::Rect kMdiRect{0, 60, 800, 768};
constexpr host::Rect kDockingRect{0, 600, 800, 768};
constexpr host::Rect kDockedImmediateRect{0, 620, 800, 768};
constexpr host::Rect kProjectRect{800, 60, 1024, 400};
constexpr host::Rect kProjectTreeRect{800, 80, 1024, 400};
constexpr host::Rect kPaletteRect{300, 300, 700, 500};
constexpr host::Rect kFloatingImmediateRect{300, 320, 700, 500};
constexpr host::Rect kHiddenImmediateRect{0, 0, 400, 150};

// Editor windows in the MDI area get side-by-side slots above the docking view, four to a
// row, so the window under a slot's middle is that slot's window.
constexpr std::int32_t kSlotWidth = 200;
constexpr std::int32_t kSlotHeight = 520;
constexpr std::int32_t kSlotsPerRow = 4;

host::Rect Slot(int index) {
  const std::int32_t left = (index % kSlotsPerRow) * kSlotWidth;
  const std::int32_t top = kMdiRect.top + (index / kSlotsPerRow) * 20;
  return {left, top, left + kSlotWidth, top + kSlotHeight};
}

}  // namespace

SimDesktop::SimDesktop(SimEditor& editor, SimOs& os)
    : editor_(editor),
      os_(os),
      process_(os.windows().CurrentProcessId()),
      docking_frame_(
          std::make_shared<SimWindow>(u"", kToolWindowType, true, std::make_shared<CallLog>())) {
  immediate_proc_ = os_.windows().RegisterEditorProc(
      [edit = immediate_edit_, &windows = os_.windows()](host::WindowHandle, std::uint32_t message,
                                                         std::uintptr_t w_param, std::intptr_t) {
        if (message == host::kWmKeyDown && w_param < 256) {
          edit->KeyDown(static_cast<std::uint32_t>(w_param), windows.GetKeyboardState());
        }
        return std::intptr_t{0};
      });
  main_ = CreateChild(0, kMainWindowClass, editor_.MainWindow().CaptionText(), kMainRect);
  mdi_client_ = CreateChild(main_, u"MDIClient", u"", kMdiRect);
  docking_view_ = CreateChild(mdi_client_, u"DockingView", u"", kDockingRect);
  project_ = CreateChild(main_, u"PROJECT", u"", kProjectRect);
  project_tree_ = CreateChild(project_, u"SysTreeView32", u"", kProjectTreeRect);
  editor_.MainWindow().SetHandle(main_);
  Sync();
}

host::WindowHandle SimDesktop::CreateChild(host::WindowHandle parent,
                                           const std::u16string& class_name,
                                           const std::u16string& title, host::Rect rect,
                                           bool visible) {
  return os_.windows().CreateWindow(
      WindowParams(class_name, title, 0, rect, parent, process_, visible));
}

host::WindowHandle SimDesktop::CreateInMdiArea(const std::u16string& title, bool visible) {
  return CreateChild(mdi_client_, kEditorWindowClass, title, Slot(mdi_slots_used_++), visible);
}

void SimDesktop::Sync() {
  os_.windows().SetWindowText(main_, editor_.MainWindow().CaptionText());
  SyncCodeWindows();
  PlaceImmediateWindow();
}

void SimDesktop::SyncCodeWindows() {
  std::map<const SimWindow*, host::WindowHandle> kept;
  for (const auto& window : editor_.Windows()) {
    if (window->WindowType() != host::kCodeWindow) continue;
    auto found = code_windows_.find(window.get());
    host::WindowHandle handle = 0;
    if (found == code_windows_.end()) {
      handle = CreateInMdiArea(window->CaptionText(), window->IsVisible());
    } else {
      handle = found->second;
      code_windows_.erase(found);
      os_.windows().SetWindowText(handle, window->CaptionText());
      os_.windows().SetVisible(handle, window->IsVisible());
    }
    kept.emplace(window.get(), handle);
  }
  // What is left belongs to windows the editor closed.
  for (const auto& [window, handle] : code_windows_)
    os_.windows().DestroyWindow(handle);
  code_windows_ = std::move(kept);
}

SimWindow* SimDesktop::EditorImmediateWindow() const {
  for (const auto& window : editor_.Windows()) {
    if (window->WindowType() == host::kImmediateWindow) return window.get();
  }
  return nullptr;
}

SimDesktop::ImmediatePlace SimDesktop::ImmediatePlacement() const {
  if (immediate_linked_) return ImmediatePlace::kFloating;
  const SimWindow* window = EditorImmediateWindow();
  return window && window->IsVisible() ? ImmediatePlace::kDocked : ImmediatePlace::kHidden;
}

void SimDesktop::PlaceImmediateWindow() {
  const SimWindow* window = EditorImmediateWindow();
  const auto place = ImmediatePlacement();
  if (window && immediate_ != 0 && immediate_place_ == place) {
    os_.windows().SetWindowText(immediate_, window->CaptionText());
    if (palette_ != 0) os_.windows().SetVisible(palette_, window->IsVisible());
    return;
  }
  if (palette_ != 0) os_.windows().DestroyWindow(palette_);
  if (immediate_ != 0) os_.windows().DestroyWindow(immediate_);
  palette_ = immediate_ = 0;
  immediate_place_.reset();
  if (!window) return;
  const auto& caption = window->CaptionText();
  switch (place) {
    case ImmediatePlace::kDocked:
      immediate_ = CreateChild(docking_view_, kEditorWindowClass, caption, kDockedImmediateRect);
      break;
    case ImmediatePlace::kHidden:
      immediate_ = CreateChild(main_, kEditorWindowClass, caption, kHiddenImmediateRect, false);
      break;
    case ImmediatePlace::kFloating:
      palette_ = CreateChild(0, kFloatingPaletteClass, u"", kPaletteRect, window->IsVisible());
      immediate_ = CreateChild(palette_, kEditorWindowClass, caption, kFloatingImmediateRect);
      break;
  }
  os_.windows().SetWindowProc(immediate_, immediate_proc_);
  immediate_place_ = place;
}

void SimDesktop::SetImmediateLinked(bool linked) {
  immediate_linked_ = linked;
  if (SimWindow* window = EditorImmediateWindow()) {
    window->LinkToFrame(linked ? docking_frame_ : nullptr);
  }
  Sync();
}

host::WindowHandle SimDesktop::CodeWindow(std::u16string_view module) const {
  const SimCodeModule& code_module = editor_.Module(std::u16string(module));
  const auto found = code_windows_.find(&code_module.Pane()->CodeWindow());
  if (found == code_windows_.end()) {
    throw std::invalid_argument("no native code window for " + text::ToUtf8(module));
  }
  return found->second;
}

host::WindowHandle SimDesktop::AddEditorWindow(const std::u16string& title) {
  return CreateInMdiArea(title, true);
}

host::WindowHandle SimDesktop::OpenDialog(EditorDialog dialog) {
  return OpenDialog(EditorDialogLayout(dialog, editor_.App().IsVb6()));
}

host::WindowHandle SimDesktop::OpenDialog(const DialogLayout& layout) {
  const auto screen = os_.windows().ScreenSize();
  const std::int32_t left = (screen.width - layout.size.width) / 2;
  const std::int32_t top = (screen.height - layout.size.height) / 2;
  const host::Rect rect{left, top, left + layout.size.width, top + layout.size.height};
  const auto dialog = os_.windows().CreateWindow(WindowParams(
      layout.class_name, layout.title, layout.style, rect, 0, layout.process.value_or(process_)));
  CreateDialogChildren(dialog, layout.children);
  os_.windows().SetForeground(dialog);
  return dialog;
}

void SimDesktop::CreateDialogChildren(host::WindowHandle parent,
                                      const std::vector<DialogChild>& children) {
  const auto origin = os_.windows().WindowRect(parent);
  for (const auto& child : children) {
    const host::Rect rect{origin.left + child.x, origin.top + child.y,
                          origin.left + child.x + child.width, origin.top + child.y + child.height};
    const auto handle = CreateChild(parent, child.class_name, u"", rect);
    CreateDialogChildren(handle, child.children);
  }
}

host::Point SimDesktop::CenterOf(host::WindowHandle window) const {
  const auto rect = os_.windows().WindowRect(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void SimDesktop::PointAt(host::WindowHandle window) {
  os_.windows().SetCursor(CenterOf(window));
}

}  // namespace tessaly::sim
