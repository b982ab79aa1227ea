#include "cli/reindent_as_read.h"

namespace tessaly::cli {

void ReindentAsRead::LayOutStatement() {
  layouts_.resize(statement_.size());
  walk_.LayOutStatement(statement_, layouts_);
  for (std::size_t k = 0; k < statement_.size(); ++k)
    Count(statement_[k], layouts_[k]);
  statement_.clear();
  free_ = scratch_;
}

}  // namespace tessaly::cli
