#pragma once

// The editor's four cramped dialogs as their templates lay them out: class, style, title,
// design size and the child windows in the order the window system enumerates them. A test
// takes a layout, changes what it wants to probe (a child less, another style or process)
// and opens it on the desktop.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/window_system.h"

namespace tessaly::sim {

enum class EditorDialog { kReferences, kNewProject, kOpenProject, kComponents };

// Styles the editor's dialog templates produce.
inline constexpr std::uint32_t kDialogStyle = 0x94C800C4;
inline constexpr std::uint32_t kDialogStyleContextHelp = 0x94C820C4;
inline constexpr std::uint32_t kDialogStyleClipped = 0x96C800C4;

struct DialogChild {
  std::u16string class_name;
  // Relative to the parent's window rectangle (the simulation has no non-client area).
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<DialogChild> children;
};

struct DialogLayout {
  std::u16string class_name = u"#32770";
  std::u16string title;
  std::uint32_t style = kDialogStyle;
  host::Size size;
  std::vector<DialogChild> children;
  // The editor's own process when absent.
  std::optional<std::uint32_t> process;
};

// The VB6 IDE and the VBA editor lay out the references dialog differently; the other three
// exist in the VB6 IDE only, and a VBA editor gets the VB6 layout for them.
DialogLayout EditorDialogLayout(EditorDialog dialog, bool vb6);

}  // namespace tessaly::sim
