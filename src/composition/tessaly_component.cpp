#include "composition/tessaly_component.h"

#include "tabs/code_tabs.h"

namespace tessaly::composition {

std::shared_ptr<tabs::VBIDETab> TessalyComponent::NewTabDocument() {
  auto document = tabs::CodeTabs::NewDocument();
  tab_document_ = document;
  return document;
}

}  // namespace tessaly::composition
