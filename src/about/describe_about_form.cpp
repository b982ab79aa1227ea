#include "about/describe_about_form.h"

namespace tessaly::about {

namespace {

std::u16string Mark(std::int32_t value) {
  switch (value) {
    case kChecked:
      return u"[x] ";
    case kUnchecked:
      return u"[ ] ";
    default:
      return u"[-] ";
  }
}

void AppendLines(const std::u16string& text, std::vector<std::u16string>& lines) {
  std::size_t start = 0;
  for (auto end = text.find(u'\r'); end != std::u16string::npos; end = text.find(u'\r', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
}

}  // namespace

std::vector<std::u16string> DescribeAboutForm(const AboutFrm& form) {
  std::vector<std::u16string> lines = {form.Caption};
  if (form.lblTitle.Visible) AppendLines(form.lblTitle.Caption, lines);
  for (const auto& box : form.Check1) {
    if (!box.Visible) continue;
    lines.push_back(Mark(box.Value) + box.Caption + (box.Enabled ? u"" : u"（不可用）"));
  }
  return lines;
}

}  // namespace tessaly::about
