#include "sim/os/sim_os.h"

namespace tessaly::sim {

SimOs::SimOs() {
  WireModalLoop();
}

SimOs::SimOs(std::filesystem::path registry_file) : registry_(std::move(registry_file)) {
  WireModalLoop();
}

void SimOs::WireModalLoop() {
  system_.SetModalLoop([this](std::uint64_t ms) { loop_.RunModal(ms); });
}

host::Os SimOs::Os() {
  return host::Os{registry_, settings_, windows_, loop_, system_, files_};
}

}  // namespace tessaly::sim
