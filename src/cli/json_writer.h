#pragma once

#include <string>
#include <string_view>

namespace tessaly::cli {

// A JSON string literal, quotes included, from UTF-16 text.
std::string JsonString(std::u16string_view text);

}  // namespace tessaly::cli
