#include "doctor/pe_machine.h"

#include <gtest/gtest.h>

#include "doctor/fake_installation.h"

namespace tessaly::doctor {
namespace {

using testing::PeHead;

TEST(PeMachineTest, ReadsTheMachineFieldOfPeFilesOnly) {
  auto moved = PeHead(0x14C);
  // The PE header where the DOS header's last field says, not at the usual place.
  moved.insert(moved.begin() + 0x80, 0x40, 0);
  moved[0x3C] = 0xC0;
  auto short_file = PeHead(0x8664);
  short_file.resize(0x85);
  auto beyond = PeHead(0x8664);
  beyond[0x3C] = 0xFE;
  beyond[0x3D] = 0x01;
  auto no_signature = PeHead(0x8664);
  no_signature[0x81] = 'X';
  const struct {
    const char* name;
    std::vector<std::uint8_t> head;
    std::optional<Bitness> bitness;
  } cases[] = {
      {"x86", PeHead(0x14C), Bitness::kX86},
      {"x64", PeHead(0x8664), Bitness::kX64},
      {"moved header", moved, Bitness::kX86},
      {"ARM64", PeHead(0xAA64), std::nullopt},
      {"cut in the Machine field", short_file, std::nullopt},
      {"header beyond the bytes", beyond, std::nullopt},
      {"no PE signature", no_signature, std::nullopt},
      {"no MZ", std::vector<std::uint8_t>(0x200, 0), std::nullopt},
      {"empty", {}, std::nullopt},
  };
  for (const auto& row : cases)
    EXPECT_EQ(PeBitness(row.head), row.bitness) << row.name;
}

}  // namespace
}  // namespace tessaly::doctor
