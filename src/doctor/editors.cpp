#include "doctor/editors.h"

namespace tessaly::doctor {

std::vector<Editor> Editors() {
  return {
      {"VB6", Bitness::kX86, registration::Vb6AddInKey(), u"VB6.EXE"},
      {"VBA x86", Bitness::kX86, registration::VbaAddInKey(false), u""},
      {"VBA x64", Bitness::kX64, registration::VbaAddInKey(true), u""},
  };
}

}  // namespace tessaly::doctor
