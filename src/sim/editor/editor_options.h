#pragma once

#include <cstdint>
#include <string>

namespace tessaly::sim {

// What kind of editor the simulation plays. Any name other than the stand-alone editor's
// makes it an Office VBA editor.
// The language of the editor's user interface: it names the built-in bars and windows, and an
// add-in that looks them up by their English names finds nothing in a Chinese editor.
enum class EditorLanguage { kEnglish, kChinese };

struct EditorOptions {
  std::u16string name = u"Microsoft Visual Basic";
  std::u16string version = u"6.00";
  bool add_ins_bar = true;
  EditorLanguage language = EditorLanguage::kEnglish;
  // The marker closing a code window's caption; empty: the language's, "(Code)" or "(代码)".
  std::u16string code_marker;
  // Empty: the caption the host kind shows at design time.
  std::u16string main_caption;
  // The program the editor runs as; empty: the usual one of the editor named.
  std::u16string executable;
  // The file each project was last saved as (a VB6 .vbp, an Office document); empty: the
  // projects were never saved.
  std::u16string project_file;
};

inline constexpr char16_t kVb6HostName[] = u"Microsoft Visual Basic";

// The names the editor's user interface gives its own bars and windows.
struct BuiltInNames {
  std::u16string menu_bar;
  std::u16string add_ins_bar;
  std::u16string add_ins_popup;
  std::u16string immediate_window;
  std::u16string code_marker;
};

inline BuiltInNames NamesOf(const EditorOptions& options) {
  BuiltInNames names =
      options.language == EditorLanguage::kChinese
          ? BuiltInNames{u"菜单条", u"外接程序", u"外接程序(&A)", u"立即窗口", u"(代码)"}
          : BuiltInNames{u"Menu Bar", u"Add-Ins", u"&Add-Ins", u"Immediate", u"(Code)"};
  if (!options.code_marker.empty()) names.code_marker = options.code_marker;
  return names;
}

}  // namespace tessaly::sim
