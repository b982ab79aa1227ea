#include "cli/result_bound.h"

namespace tessaly::cli {

namespace {

std::string SizeText(std::size_t bytes) {
  constexpr std::size_t kMebibyte = std::size_t{1} << 20;
  if (bytes % kMebibyte == 0) return std::to_string(bytes / kMebibyte) + " MiB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

void RefuseLargerResult(std::size_t limit, const std::string& shown) {
  throw FileError(shown + ": the result would be larger than " + SizeText(limit) +
                  ", the most a module may hold");
}

void CheckResultSize(std::size_t size, std::size_t limit, const std::string& shown) {
  if (size > limit) RefuseLargerResult(limit, shown);
}

}  // namespace tessaly::cli
