// tessaly.exe: the same command line, its arguments taken from the wide command line and its
// standard handles used in binary, so nothing depends on the console's code page.

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "language/language.h"
#include "text/utf.h"

namespace {

// Standard output or error. A console is given text through WriteConsoleW, so Chinese reads
// right whatever its code page; a pipe or a file takes the UTF-8 bytes. Module text goes out
// as its bytes either way (WriteRawBytes).
class HandleOutput : public std::streambuf, public tessaly::cli::RawBytesOutput {
 public:
  explicit HandleOutput(DWORD which) : handle_(GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = GetFileType(handle_) == FILE_TYPE_CHAR && GetConsoleMode(handle_, &mode);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~HandleOutput() override { Drain(/*at_end=*/true); }

  bool WriteRawBytes(std::string_view bytes) override { return WriteAll(bytes); }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain(false)) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain(false) ? 0 : -1; }

 private:
  // The length of `text` without a UTF-8 sequence cut short at its end, which waits for the
  // rest of its bytes.
  static std::size_t Complete(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
      const auto byte = static_cast<unsigned char>(text[text.size() - back]);
      if ((byte & 0xC0) == 0x80) continue;
      const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      return length > back ? text.size() - back : text.size();
    }
    return text.size();
  }

  bool Drain(bool at_end) {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t ready = console_ && !at_end ? Complete(pending) : pending.size();
    const bool written =
        console_ ? WriteConsoleText(pending.substr(0, ready)) : WriteAll(pending.substr(0, ready));
    const std::string_view rest = pending.substr(ready);
    std::copy(rest.begin(), rest.end(), buffer_.begin());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(rest.size()));
    return written;
  }

  bool WriteConsoleText(std::string_view utf8) {
    const std::u16string text = tessaly::text::FromUtf8(utf8);
    for (std::size_t at = 0; at < text.size();) {
      DWORD written = 0;
      const auto count = static_cast<DWORD>(std::min<std::size_t>(text.size() - at, 8192));
      if (!WriteConsoleW(handle_, reinterpret_cast<const wchar_t*>(text.data() + at), count,
                         &written, nullptr) ||
          written == 0) {
        return false;
      }
      at += written;
    }
    return true;
  }

  bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto count = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
      if (!WriteFile(handle_, bytes.data(), count, &written, nullptr) || written == 0) {
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }

  HANDLE handle_;
  bool console_ = false;
  std::array<char, 1 << 16> buffer_{};
};

// Standard input as bytes; a pipe whose writer has closed it has ended.
class HandleInput : public std::streambuf {
 public:
  HandleInput() : handle_(GetStdHandle(STD_INPUT_HANDLE)) {}

 protected:
  int_type underflow() override {
    DWORD got = 0;
    if (!ReadFile(handle_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &got, nullptr)) {
      const DWORD error = GetLastError();
      if (error != ERROR_BROKEN_PIPE && error != ERROR_HANDLE_EOF) {
        throw std::ios_base::failure(
            "read", std::error_code(static_cast<int>(error), std::system_category()));
      }
    }
    if (got == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  HANDLE handle_;
  std::array<char, 1 << 16> buffer_{};
};

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) {
    const std::wstring_view arg(wide[i]);
    args.push_back(tessaly::text::ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  LocalFree(wide);
  return args;
}

}  // namespace

int main() {
  HandleInput in_buffer;
  HandleOutput out_buffer(STD_OUTPUT_HANDLE);
  HandleOutput err_buffer(STD_ERROR_HANDLE);
  std::istream in(&in_buffer);
  std::ostream out(&out_buffer);
  std::ostream err(&err_buffer);
  const int status = tessaly::cli::RunCommandLine(
      Arguments(),
      {in, out, err, tessaly::cli::kModuleSizeLimit, tessaly::language::UserLanguage()});
  err.flush();
  return status;
}
