#include "win32/com/server.h"

#include <memory>
#include <vector>

#include "win32/failed_call.h"

namespace tessaly::win32 {

namespace {

HINSTANCE& ModuleHandle() {
  static HINSTANCE module = nullptr;
  return module;
}

}  // namespace

std::wstring Server::ModulePath() const {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module_, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

ComPtr<ITypeInfo> Server::TypeInfo(const IID& iid) {
  if (!type_library_) {
    LogIfFailed(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, type_library_.Receive()),
                "LoadTypeLibEx");
  }
  ComPtr<ITypeInfo> info;
  if (type_library_)
    LogIfFailed(type_library_->GetTypeInfoOfGuid(iid, info.Receive()),
                "ITypeLib.GetTypeInfoOfGuid");
  return info;
}

Server& TheServer() {
  static Server server(ModuleHandle());
  return server;
}

}  // namespace tessaly::win32

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    tessaly::win32::ModuleHandle() = module;
    DisableThreadLibraryCalls(module);
  }
  return TRUE;
}
