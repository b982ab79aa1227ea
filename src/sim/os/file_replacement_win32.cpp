// The Windows variant, for the simulated OS's registry file when the core's tests run under
// Wine: the same staging, with the system's exclusive create and replacing move.

#include "win32/windows_headers.h"

#include <random>
#include <utility>

#include "sim/os/file_replacement.h"
#include "win32/unique_handle.h"

namespace tessaly::sim {

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& reason) {
  throw FileReplacementError("cannot write " + path.string() + ": " + reason);
}

}  // namespace

FileReplacement::FileReplacement(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  target_ = std::filesystem::weakly_canonical(path, error);
  if (error) target_ = path;
  const DWORD attributes = GetFileAttributesW(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    Fail(target_, "it is read-only");
  }
  std::random_device entropy;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
    wchar_t name[32];
    swprintf(name, 32, L".tessaly-%08x.tmp", static_cast<unsigned>(entropy()));
    temporary_ = target_;
    temporary_.replace_filename(name);
    file = CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE) Fail(target_, "no temporary file can be made beside it");
  const bool ok = [&] {
    const win32::UniqueFile owned(file);
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file);
  }();
  pending_ = true;
  if (!ok) {
    DeleteFileW(temporary_.c_str());
    pending_ = false;
    Fail(target_, "the disk refused the bytes");
  }
}

FileReplacement::~FileReplacement() {
  if (pending_) DeleteFileW(temporary_.c_str());
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      pending_(std::exchange(other.pending_, false)) {}

void FileReplacement::Commit() {
  if (!pending_) return;
  if (!MoveFileExW(temporary_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail(target_, "cannot replace it");
  }
  pending_ = false;
}

}  // namespace tessaly::sim
