#include "doctor/pe_machine.h"

#include <gtest/gtest.h>

#include "doctor/fake_installation.h"

namespace tessaly::doctor {
namespace {

using Head = std::vector<std::uint8_t>;

TEST(PeMachineTest, ReadsTheMachineFieldOfPeFilesOnly) {
  // clang-format off
  const struct {
    const char* name; std::uint16_t machine; void (*edit)(Head&); std::optional<Bitness> bitness;
  } cases[] = {
      {"x86", 0x14C, [](Head&) {}, Bitness::kX86},
      {"x64", 0x8664, [](Head&) {}, Bitness::kX64},
      // The PE header where the DOS header's last field says, not at the usual place.
      {"moved header", 0x14C, [](Head& h) { h.insert(h.begin() + 0x80, 0x40, 0); h[0x3C] = 0xC0; }, Bitness::kX86},
      {"ARM64", 0xAA64, [](Head&) {}, std::nullopt},
      {"cut in the Machine field", 0x8664, [](Head& h) { h.resize(0x85); }, std::nullopt},
      {"header beyond the bytes", 0x8664, [](Head& h) { h[0x3C] = 0xFE; h[0x3D] = 0x01; }, std::nullopt},
      {"no PE signature", 0x8664, [](Head& h) { h[0x81] = 'X'; }, std::nullopt},
      {"no M of MZ", 0x8664, [](Head& h) { h[0] = 0; }, std::nullopt},
      {"empty", 0x8664, [](Head& h) { h.clear(); }, std::nullopt},
  };
  // clang-format on
  for (const auto& row : cases) {
    auto head = testing::PeHead(row.machine);
    row.edit(head);
    EXPECT_EQ(PeBitness(head), row.bitness) << row.name;
  }
}

}  // namespace
}  // namespace tessaly::doctor
