#include "doctor/pe_machine.h"

namespace tessaly::doctor {

namespace {

constexpr std::size_t kNewHeaderOffset = 0x3C;
constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kMachineAmd64 = 0x8664;

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

}  // namespace

std::optional<Bitness> PeBitness(const std::vector<std::uint8_t>& head) {
  if (head.size() < kNewHeaderOffset + 4 || head[0] != 'M' || head[1] != 'Z') return std::nullopt;
  const std::size_t pe = LittleEndian(head, kNewHeaderOffset, 4);
  // The signature "PE\0\0", then the file header, which starts with the Machine field.
  if (pe > head.size() || head.size() - pe < 6) return std::nullopt;
  if (LittleEndian(head, pe, 4) != 0x00004550) return std::nullopt;
  switch (LittleEndian(head, pe + 4, 2)) {
    case kMachineI386:
      return Bitness::kX86;
    case kMachineAmd64:
      return Bitness::kX64;
    default:
      return std::nullopt;
  }
}

}  // namespace tessaly::doctor
