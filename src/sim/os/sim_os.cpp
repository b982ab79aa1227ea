#include "sim/os/sim_os.h"

namespace tessaly::sim {

SimOs::SimOs() = default;

SimOs::SimOs(std::filesystem::path registry_file) : registry_(std::move(registry_file)) {}

host::Os SimOs::Os() {
  return host::Os{registry_, settings_, windows_, loop_, system_};
}

}  // namespace tessaly::sim
