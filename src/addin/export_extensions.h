#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly::addin {

// The extension, dot included, of the file the editors export a component of that type
// (host::ComponentType) to; none for a component without a code file of its own (a resource
// file, a related document).
std::optional<std::u16string_view> ExportExtension(std::int32_t component_type);

}  // namespace tessaly::addin
