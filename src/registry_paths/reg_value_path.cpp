#include "registry_paths/reg_value_path.h"

#include "host/registry.h"
#include "registry_paths/reg_key_to_num.h"
#include "registry_paths/reg_path_split.h"

namespace tessaly::registry_paths {

RegValuePath LocateValue(std::u16string_view reg_full_name) {
  RegValuePath path;
  path.root_text = RegPathLayerOf(reg_full_name, kRootLayer);
  path.root = static_cast<std::uint32_t>(RegKeyNumber(path.root_text));
  path.subkey = RegPathLayerOf(reg_full_name, kSubkeyLayer);
  path.value_name = RegPathLayerOf(reg_full_name, kValueNameLayer);
  return path;
}

std::uint32_t ValueTypeOf(std::u16string_view value_type_var) {
  if (value_type_var.empty()) return host::kRegSz;
  return static_cast<std::uint32_t>(RegKeyNumber(std::u16string(value_type_var)));
}

bool IsHandledValueType(std::uint32_t type) {
  return type == host::kRegSz || type == host::kRegExpandSz || type == host::kRegBinary ||
         type == host::kRegDword || type == host::kRegMultiSz;
}

std::optional<std::uint32_t> ViewFlagOf(std::int32_t wow64_flag) {
  if (wow64_flag == 0 || wow64_flag == static_cast<std::int32_t>(host::kKeyWow64_64) ||
      wow64_flag == static_cast<std::int32_t>(host::kKeyWow64_32)) {
    return static_cast<std::uint32_t>(wow64_flag);
  }
  return std::nullopt;
}

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view text) {
  std::vector<std::uint8_t> data;
  data.reserve(text.size() * 2);
  for (char16_t c : text) {
    data.push_back(static_cast<std::uint8_t>(c & 0xFF));
    data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return data;
}

std::u16string TextOfBytes(const std::vector<std::uint8_t>& data) {
  std::u16string text;
  text.reserve(data.size() / 2);
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  return text;
}

}  // namespace tessaly::registry_paths
