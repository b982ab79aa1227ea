#pragma once

// The two kinds of editor the add-in serves: VB6's own, and the VBA editor of an Office program
// at a version the add-in accepts (Excel's).

#include <algorithm>
#include <string>

#include "sim/editor/sim_editor.h"

namespace tessaly::test_support {

inline sim::EditorOptions ExcelEditor() {
  sim::EditorOptions options;
  options.name = u"Microsoft Excel";
  options.version = u"7.01";
  return options;
}

inline sim::EditorOptions EditorFor(bool vb6) {
  return vb6 ? sim::EditorOptions{} : ExcelEditor();
}

// The add-in's live entries on the editor's Add-Ins bar (named in the editor's language).
inline int AddInsEntries(const sim::SimEditor& editor, const std::u16string& bar = u"Add-Ins") {
  return static_cast<int>(
      std::ranges::count_if(editor.Bar(bar).ControlList().All(), [](const auto& control) {
        return control->Properties().caption == u"Tessaly" && !control->IsDeleted();
      }));
}

}  // namespace tessaly::test_support
