#pragma once

// The tab-strip control the tab document carries: a row of captioned tabs with a selected
// index and a click notification. Indices count from 0, as the forms library counts them;
// an index outside the row is refused the way the control refuses it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessaly::tabs {

struct Tab {
  std::u16string Name;  // given when the tab is made, never shown
  std::u16string Caption;
  bool operator==(const Tab&) const = default;
};

class TabStrip {
 public:
  using ClickHandler = std::function<void(std::int32_t index)>;

  // As designed: one tab "Tab1", selected.
  TabStrip();

  std::int32_t Count() const { return static_cast<std::int32_t>(tabs_.size()); }
  const Tab& Item(std::int32_t index) const;
  const std::vector<Tab>& Tabs() const { return tabs_; }
  void SetCaption(std::int32_t index, const std::u16string& caption);
  // Appends a tab with an empty caption; returns its index.
  std::int32_t Add(const std::u16string& name);

  std::int32_t SelectedIndex() const { return selected_; }
  // Selecting from code changes the selection only; it raises no click.
  void SetSelectedIndex(std::int32_t index);
  const Tab& SelectedItem() const { return Item(selected_); }

  // Placement on the document, in twips.
  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

  void OnClick(ClickHandler handler) { on_click_ = std::move(handler); }
  // Runs after every change of what the strip shows (its tabs, a caption, the selection, its
  // place), so a face can redraw.
  void SetChangeListener(std::function<void()> listener) { on_change_ = std::move(listener); }
  // What the user's click on a tab does: the tab becomes the selected one, then the click
  // notification runs with its index.
  void UserClick(std::int32_t index);

 private:
  void RequireIndex(std::int32_t index) const;
  void Changed() const {
    if (on_change_) on_change_();
  }

  std::vector<Tab> tabs_;
  std::int32_t selected_ = 0;
  std::int32_t left_ = 0;
  std::int32_t top_ = 0;
  std::int32_t width_ = 4800;
  std::int32_t height_ = 3600;
  ClickHandler on_click_;
  std::function<void()> on_change_;
};

}  // namespace tessaly::tabs
