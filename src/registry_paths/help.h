#pragma once

// The registry path library's help convention: each function has a title and a parameter text
// whose lines are separated by "|"; called with "/?" or "/？" as its first argument it shows
// them in a question box and returns its empty result.

#include <string>
#include <string_view>

#include "host/system_services.h"
#include "registry_paths/vb_value.h"

namespace tessaly::registry_paths {

struct HelpText {
  std::u16string_view title;
  std::u16string_view parameters;
};

bool IsHelpRequest(const std::u16string& first_argument);
bool IsHelpRequest(const VbValue& first_argument);

// The parameter text as the box shows it: headings at the margin, their lines indented.
std::u16string HelpMessage(std::u16string_view parameters);

void ShowHelp(host::SystemServices& system, const HelpText& help);

}  // namespace tessaly::registry_paths
