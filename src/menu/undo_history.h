#pragma once

// The changes "撤销上次修改" can take back, newest last, for as long as the add-in stays
// connected: up to 50 per module and 8 MB in all, the oldest going first.

#include <cstddef>
#include <deque>
#include <string>

#include "menu/change_record.h"

namespace tessaly::menu {

class UndoHistory {
 public:
  static constexpr std::size_t kChangesPerModule = 50;
  static constexpr std::size_t kBytesInAll = std::size_t{8} << 20;

  // A change larger than kBytesInAll by itself pushes out every change before it, and then
  // itself: the history is empty.
  void Add(ChangeRecord change);
  // What Add does with a change too large to keep, for one never recorded in full.
  void DropAll();
  // The newest change of the module; null when it has none.
  const ChangeRecord* Newest(const std::u16string& module) const;
  void DropNewest(const std::u16string& module);

  std::size_t Count(const std::u16string& module) const;
  std::size_t Bytes() const { return bytes_; }

 private:
  void DropAt(std::deque<ChangeRecord>::iterator change);

  // Every module's changes, oldest first.
  std::deque<ChangeRecord> changes_;
  std::size_t bytes_ = 0;
};

}  // namespace tessaly::menu
