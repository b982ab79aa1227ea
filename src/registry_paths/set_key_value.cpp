#include "registry_paths/set_key_value.h"

#include <optional>
#include <string>
#include <vector>

#include "host/registry_key.h"
#include "registry_paths/reg_value_path.h"
#include "registry_paths/vb_number.h"

namespace tessaly::registry_paths {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<std::u16string> TextOf(const VbValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return std::u16string();
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  if (const auto* number = std::get_if<double>(&value)) return FormatVbNumber(*number);
  return std::nullopt;
}

std::optional<double> NumberOf(const VbValue& value) {
  if (std::holds_alternative<std::monostate>(value)) return 0.0;
  if (const auto* number = std::get_if<double>(&value)) return *number;
  if (const auto* text = std::get_if<std::u16string>(&value)) return ParseVbNumber(*text);
  return std::nullopt;
}

Bytes Terminated(std::u16string_view text) {
  auto data = Utf16Bytes(text);
  data.push_back(0);
  data.push_back(0);
  return data;
}

std::optional<Bytes> StringData(const VbValue& value) {
  const auto text = TextOf(value);
  return text ? std::optional<Bytes>(Terminated(*text)) : std::nullopt;
}

std::optional<Bytes> MultiStringData(const VbValue& value) {
  std::u16string joined;
  if (const auto* list = std::get_if<std::vector<std::u16string>>(&value)) {
    for (const auto& item : *list)
      joined += item + u'\0';
  } else {
    const auto text = TextOf(value);
    if (!text) return std::nullopt;
    joined = *text;
    if (!joined.empty() && joined.back() != 0) joined.push_back(0);
  }
  return Terminated(joined);
}

std::optional<Bytes> BinaryData(const VbValue& value, host::SystemServices& system) {
  if (const auto* numbers = std::get_if<std::vector<double>>(&value)) {
    Bytes data;
    for (const double number : *numbers) {
      const auto byte = RoundHalfEvenIn(number, 0, 255);
      if (!byte) return std::nullopt;
      data.push_back(static_cast<std::uint8_t>(*byte));
    }
    return data;
  }
  const auto text = TextOf(value);
  if (!text) return std::nullopt;
  const auto ansi = system.ToAnsi(*text);
  return Bytes(ansi.begin(), ansi.end());
}

std::optional<Bytes> DwordData(const VbValue& value) {
  const auto number = NumberOf(value);
  if (!number || *number < 0 || *number > 4294967295.0) return std::nullopt;
  const auto whole = RoundHalfEvenIn(*number, 0, 0xFFFFFFFFll);
  if (!whole) return std::nullopt;
  const auto dword = static_cast<std::uint32_t>(*whole);
  return Bytes{static_cast<std::uint8_t>(dword), static_cast<std::uint8_t>(dword >> 8),
               static_cast<std::uint8_t>(dword >> 16), static_cast<std::uint8_t>(dword >> 24)};
}

// Nothing for a value the type cannot hold.
std::optional<Bytes> DataFor(std::uint32_t type, const VbValue& value,
                             host::SystemServices& system) {
  switch (type) {
    case host::kRegSz:
    case host::kRegExpandSz:
      return StringData(value);
    case host::kRegMultiSz:
      return MultiStringData(value);
    case host::kRegBinary:
      return BinaryData(value, system);
    case host::kRegDword:
      return DwordData(value);
    default:
      return std::nullopt;
  }
}

}  // namespace

bool SetKeyValue(host::Registry& registry, host::SystemServices& system,
                 const std::u16string& reg_full_name, const VbValue& key_value,
                 const std::u16string& value_type_var, std::int32_t wow64_flag) {
  if (IsHelpRequest(reg_full_name)) {
    ShowHelp(system, kSetKeyValueHelp);
    return false;
  }
  const auto path = LocateValue(reg_full_name);
  const auto type = ValueTypeOf(value_type_var);
  const auto view = ViewFlagOf(wow64_flag);
  if (!path.IsComplete() || !view) return false;
  const bool writable = IsHandledValueType(type);
  const auto data = writable ? DataFor(type, key_value, system) : std::nullopt;
  if (writable && !data) return false;

  const auto key_class = std::to_string(static_cast<std::int32_t>(type));
  const auto created = host::CreateKey(registry, path.root, path.subkey,
                                       std::u16string(key_class.begin(), key_class.end()),
                                       host::kKeyAllAccess + *view);
  if (created.status != host::kRegSuccess) return false;
  const auto status = data ? registry.SetValue(created.key.Get(), path.value_name, type, *data)
                           : host::kRegInvalidParameter;
  return status == host::kRegSuccess;
}

}  // namespace tessaly::registry_paths
