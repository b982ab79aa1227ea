#include "menu/connection_code_tools.h"

#include "codetools/alignment.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"

namespace tessaly::menu {

void ConnectionCodeTools::IndentCode() {
  codetools::IndentCode(connection_);
}

void ConnectionCodeTools::CleanLines(codetools::Cleaning cleaning) {
  codetools::RunCleaningWalk(connection_, cleaning);
}

void ConnectionCodeTools::AlignComments() {
  codetools::AlignComments(connection_);
}

void ConnectionCodeTools::UnalignComments() {
  codetools::UnalignComments(connection_);
}

}  // namespace tessaly::menu
