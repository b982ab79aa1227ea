#include "doctor/editors.h"

namespace tessaly::doctor {

std::vector<Editor> Editors() {
  return {
      {"VB6", Bitness::kX86, win32::Vb6AddInKey(), u"VB6.EXE"},
      {"VBA x86", Bitness::kX86, win32::VbaAddInKey(false), u""},
      {"VBA x64", Bitness::kX64, win32::VbaAddInKey(true), u""},
  };
}

}  // namespace tessaly::doctor
