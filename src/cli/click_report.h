#pragma once

// What a click did that does not show in the module's text, as one JSON object: where the
// caret ended up and the editor events (message boxes, pages opened, windows shown or hidden,
// forms opened).

#include <string>
#include <string_view>
#include <vector>

#include "cli/editor_session.h"

namespace tessaly::cli {

class ClickReport {
 public:
  // Notes the state before the click, so only the click's own events are reported.
  explicit ClickReport(EditorSession& session);
  std::string Json() const;
  // The object's members without its braces, to nest in a larger report.
  std::string Members() const;

 private:
  EditorSession& session_;
  std::size_t message_boxes_before_;
  std::size_t urls_before_;
  std::vector<std::pair<std::u16string, bool>> windows_before_;
  bool about_open_before_;
};

// A JSON string literal, quotes included, from UTF-16 text.
std::string JsonString(std::u16string_view text);

}  // namespace tessaly::cli
