#include "composition/tessaly_component.h"

#include "tabs/code_tabs.h"

namespace tessaly::composition {

std::shared_ptr<host::UserDocument> TessalyComponent::NewTabDocument() {
  auto document = std::dynamic_pointer_cast<tabs::VBIDETab>(tabs::CodeTabs::NewDocument());
  tab_document_ = document;
  return document;
}

}  // namespace tessaly::composition
