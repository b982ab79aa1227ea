#pragma once

// The names of the operating systems the version query can report, keyed by platform, major
// and minor version.

#include <string>

#include "host/system_services.h"

namespace tessaly::about {

// The name of the first row that matches; empty when none does or the row has no name.
std::u16string LookUpOsName(const host::OsVersion& version);

}  // namespace tessaly::about
