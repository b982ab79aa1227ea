#include "registry_paths/help.h"

namespace tessaly::registry_paths {

namespace {

std::u16string ReplaceAll(std::u16string text, std::u16string_view from, std::u16string_view to) {
  std::size_t at = 0;
  while ((at = text.find(from, at)) != std::u16string::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

}  // namespace

bool IsHelpRequest(const std::u16string& first_argument) {
  return first_argument == u"/?" || first_argument == u"/？";
}

bool IsHelpRequest(const VbValue& first_argument) {
  const auto* text = std::get_if<std::u16string>(&first_argument);
  return text && IsHelpRequest(*text);
}

std::u16string HelpMessage(std::u16string_view parameters) {
  return ReplaceAll(ReplaceAll(std::u16string(parameters), u"|", u"\r\n   "), u"   参数", u"参数");
}

void ShowHelp(host::SystemServices& system, const HelpText& help) {
  system.MessageBox(HelpMessage(help.parameters), std::u16string(help.title),
                    host::kMbIconQuestion);
}

}  // namespace tessaly::registry_paths
