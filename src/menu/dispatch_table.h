#pragma once

// What a clicked caption means. Captions are compared whole and case-sensitively, in the
// order of the table; anything that is not a command is taken for a snippet's caption.

#include <string_view>

namespace tessaly::menu {

enum class MenuAction {
  kIndentCode,
  kUnalignComments,
  kDeleteComments,
  kDeleteBlankLines,
  kUnindent,
  kAnnotateCode,
  kAlignComments,
  kTranslate,
  kSearch,
  kToggleProjectExplorer,
  kTogglePropertiesWindow,
  kToggleImmediateWindow,
  kClearImmediateWindow,
  kSwitchPublicPrivate,
  kToggleComment,
  kDeleteLines,
  kPaste,
  kCommentPrefix,
  kSeparator,
  kMessageBoxLine,
  kDebugPrintLine,
  kQuote,
  kConcatenation,
  kLineBreak,
  kAbout,
  kUndoLastChange,
  kSnippet,
};

MenuAction ActionOfCaption(std::u16string_view caption);

}  // namespace tessaly::menu
