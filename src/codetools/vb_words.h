#pragma once

// The words of VB that the indentation rules know, and how a word is read: packed into an
// integer, its group found in one look-up. In a header of its own so that a statement's first
// word, read on every line of whole modules, is read inline (StatementHead, indent_rules.h).

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "text/ascii_case.h"

namespace tessaly::codetools::vb_words {

// The groups of the word table. Every word belongs to one group, so looking a word up once
// gives the same answer as trying the groups in order.
enum class WordGroup : std::uint8_t {
  kNone,
  kScope,       // Private, Public, Friend: a procedure header when a header word follows
  kStatic,      // a procedure header when Sub, Function or Property follows
  kHeader,      // opens a procedure or a declaration block
  kLoopOrWith,  // opens a block unless the statement closes it again
  kOpen,        // Open: a file's statements up to its Close, indented as a block
  kClose,       // closes the block of an Open
  kNext,        // closes as many For blocks as it names counters
  kIf,          // opens a block unless the statement is complete on its line
  kSelect,      // opens a block
  kMiddle,      // Case, Else, ElseIf: close the branch above and open their own
  kEnd,         // closes the block its second word names
  kCloser,      // closes a block
};

// The ASCII letters a text starts with, up to eight: how many, and folded to lower case and
// packed one letter a byte, the first lowest. Comparing two words is then comparing two
// integers.
struct LeadingLetters {
  std::uint64_t packed = 0;
  std::size_t count = 0;
};

// Eight bytes at once where the text has eight, as every line of a module starts with a word.
constexpr LeadingLetters LettersLeading(std::string_view text) {
  std::uint64_t bytes = 0;
  if (!std::is_constant_evaluated() && text.size() >= 8) {
    std::memcpy(&bytes, text.data(), 8);
    if constexpr (std::endian::native == std::endian::big) bytes = __builtin_bswap64(bytes);
  } else {
    for (std::size_t i = 0; i < std::min<std::size_t>(text.size(), 8); ++i)
      bytes |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
  }
  // Setting bit 5 folds A-Z onto a-z and maps no other character onto a letter; a byte below
  // 0x80 is then a letter when adding 0x80 - 'a' sets its top bit and adding 0x80 - 'z' - 1
  // does not (neither carries into the next byte).
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kTops = 0x80 * kOnes;
  const std::uint64_t folded = (bytes | 0x20 * kOnes) & ~kTops;
  const std::uint64_t letters =
      ~bytes & (folded + (0x80 - 'a') * kOnes) & ~(folded + (0x80 - 'z' - 1) * kOnes) & kTops;
  const auto count = static_cast<std::size_t>(std::countr_zero(~letters & kTops) / 8);
  const std::uint64_t used = count == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * count)) - 1;
  return {folded & used, count};
}

// A word of up to eight ASCII letters, packed; zero for any other word, which no keyword packs
// to.
constexpr std::uint64_t PackedLowerCase(std::string_view word) {
  const LeadingLetters letters = LettersLeading(word);
  return letters.count == word.size() ? letters.packed : 0;
}

// The keywords the rules name, packed.
inline constexpr std::uint64_t kIf = PackedLowerCase("if");
inline constexpr std::uint64_t kDo = PackedLowerCase("do");
inline constexpr std::uint64_t kEnd = PackedLowerCase("end");
inline constexpr std::uint64_t kRem = PackedLowerCase("rem");
inline constexpr std::uint64_t kFor = PackedLowerCase("for");
inline constexpr std::uint64_t kSub = PackedLowerCase("sub");
inline constexpr std::uint64_t kElse = PackedLowerCase("else");
inline constexpr std::uint64_t kNext = PackedLowerCase("next");
inline constexpr std::uint64_t kCase = PackedLowerCase("case");
inline constexpr std::uint64_t kWith = PackedLowerCase("with");
inline constexpr std::uint64_t kLoop = PackedLowerCase("loop");
inline constexpr std::uint64_t kType = PackedLowerCase("type");
inline constexpr std::uint64_t kEnum = PackedLowerCase("enum");
inline constexpr std::uint64_t kWend = PackedLowerCase("wend");
inline constexpr std::uint64_t kOpen = PackedLowerCase("open");
inline constexpr std::uint64_t kWhile = PackedLowerCase("while");
inline constexpr std::uint64_t kClose = PackedLowerCase("close");
inline constexpr std::uint64_t kConst = PackedLowerCase("const");
inline constexpr std::uint64_t kSelect = PackedLowerCase("select");
inline constexpr std::uint64_t kElseIf = PackedLowerCase("elseif");
inline constexpr std::uint64_t kPublic = PackedLowerCase("public");
inline constexpr std::uint64_t kFriend = PackedLowerCase("friend");
inline constexpr std::uint64_t kStatic = PackedLowerCase("static");
inline constexpr std::uint64_t kPrivate = PackedLowerCase("private");
inline constexpr std::uint64_t kFunction = PackedLowerCase("function");
inline constexpr std::uint64_t kProperty = PackedLowerCase("property");

