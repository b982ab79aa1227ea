#include "addin/editor_queries.h"

#include "host/resume.h"

namespace tessaly::addin {

bool CommandBarExists(host::Application* application, const std::u16string& name) {
  if (application == nullptr) return false;
  return host::ProbeOr(false, [&] { return application->CommandBars()->Item(name) != nullptr; });
}

bool WindowExists(host::Application* application, const std::u16string& caption) {
  if (application == nullptr) return false;
  return host::ProbeOr(false, [&] { return application->Windows()->Item(caption) != nullptr; });
}

}  // namespace tessaly::addin
