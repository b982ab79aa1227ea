#pragma once

// What a click on the function menu does; the catalogue gives each caption its action.

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

}  // namespace tessaly::menu
