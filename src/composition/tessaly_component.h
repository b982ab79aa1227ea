#pragma once

// What one loaded DLL (one simulated editor run) keeps across the add-ins the editor connects
// and disconnects: the class factory of the tab window's document, and the document the
// editor still holds, which each new connection takes over. It holds the document weakly:
// the editor decides how long the window and its document live.

#include <memory>

#include "host/editor.h"
#include "tabs/vbide_tab.h"

namespace tessaly::composition {

class TessalyComponent {
 public:
  TessalyComponent() = default;
  TessalyComponent(const TessalyComponent&) = delete;
  TessalyComponent& operator=(const TessalyComponent&) = delete;

  // The class factory of ProgID QWIX.VBIDETab; the face registers it with the editor.
  std::shared_ptr<tabs::VBIDETab> NewTabDocument();
  // The document the factory made last, while the editor keeps it; null otherwise.
  std::shared_ptr<tabs::VBIDETab> TabDocument() const { return tab_document_.lock(); }

 private:
  std::weak_ptr<tabs::VBIDETab> tab_document_;
};

}  // namespace tessaly::composition
