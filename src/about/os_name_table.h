#pragma once

// The names of the operating systems the version query can report, keyed by platform, major
// and minor version. An absent major or minor matches any; an empty name means the row is
// decided elsewhere (6.2 is what every later system reports to an unmanifested program).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "host/system_services.h"

namespace tessaly::about {

struct OsNameRow {
  std::int32_t platform;
  std::optional<std::int32_t> major;
  std::optional<std::int32_t> minor;
  const char16_t* name;
};

std::span<const OsNameRow> OsNameTable();

// The name of the first row that matches; empty when none does or the row has no name.
std::u16string LookUpOsName(const host::OsVersion& version);

}  // namespace tessaly::about
