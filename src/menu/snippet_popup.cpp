#include "menu/snippet_popup.h"

#include <algorithm>

#include "host/resume.h"
#include "menu/required.h"

namespace tessaly::menu {
namespace {

constexpr std::int32_t kRefreshFaceId = 37;
constexpr std::int32_t kOpenFolderFaceId = 23;

std::u16string Number(std::size_t count) {
  const auto digits = std::to_string(count);
  return std::u16string(digits.begin(), digits.end());
}

std::shared_ptr<host::CommandBarControl> FindPopup(host::CommandBarControls& controls) {
  const auto count = host::ResumeOr<std::int32_t>(0, [&] { return controls.Count(); });
  for (std::int32_t i = 1; i <= count; ++i) {
    std::shared_ptr<host::CommandBarControl> control;
    host::Resume([&] { control = controls.Item(i); });
    if (!control) continue;
    const bool found = host::ResumeOr<bool>(false, [&] {
      return control->Type() == host::kPopup && control->Caption() == kSnippetPopupCaption;
    });
    if (found) return control;
  }
  return nullptr;
}

// Deleted from the last, so that a refused deletion does not shift the ones still to come.
void DeleteAll(host::CommandBarControls& controls) {
  const auto count = host::ResumeOr<std::int32_t>(0, [&] { return controls.Count(); });
  for (std::int32_t i = count; i >= 1; --i) {
    host::Resume([&] { Required(controls.Item(i)).Delete(); });
  }
}

}  // namespace

std::u16string UnreadableSnippetsNote(std::size_t count) {
  return Number(count) + u" 个片段无法读取";
}

std::u16string LeftOutSnippetsNote(std::size_t count) {
  return u"另有 " + Number(count) + u" 个片段未列出（最多 200 个）";
}

void AddSnippetPopup(host::CommandBarControls& bar_controls) {
  std::shared_ptr<host::CommandBarControl> popup;
  host::Resume([&] { popup = bar_controls.Add(host::kPopup); });
  host::Resume([&] { Required(popup).SetBeginGroup(true); });
  host::Resume([&] { Required(popup).SetCaption(kSnippetPopupCaption); });
}

void SnippetPopup::Fill(const SnippetLibrary& library, const SnippetPopupActions& actions) {
  ReleaseOwnSinks();
  std::shared_ptr<host::CommandBarControls> items;
  host::Resume([&] {
    auto bar =
        Required(Required(connection_.HostApplication).CommandBars()).Item(connection_.MenuBarName);
    auto bar_controls = Required(bar).Controls();
    auto popup = FindPopup(Required(bar_controls));
    if (!popup) {
      AddSnippetPopup(*bar_controls);
      popup = FindPopup(*bar_controls);
    }
    items = Required(popup).Controls();
  });
  if (!items) return;
  DeleteAll(*items);
  AddItems(*items, library.items, actions);
  const bool notes = library.unreadable > 0 || library.left_out > 0;
  if (library.unreadable > 0) AddNote(*items, UnreadableSnippetsNote(library.unreadable), true);
  if (library.left_out > 0) {
    AddNote(*items, LeftOutSnippetsNote(library.left_out), library.unreadable == 0);
  }
  const bool after_items = notes || !library.items.empty();
  AddButton(*items, kRefreshSnippetsCaption, after_items, kRefreshFaceId,
            [refresh = actions.refresh](const std::u16string&) { refresh(); });
  AddButton(*items, kOpenSnippetFolderCaption, false, kOpenFolderFaceId,
            [open = actions.open_folder](const std::u16string&) { open(); });
}

void SnippetPopup::ReleaseOwnSinks() {
  for (const auto& weak : own_sinks_) {
    const auto sink = weak.lock();
    if (!sink) continue;
    sink->Unadvise();
    if (sinks_) std::erase(*sinks_, sink);
  }
  own_sinks_.clear();
}

void SnippetPopup::AddItems(host::CommandBarControls& controls,
                            const std::vector<SnippetNode>& nodes,
                            const SnippetPopupActions& actions) {
  for (const auto& node : nodes) {
    if (!node.is_submenu) {
      AddButton(controls, node.caption, false, 0,
                [insert = actions.insert, caption = node.caption,
                 text = node.text](const std::u16string&) { insert(caption, text); });
      continue;
    }
    host::Resume([&] {
      auto submenu = controls.Add(host::kPopup);
      host::Resume([&] { Required(submenu).SetCaption(node.caption); });
      AddItems(Required(Required(submenu).Controls()), node.children, actions);
    });
  }
}

void SnippetPopup::AddButton(host::CommandBarControls& controls, const std::u16string& caption,
                             bool begin_group, std::int32_t face_id,
                             const addin::AppEventVBIDE::Dispatcher& action) {
  std::shared_ptr<host::CommandBarControl> button;
  host::Resume([&] { button = controls.Add(host::kButton); });
  if (!button) return;
  if (face_id != 0) {
    host::Resume([&] { button->SetStyle(host::kIconAndCaption); });
    host::Resume([&] { button->SetFaceId(face_id); });
  }
  if (begin_group) host::Resume([&] { button->SetBeginGroup(true); });
  host::Resume([&] { button->SetCaption(caption); });
  host::Resume([&] {
    addin::HookButton(connection_, sinks_, *button, action);
    own_sinks_.push_back(sinks_->back());
  });
}

void SnippetPopup::AddNote(host::CommandBarControls& controls, const std::u16string& caption,
                           bool begin_group) {
  std::shared_ptr<host::CommandBarControl> note;
  host::Resume([&] { note = controls.Add(host::kButton); });
  if (!note) return;
  if (begin_group) host::Resume([&] { note->SetBeginGroup(true); });
  host::Resume([&] { note->SetCaption(caption); });
  host::Resume([&] { note->SetEnabled(false); });
}

}  // namespace tessaly::menu
