#pragma once

#include "addin/connection.h"
#include "menu/menu_code_tools.h"

namespace tessaly::menu {

// The code tools of the product, each working on the connection's active code pane.
class ConnectionCodeTools : public MenuCodeTools {
 public:
  explicit ConnectionCodeTools(addin::Connection& connection) : connection_(connection) {}

  void IndentCode() override;
  void CleanLines(codetools::Cleaning cleaning) override;
  void AlignComments() override;
  void UnalignComments() override;

 private:
  addin::Connection& connection_;
};

}  // namespace tessaly::menu
