#pragma once

// Where the barrier leaves what it caught: the debugger's output (OutputDebugStringW) and one
// line in %LOCALAPPDATA%\Tessaly\tessaly.log. The file stays small: once it would pass its
// bound, it keeps only its newer half. Nothing is written while all is well, and a log that
// cannot be written is given up silently: it must never become a second failure.

#include "win32/windows_headers.h"

#include <cstdint>
#include <source_location>
#include <string>
#include <string_view>

namespace tessaly::win32 {

class FailureLog {
 public:
  static constexpr std::uintmax_t kBound = 1024 * 1024;

  explicit FailureLog(std::wstring path, std::uintmax_t bound = kBound)
      : path_(std::move(path)), bound_(bound) {}
  // The user's log: %LOCALAPPDATA%\Tessaly\tessaly.log.
  static FailureLog OfUser();

  const std::wstring& Path() const { return path_; }
  // Appends `line` and a line break, making the folder when missing. False when it could not.
  bool Append(std::string_view line) const noexcept;

 private:
  std::wstring path_;
  std::uintmax_t bound_;
};

// One line: the time, the entry point and what went wrong, as the user's log and the
// debugger get it.
std::string FailureLine(const std::source_location& where, std::string_view what);
void ReportFailure(const std::source_location& where, const char* what) noexcept;

}  // namespace tessaly::win32
