#pragma once

// A module's visible lines laid out as they are read, for `tessaly fmt`: each statement goes to
// the walk of "代码缩进" (codetools/indent_walk.h) as soon as its last line is read, so a
// module is read once, not split into a list of lines, then laid out, then measured. The
// layouts are kept for writing the module, or, for --check, only summed into what the module
// comes to.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "codetools/indent_style.h"
#include "codetools/indent_walk.h"
#include "codetools/line_kinds.h"
#include "codetools/line_layout.h"

namespace tessaly::cli {

// What re-indenting does to a module, summed line by line: the blanks and tabs the layouts put
// in and take out, apart so that neither sum can wrap round, and whether any line's bytes change.
struct ReindentedSize {
  std::size_t added = 0;
  std::size_t removed = 0;
  bool changes = false;

  // `line` as it stands, or narrowed (line_scan.h): the narrowed lines keep their blanks, so they
  // tell what changes as the bytes would.
  void Add(std::string_view line, const codetools::LineLayout& layout) {
    added += layout.Indentation();
    removed += layout.strip + layout.trim;
    changes = changes || codetools::ChangesLine(line, layout);
  }
  std::size_t Of(std::size_t module_size) const { return module_size - removed + added; }
};

class ReindentAsRead {
 public:
  // `scratch` has room for the module's bytes (line_scan.h narrows lines into it), or is null
  // where no line is narrowed. With `kept`, each visible line's layout is appended to it.
  ReindentAsRead(const codetools::IndentStyle& style, char* scratch,
                 std::vector<codetools::LineLayout>* kept)
      : walk_(style), scratch_(scratch), free_(scratch), kept_(kept) {}

  // Where the next line may be narrowed to.
  char* Scratch() const { return free_; }
  // The next visible line, `bytes` as it stands in the file; the scan narrowed it from
  // Scratch() up to `narrowed_end` where that moved.
  void Add(std::string_view bytes, char* narrowed_end) {
    const std::string_view read =
        narrowed_end == free_
            ? bytes
            : std::string_view(free_, static_cast<std::size_t>(narrowed_end - free_));
    const bool continues = codetools::ContinuesOnNextLine(read);
    if (statement_.empty() && !continues) {
      // A statement of one line, as most are.
      Count(read, walk_.LayOutStatement(read));
      return;
    }
    statement_.push_back(read);
    free_ = narrowed_end;  // kept until the statement is laid out
    if (!continues) LayOutStatement();
  }

  // What the module's lines come to, once every line is in: the last statement may be left
  // continued at the end of the module.
  ReindentedSize Finish() {
    if (!statement_.empty()) LayOutStatement();
    return size_;
  }

 private:
  void LayOutStatement();

  void Count(std::string_view read, const codetools::LineLayout& layout) {
    if (kept_) kept_->push_back(layout);
    size_.Add(read, layout);
  }

  codetools::IndentWalk walk_;
  char* const scratch_;
  char* free_;  // the scratch past the lines of the statement being read
  std::vector<codetools::LineLayout>* const kept_;
  std::vector<std::string_view> statement_;  // its lines read so far
  std::vector<codetools::LineLayout> layouts_;
  ReindentedSize size_;
};

}  // namespace tessaly::cli
