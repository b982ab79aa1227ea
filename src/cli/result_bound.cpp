#include "cli/result_bound.h"

namespace tessaly::cli {

using language::MessageId;

namespace {}  // namespace

void RefuseLargerResult(std::size_t limit, const std::string& shown) {
  constexpr std::size_t kMebibyte = std::size_t{1} << 20;
  if (limit % kMebibyte == 0) {
    throw FileError(shown, MessageId::kResultLargerInMebibytes,
                    {std::to_string(limit / kMebibyte)});
  }
  throw FileError(shown, MessageId::kResultLargerInBytes, {std::to_string(limit)});
}

void CheckResultSize(std::size_t size, std::size_t limit, const std::string& shown) {
  if (size > limit) RefuseLargerResult(limit, shown);
}

}  // namespace tessaly::cli
