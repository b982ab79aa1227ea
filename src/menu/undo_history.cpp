#include "menu/undo_history.h"

#include <algorithm>

namespace tessaly::menu {

namespace {

std::size_t TextBytes(const std::u16string& text) {
  constexpr std::size_t kPerLine = 32;
  return text.size() * 2 + kPerLine;
}

}  // namespace

std::size_t KeptBytes(const LineEdit& edit) {
  std::size_t bytes = 0;
  for (const auto& line : edit.before)
    bytes += TextBytes(line);
  for (const auto& line : edit.after)
    bytes += TextBytes(line);
  return bytes;
}

std::size_t ChangeRecord::Bytes() const {
  std::size_t bytes = TextBytes(module);
  for (const auto& edit : edits)
    bytes += KeptBytes(edit);
  for (const auto& [line, text] : left)
    bytes += TextBytes(text);
  return bytes;
}

void UndoHistory::Add(ChangeRecord change) {
  const std::u16string module = change.module;
  bytes_ += change.Bytes();
  changes_.push_back(std::move(change));
  if (Count(module) > kChangesPerModule) {
    DropAt(std::find_if(changes_.begin(), changes_.end(),
                        [&](const ChangeRecord& kept) { return kept.module == module; }));
  }
  while (bytes_ > kBytesInAll && !changes_.empty())
    DropAt(changes_.begin());
}

void UndoHistory::DropAll() {
  changes_.clear();
  bytes_ = 0;
}

const ChangeRecord* UndoHistory::Newest(const std::u16string& module) const {
  const auto found = std::find_if(changes_.rbegin(), changes_.rend(),
                                  [&](const ChangeRecord& kept) { return kept.module == module; });
  return found == changes_.rend() ? nullptr : &*found;
}

void UndoHistory::DropNewest(const std::u16string& module) {
  const auto found = std::find_if(changes_.rbegin(), changes_.rend(),
                                  [&](const ChangeRecord& kept) { return kept.module == module; });
  if (found != changes_.rend()) DropAt(std::prev(found.base()));
}

std::size_t UndoHistory::Count(const std::u16string& module) const {
  return static_cast<std::size_t>(
      std::count_if(changes_.begin(), changes_.end(),
                    [&](const ChangeRecord& kept) { return kept.module == module; }));
}

void UndoHistory::DropAt(std::deque<ChangeRecord>::iterator change) {
  bytes_ -= change->Bytes();
  changes_.erase(change);
}

}  // namespace tessaly::menu
