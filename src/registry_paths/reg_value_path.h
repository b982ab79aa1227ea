#pragma once

// What GetKeyValue and SetKeyValue share: where a full path points, which type a type
// argument names, which view a flag asks for, and string data as UTF-16 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::registry_paths {

struct RegValuePath {
  std::u16string root_text;
  std::uint32_t root = 0;
  std::u16string subkey;
  std::u16string value_name;
  // Both a root and a subkey are needed; a value directly under a root is never addressed.
  bool IsComplete() const { return !root_text.empty() && !subkey.empty(); }
};

RegValuePath LocateValue(std::u16string_view reg_full_name);

// Empty means REG_SZ; otherwise a name or number of the RegKey2Num table.
std::uint32_t ValueTypeOf(std::u16string_view value_type_var);

// The value types the utilities read and write: strings, expandable strings, binary, DWORD and
// string lists.
bool IsHandledValueType(std::uint32_t type);

// 0, KEY_WOW64_64KEY or KEY_WOW64_32KEY; any other flag would be added to the access rights
// as stray bits, so it is refused.
std::optional<std::uint32_t> ViewFlagOf(std::int32_t wow64_flag);

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view text);
std::u16string TextOfBytes(const std::vector<std::uint8_t>& data);

}  // namespace tessaly::registry_paths
