#pragma once

// How a tool window's document object, which the editor creates through QWIX.dll's class
// factory and hands back as IDispatch, is recognised as ours and its core document reached.
// In-process only: the interface is never registered or marshalled.

#include "win32/windows_headers.h"

#include <memory>

#include "host/editor.h"

namespace tessaly::win32 {

struct ICoreDocument : public IUnknown {
  virtual std::shared_ptr<host::UserDocument> CoreDocument() = 0;
};

}  // namespace tessaly::win32

__CRT_UUID_DECL(tessaly::win32::ICoreDocument, 0x3EA2AC05, 0x4D5C, 0x41D3, 0x87, 0xA9, 0xAB, 0x40,
                0x84, 0x67, 0xA0, 0x6C)
