#pragma once

// The popup "我的代码" on the function menu's bar: the user's snippets, a note for those left
// out, then "刷新" and "打开片段文件夹". Each button is wired to its own action, never found
// again by its caption, so a snippet named like a command inserts the snippet. The popup's
// sinks are kept in ButtonSinks with the bar's, and this popup lets go of its own before it
// fills itself again: a refresh leaves one sink per button.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "menu/snippet_library.h"

namespace tessaly::menu {

inline constexpr char16_t kSnippetPopupCaption[] = u"我的代码";
inline constexpr char16_t kRefreshSnippetsCaption[] = u"刷新";
inline constexpr char16_t kOpenSnippetFolderCaption[] = u"打开片段文件夹";

std::u16string UnreadableSnippetsNote(std::size_t count);
std::u16string LeftOutSnippetsNote(std::size_t count);

struct SnippetPopupActions {
  std::function<void(const std::u16string& caption, const std::u16string& text)> insert;
  std::function<void()> refresh;
  std::function<void()> open_folder;
};

// Adds the empty popup to the bar's controls; the build calls this after the catalogue's
// popups, so that it stands with them.
void AddSnippetPopup(host::CommandBarControls& bar_controls);

class SnippetPopup {
 public:
  SnippetPopup(const addin::Connection& connection, addin::ButtonSinks& sinks)
      : connection_(connection), sinks_(sinks) {}

  // Empties the popup (added at the bar's end when the bar has none) and fills it from the
  // library. A refused step is skipped and the rest is still built.
  void Fill(const SnippetLibrary& library, const SnippetPopupActions& actions);

 private:
  void ReleaseOwnSinks();
  void AddItems(host::CommandBarControls& controls, const std::vector<SnippetNode>& nodes,
                const SnippetPopupActions& actions);
  void AddButton(host::CommandBarControls& controls, const std::u16string& caption,
                 bool begin_group, std::int32_t face_id,
                 const addin::AppEventVBIDE::Dispatcher& action);
  void AddNote(host::CommandBarControls& controls, const std::u16string& caption, bool begin_group);

  const addin::Connection& connection_;
  addin::ButtonSinks& sinks_;
  std::vector<std::weak_ptr<addin::AppEventVBIDE>> own_sinks_;
};

}  // namespace tessaly::menu
