#pragma once

// What one loaded QWIX.dll has once: its module handle, the type library, and the component
// object whose state outlives any one connection (the tab window's documents live on while
// the editor keeps the window, across disconnection and reconnection).

#include "win32/windows_headers.h"

#include <string>

#include "composition/tessaly_component.h"
#include "win32/com_ptr.h"

namespace tessaly::win32 {

class Server {
 public:
  explicit Server(HINSTANCE module) : module_(module) {}

  HINSTANCE Module() const { return module_; }
  std::wstring ModulePath() const;
  composition::TessalyComponent& Component() { return component_; }
  // From the type library embedded in the DLL; null when it cannot be read.
  ComPtr<ITypeInfo> TypeInfo(const IID& iid);

 private:
  HINSTANCE module_;
  composition::TessalyComponent component_;
  ComPtr<ITypeLib> type_library_;
};

// The loaded DLL's server, made on first use after DllMain recorded the module.
Server& TheServer();

// The type information of one of our interfaces, from the loaded DLL's type library.
inline ComPtr<ITypeInfo> TypeInfoOf(const IID& iid) {
  return TheServer().TypeInfo(iid);
}

}  // namespace tessaly::win32
