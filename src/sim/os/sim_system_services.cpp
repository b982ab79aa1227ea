#include "sim/os/sim_system_services.h"

#include "host/host_error.h"
#include "text/ascii_case.h"
#include "text/gbk.h"
#include "text/surrogates.h"

namespace tessaly::sim {

std::int32_t SimSystemServices::MessageBox(const std::u16string& text,
                                           const std::u16string& caption, std::int32_t style) {
  message_boxes_.push_back({text, caption, style});
  if (modal_) modal_(reading_ms_);
  return message_box_answer_;
}

std::u16string SimSystemServices::EnvironmentVariable(const std::u16string& name) {
  const auto it = environment_.find(text::AsciiUppercased(name));
  return it == environment_.end() ? std::u16string() : it->second;
}

void SimSystemServices::SetEnvironmentVariable(const std::u16string& name,
                                               const std::u16string& value) {
  environment_[text::AsciiUppercased(name)] = value;
}

void SimSystemServices::RemoveEnvironmentVariable(const std::u16string& name) {
  environment_.erase(text::AsciiUppercased(name));
}

// As the system expands: %NAME% of a defined variable becomes its value; an undefined
// reference and a lone percent sign stay as written.
std::u16string SimSystemServices::ExpandEnvironmentStrings(const std::u16string& text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto open = text.find(u'%', i);
    if (open == std::u16string::npos) break;
    const auto close = text.find(u'%', open + 1);
    if (close == std::u16string::npos) break;
    out.append(text, i, open - i);
    const auto name = text.substr(open + 1, close - open - 1);
    const auto it = environment_.find(text::AsciiUppercased(name));
    if (!name.empty() && it != environment_.end()) {
      out += it->second;
      i = close + 1;
    } else {
      // The closing sign may open the next reference.
      out.append(text, open, close - open);
      i = close;
    }
  }
  out.append(text, i, std::u16string::npos);
  return out;
}

bool SimSystemServices::IsWow64Process() {
  if (!wow64_) throw host::HostError("IsWow64Process is not available on this system");
  return *wow64_;
}

std::u16string SimSystemServices::WmiOsCaption() {
  if (!wmi_caption_) throw host::HostError("the Win32_OperatingSystem query failed");
  return *wmi_caption_;
}

// Characters code page 936 cannot hold become '?', as the system's conversion makes them.
std::string SimSystemServices::ToAnsi(const std::u16string& text) {
  std::string out;
  std::u16string_view rest(text);
  while (!rest.empty()) {
    const auto encoded = text::EncodeGbk(rest);
    out += encoded.bytes;
    if (!encoded.unencodable_at) break;
    auto skip = *encoded.unencodable_at + 1;
    skip += text::CodePointAt(rest, skip - 1).units - 1;
    out.push_back('?');
    rest.remove_prefix(skip);
  }
  return out;
}

}  // namespace tessaly::sim