struct WordEntry {
  std::uint64_t packed;
  WordGroup group;
};

// The table, one look-up a word: a statement's first word is looked up for every line of a
// whole module, and most first words are no keyword at all. A word's packing times this
// multiplier names its slot by the top six bits; no two keywords share one (checked below).
inline constexpr WordEntry kWords[] = {{kIf, WordGroup::kIf},
                                       {kDo, WordGroup::kLoopOrWith},
                                       {kEnd, WordGroup::kEnd},
                                       {kFor, WordGroup::kLoopOrWith},
                                       {kSub, WordGroup::kHeader},
                                       {kElse, WordGroup::kMiddle},
                                       {kNext, WordGroup::kNext},
                                       {kCase, WordGroup::kMiddle},
                                       {kWith, WordGroup::kLoopOrWith},
                                       {kLoop, WordGroup::kCloser},
                                       {kType, WordGroup::kHeader},
                                       {kEnum, WordGroup::kHeader},
                                       {kWend, WordGroup::kCloser},
                                       {kOpen, WordGroup::kOpen},
                                       {kWhile, WordGroup::kLoopOrWith},
                                       {kClose, WordGroup::kClose},
                                       {kSelect, WordGroup::kSelect},
                                       {kElseIf, WordGroup::kMiddle},
                                       {kPublic, WordGroup::kScope},
                                       {kFriend, WordGroup::kScope},
                                       {kStatic, WordGroup::kStatic},
                                       {kPrivate, WordGroup::kScope},
                                       {kFunction, WordGroup::kHeader},
                                       {kProperty, WordGroup::kHeader}};

inline constexpr std::uint64_t kSlotMultiplier = 0x61f96da99f654229u;

constexpr std::size_t SlotOf(std::uint64_t packed) {
  return static_cast<std::size_t>((packed * kSlotMultiplier) >> 58);
}

inline constexpr auto kWordSlots = [] {
  std::array<WordEntry, 64> slots{};
  for (const WordEntry& entry : kWords)
    slots[SlotOf(entry.packed)] = entry;
  return slots;
}();

static_assert(std::all_of(std::begin(kWords), std::end(kWords),
                          [](const WordEntry& entry) {
                            return kWordSlots[SlotOf(entry.packed)].packed == entry.packed;
                          }),
              "two keywords share a slot: choose another multiplier");

// The group of a word, packed; an empty slot holds the packing of no word, zero.
inline WordGroup GroupOf(std::uint64_t packed) {
  const WordEntry& entry = kWordSlots[SlotOf(packed)];
  return entry.packed == packed ? entry.group : WordGroup::kNone;
}

inline WordGroup GroupOf(std::string_view word) {
  return GroupOf(PackedLowerCase(word));
}

// VB's keywords in any letter case, as VB itself reads them.
inline bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (text::AsciiLower(a[i]) != text::AsciiLower(b[i])) return false;
  }
  return true;
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Letters of any script may name a label (`出错:`), and every byte of 0x80 or more belongs to
// such a letter. A table: the run of them a statement starts with is measured on every line.
inline constexpr auto kNameBytes = [] {
  std::array<bool, 0x100> name{};
  for (int c = 0; c < 0x100; ++c) {
    name[c] = c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
              IsDigit(static_cast<char>(c)) || c == '_';
  }
  return name;
}();

inline bool IsNameCharacter(char c) {
  return kNameBytes[static_cast<unsigned char>(c)];
}

}  // namespace tessaly::codetools::vb_words
