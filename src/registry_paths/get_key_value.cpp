#include "registry_paths/get_key_value.h"

#include "host/registry_key.h"
#include "registry_paths/reg_value_path.h"

namespace tessaly::registry_paths {

namespace {

std::u16string TrimSpaces(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

std::u16string WithoutBreaksAndZeros(std::u16string text) {
  std::erase_if(text, [](char16_t c) { return c == 0 || c == u'\r' || c == u'\n'; });
  return text;
}

std::u16string HexBytes(const std::vector<std::uint8_t>& data) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string text;
  for (const auto byte : data) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0xF]);
    text.push_back(u' ');
  }
  return TrimSpaces(text);
}

double DwordOf(std::vector<std::uint8_t> data) {
  data.resize(4, 0);
  return static_cast<double>(data[0] | (data[1] << 8) | (data[2] << 16) |
                             (static_cast<std::uint32_t>(data[3]) << 24));
}

std::vector<std::u16string> StringListOf(std::u16string text) {
  while (!text.empty() && text.back() == 0)
    text.pop_back();
  std::vector<std::u16string> list;
  if (text.empty()) return list;
  std::size_t start = 0;
  while (true) {
    const auto zero = text.find(char16_t{0}, start);
    list.push_back(text.substr(start, zero - start));
    if (zero == std::u16string::npos) break;
    start = zero + 1;
  }
  return list;
}

}  // namespace

VbValue GetKeyValue(host::Registry& registry, host::SystemServices& system,
                    const std::u16string& reg_full_name, const std::u16string& value_type_var,
                    std::int32_t wow64_flag) {
  if (IsHelpRequest(reg_full_name)) {
    ShowHelp(system, kGetKeyValueHelp);
    return {};
  }
  const auto path = LocateValue(reg_full_name);
  const auto type = ValueTypeOf(value_type_var);
  const auto view = ViewFlagOf(wow64_flag);
  if (!path.IsComplete() || !view) return std::u16string();
  if (!IsHandledValueType(type)) return {};

  const auto opened = host::OpenKey(registry, path.root, path.subkey, host::kKeyRead + *view);
  if (opened.status != host::kRegSuccess) return std::u16string();
  std::uint32_t stored_type = host::kRegNone;
  std::vector<std::uint8_t> data;
  const auto status = registry.QueryValue(opened.key.Get(), path.value_name, stored_type, data);
  if (status != host::kRegSuccess) return std::u16string();

  switch (type) {
    case host::kRegSz: {
      const auto text = TextOfBytes(data);
      return TrimSpaces(std::u16string_view(text).substr(0, text.find(char16_t{0})));
    }
    case host::kRegExpandSz:
      return TrimSpaces(WithoutBreaksAndZeros(
          system.ExpandEnvironmentStrings(WithoutBreaksAndZeros(TextOfBytes(data)))));
    case host::kRegBinary:
      return HexBytes(data);
    case host::kRegDword:
      return DwordOf(std::move(data));
    default:
      return StringListOf(TextOfBytes(data));
  }
}

}  // namespace tessaly::registry_paths
