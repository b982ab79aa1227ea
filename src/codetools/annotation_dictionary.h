#pragma once

// The English-to-Chinese dictionary behind code annotation: keywords, object-model
// members, common calls and a few whole statements, each with the Chinese text that stands
// for it in a generated comment.

#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tessaly::codetools {

// Find answers as a scan of the list from its start would (exact match, letter case included,
// first entry wins) without scanning: annotating a module looks up every word. Some keys occur
// twice and two end in a blank: the list is kept as users have always had it, and Find decides
// which entries can be reached.
class AnnotationDictionary {
 public:
  AnnotationDictionary();

  std::optional<std::u16string_view> Find(std::u16string_view key) const;

 private:
  std::unordered_map<std::u16string_view, std::size_t> first_index_;
};

}  // namespace tessaly::codetools
