#pragma once

#include <string>

namespace tessaly::sim {

// What kind of editor the simulation plays. Any name other than the stand-alone editor's
// makes it an Office VBA editor.
struct EditorOptions {
  std::u16string name = u"Microsoft Visual Basic";
  std::u16string version = u"6.00";
  bool add_ins_bar = true;
  // The marker closing a code window's caption; the Chinese editor writes "(代码)".
  std::u16string code_marker = u"(Code)";
  // Empty: the caption the host kind shows at design time.
  std::u16string main_caption;
  // The program the editor runs as; empty: the usual one of the editor named.
  std::u16string executable;
};

inline constexpr char16_t kVb6HostName[] = u"Microsoft Visual Basic";

}  // namespace tessaly::sim
