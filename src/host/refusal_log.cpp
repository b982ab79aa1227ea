#include "host/refusal_log.h"

#include <cstdio>

namespace tessaly::host {

std::string Refusal::Text() const {
  char code_text[16] = {};
  std::snprintf(code_text, sizeof code_text, "0x%08X", static_cast<unsigned>(code));
  std::string text = member.empty() ? std::string("refused (") : member + " refused (";
  text += code_text;
  text += ")";
  if (!description.empty()) text += ": " + description;
  return text;
}

HostError::HostError(const Refusal& refusal, std::shared_ptr<RefusalLog> log)
    : std::runtime_error(refusal.Text()),
      refusal_(std::make_shared<const Refusal>(refusal)),
      log_(std::move(log)) {}

void HostError::Report(const std::source_location& where) const noexcept {
  if (!log_ || !refusal_) return;
  try {
    log_->Record(*refusal_, where);
  } catch (...) {
    // The log must never turn a refusal the step survived into a failure.
  }
}

void RefusalLog::Record(const Refusal& refusal, const std::source_location& where) {
  if (!written_.emplace(where.file_name(), where.line(), where.column(), refusal.member).second)
    return;
  if (writer_) writer_(where, refusal.Text());
}

}  // namespace tessaly::host
