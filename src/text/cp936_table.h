#pragma once

// Code page 936 as data: the character of every code above ASCII, 0 where a code is none.

namespace tessaly::text {

inline constexpr unsigned kCp936FirstSingleByte = 0x80;
inline constexpr unsigned kCp936SingleByteCount = 0x80;
inline constexpr unsigned kCp936FirstLead = 0x81;
inline constexpr unsigned kCp936LeadCount = 0xFE - kCp936FirstLead + 1;
// Trail bytes run from 0x40 to 0xFE; 0x7F is never one but keeps its column so that a pair
// indexes the table directly.
inline constexpr unsigned kCp936FirstTrail = 0x40;
inline constexpr unsigned kCp936TrailCount = 0xFE - kCp936FirstTrail + 1;

// Indexed by byte - kCp936FirstSingleByte.
extern const char16_t kCp936SingleBytes[kCp936SingleByteCount];
// Indexed by [lead - kCp936FirstLead][trail - kCp936FirstTrail].
extern const char16_t kCp936Pairs[kCp936LeadCount][kCp936TrailCount];

}  // namespace tessaly::text
