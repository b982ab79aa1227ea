#pragma once

// The small editing commands of the bar's buttons. Each works on the click's start line or
// selected lines and leaves the caret where the user continues typing.

#include <string>

#include "menu/click_module.h"
#include "menu/click_state.h"

namespace tessaly::menu {

enum class DebugLineKind { kMessageBox, kDebugPrint };

// "公私(&J)": Private <-> Public; any other line is made Private.
void SwitchPublicPrivate(ClickModule& module, const ClickState& click);
// "注释(&Z)": comments or uncomments each selected line.
void ToggleComment(ClickModule& module, const ClickState& click);
// "删行(&X)".
void DeleteLines(ClickModule& module, const ClickState& click);
// "粘贴(&S)": inserts the clipboard's text, replacing the selected lines or a blank caret line.
void PasteText(ClickModule& module, const ClickState& click, const std::u16string& clipboard);
// "注解(&C)": a comment-prefix line above the caret line.
void InsertCommentPrefix(ClickModule& module, const ClickState& click);
// "分割(&B)": a separator line, or the caret's separator completed to display column 150.
void InsertSeparator(ClickModule& module, const ClickState& click);
// "弹窗" and "调试".
void InsertDebugLine(ClickModule& module, const ClickState& click, DebugLineKind kind);
// "文本": wraps the selection in double quotes.
void QuoteSelection(ClickModule& module, const ClickState& click);
// "链接" and "换行": the selection is replaced by the operator or constant, blanks around it.
void ReplaceSelection(ClickModule& module, const ClickState& click,
                      const std::u16string& replacement);

}  // namespace tessaly::menu
