#pragma once

// What keeps QWIX.dll loaded: every COM object the editor or the system still holds, every
// window procedure installed on a window and every timer set. DllCanUnloadNow answers S_FALSE
// while the count is not zero. A COM server's lock count is by nature one per loaded module.

namespace tessaly::win32 {

class ServerLock {
 public:
  ServerLock();
  ~ServerLock();
  ServerLock(const ServerLock&);
  ServerLock& operator=(const ServerLock&) = default;

  static long Count();
  // IClassFactory::LockServer.
  static void Lock(bool lock);
};

}  // namespace tessaly::win32
