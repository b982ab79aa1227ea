#include "about/os_name_table.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tessaly::about {

namespace {

// An absent major or minor matches any; an empty name means the row is decided elsewhere (6.2
// is what every later system reports to an unmanifested program).
struct OsNameRow {
  std::int32_t platform;
  std::optional<std::int32_t> major;
  std::optional<std::int32_t> minor;
  const char16_t* name;
};

constexpr std::nullopt_t kAny = std::nullopt;

// clang-format off
constexpr std::array<OsNameRow, 12> kOsNames = {{
    // platform  major  minor  name
    {0,          kAny,  kAny,  u"Windows 32s"},
    {1,          kAny,  0,     u"Windows 95"},
    {1,          kAny,  10,    u"Windows 98"},
    {1,          kAny,  90,    u"Windows Mellinnium"},
    {2,          3,     kAny,  u"WindowsNT 3.51"},
    {2,          4,     kAny,  u"WindowsNT 4.0"},
    {2,          5,     0,     u"Windows 2000"},
    {2,          5,     1,     u"Windows XP"},
    {2,          5,     2,     u"Windows 2003"},
    {2,          6,     0,     u"Windows Vista"},
    {2,          6,     1,     u"Windows 7"},
    {2,          6,     2,     u""},  // decided from the registry
}};
// clang-format on

bool Matches(const std::optional<std::int32_t>& wanted, std::int32_t actual) {
  return !wanted || *wanted == actual;
}

}  // namespace

std::u16string LookUpOsName(const host::OsVersion& version) {
  for (const auto& row : kOsNames) {
    if (row.platform == version.platform && Matches(row.major, version.major) &&
        Matches(row.minor, version.minor)) {
      return row.name;
    }
  }
  return u"";
}

}  // namespace tessaly::about
