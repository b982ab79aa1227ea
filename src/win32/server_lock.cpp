#include "win32/server_lock.h"

#include "win32/windows_headers.h"

namespace tessaly::win32 {

namespace {

LONG& LockCount() {
  static LONG count = 0;
  return count;
}

}  // namespace

ServerLock::ServerLock() {
  InterlockedIncrement(&LockCount());
}
ServerLock::ServerLock(const ServerLock&) {
  InterlockedIncrement(&LockCount());
}
ServerLock::~ServerLock() {
  InterlockedDecrement(&LockCount());
}

long ServerLock::Count() {
  return InterlockedCompareExchange(&LockCount(), 0, 0);
}

void ServerLock::Lock(bool lock) {
  if (lock) {
    InterlockedIncrement(&LockCount());
  } else {
    InterlockedDecrement(&LockCount());
  }
}

}  // namespace tessaly::win32
