#pragma once

// The two kinds of editor the add-in serves: VB6's own, and the VBA editor of an Office program
// at a version the add-in accepts (Excel's).

#include "sim/editor/editor_options.h"

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

}  // namespace tessaly::test_support
