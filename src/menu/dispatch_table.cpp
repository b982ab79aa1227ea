#include "menu/dispatch_table.h"

#include <utility>

namespace tessaly::menu {
namespace {

// clang-format off
constexpr std::pair<std::u16string_view, MenuAction> kDispatchTable[] = {
    {u"代码缩进",   MenuAction::kIndentCode},
    {u"取消对齐",   MenuAction::kUnalignComments},
    {u"删除注解",   MenuAction::kDeleteComments},
    {u"删除空行",   MenuAction::kDeleteBlankLines},
    {u"取消缩进",   MenuAction::kUnindent},
    {u"代码注解",   MenuAction::kAnnotateCode},
    {u"注解对齐",   MenuAction::kAlignComments},
    {u"在线翻译",   MenuAction::kTranslate},
    {u"在线搜索",   MenuAction::kSearch},
    {u"撤销上次修改", MenuAction::kUndoLastChange},
    {u"资管(&G)",   MenuAction::kToggleProjectExplorer},
    {u"属性(&Y)",   MenuAction::kTogglePropertiesWindow},
    {u"立即(&M)",   MenuAction::kToggleImmediateWindow},
    {u"清屏(&N)",   MenuAction::kClearImmediateWindow},
    {u"公私(&J)",   MenuAction::kSwitchPublicPrivate},
    {u"注释(&Z)",   MenuAction::kToggleComment},
    {u"删行(&X)",   MenuAction::kDeleteLines},
    {u"粘贴(&S)",   MenuAction::kPaste},
    {u"注解(&C)",   MenuAction::kCommentPrefix},
    {u"分割(&B)",   MenuAction::kSeparator},
    {u"弹窗",       MenuAction::kMessageBoxLine},
    {u"调试",       MenuAction::kDebugPrintLine},
    {u"文本",       MenuAction::kQuote},
    {u"链接",       MenuAction::kConcatenation},
    {u"换行",       MenuAction::kLineBreak},
    {u"关于程序",   MenuAction::kAbout},
    {u"TessalyAid", MenuAction::kAbout},
    // The Add-Ins entry's caption in the VBA editors, whose click comes through here.
    {u"Tessaly",    MenuAction::kAbout},
};
// clang-format on

}  // namespace

MenuAction ActionOfCaption(std::u16string_view caption) {
  for (const auto& [key, action] : kDispatchTable) {
    if (caption == key) return action;
  }
  return MenuAction::kSnippet;
}

}  // namespace tessaly::menu
