#include "cli/click_report.h"

#include <cstdio>

#include "text/surrogates.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

std::vector<std::pair<std::u16string, bool>> WindowStates(sim::SimEditor& editor) {
  std::vector<std::pair<std::u16string, bool>> states;
  for (const auto& window : editor.Windows()) {
    states.emplace_back(window->CaptionText(), window->IsVisible());
  }
  return states;
}

}  // namespace

ClickReport::ClickReport(EditorSession& session)
    : session_(session),
      message_boxes_before_(session.Os().system().MessageBoxes().size()),
      urls_before_(session.Os().system().OpenedUrls().size()),
      windows_before_(WindowStates(session.Editor())),
      about_open_before_(session.AddIn().AboutIsOpen()) {}

std::string ClickReport::Json() const {
  return "{" + Members() + "}\n";
}

std::string ClickReport::Members() const {
  const auto caret = session_.Caret();
  std::string json = "\"caret\":{\"start_line\":" + std::to_string(caret.start_line) +
                     ",\"start_column\":" + std::to_string(caret.start_column) +
                     ",\"end_line\":" + std::to_string(caret.end_line) +
                     ",\"end_column\":" + std::to_string(caret.end_column) + "}";

  json += ",\"message_boxes\":[";
  const auto& boxes = session_.Os().system().MessageBoxes();
  for (std::size_t i = message_boxes_before_; i < boxes.size(); ++i) {
    if (i > message_boxes_before_) json += ",";
    json += "{\"text\":" + JsonString(boxes[i].text) +
            ",\"caption\":" + JsonString(boxes[i].caption) +
            ",\"style\":" + std::to_string(boxes[i].style) + "}";
  }

  json += "],\"urls_opened\":[";
  const auto& urls = session_.Os().system().OpenedUrls();
  for (std::size_t i = urls_before_; i < urls.size(); ++i) {
    if (i > urls_before_) json += ",";
    json += JsonString(urls[i]);
  }

  json += "],\"windows\":[";
  bool first = true;
  for (const auto& [caption, visible] : WindowStates(session_.Editor())) {
    bool changed = true;
    for (const auto& [before_caption, before_visible] : windows_before_) {
      if (before_caption == caption) changed = before_visible != visible;
    }
    if (!changed) continue;
    if (!first) json += ",";
    first = false;
    json += "{\"caption\":" + JsonString(caption) + ",\"visible\":" + (visible ? "true" : "false") +
            "}";
  }

  json += "],\"forms_opened\":[";
  if (!about_open_before_ && session_.AddIn().AboutIsOpen()) json += "\"AboutFrm\"";
  json += "]";
  return json;
}

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (text::CodePointAt(text, i).units == 2) {
      out += text::ToUtf8(text.substr(i, 2));
      ++i;
      continue;
    }
    switch (unit) {
      case u'"':
        out += "\\\"";
        break;
      case u'\\':
        out += "\\\\";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'\t':
        out += "\\t";
        break;
      default:
        // Control characters and lone surrogates (escaped file bytes) are written as \u
        // escapes, so the report stays valid JSON whatever the text holds.
        if (unit < 0x20 || (unit >= 0xD800 && unit < 0xE000)) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
          out += escape;
        } else {
          out += text::ToUtf8(std::u16string_view(&unit, 1));
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace tessaly::cli
