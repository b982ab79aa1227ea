#pragma once

// The editors' objects as their type libraries publish them (VB6EXT.OLB for the VB6 IDE,
// VBE6EXT.OLB for the VBA editor, the Office command-bar library): each function with its DISPID,
// invoke kind, parameters and result, as a type library's FUNCDESCs hold them. The fake editor
// answers names and dispatches calls from these rows alone, so it accepts no more than the
// editors are known to accept.

#include "win32/windows_headers.h"

#include <string_view>
#include <vector>

namespace tessaly::fake_host {

struct PublishedParameter {
  VARTYPE type = VT_VARIANT;
  // Travels as VT_BYREF of `type` and nothing else.
  bool by_reference = false;
  bool optional = false;
};

struct PublishedFunction {
  const wchar_t* name;
  DISPID id;
  // DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT or DISPATCH_PROPERTYPUTREF.
  WORD kind;
  // In the order written in code; a put's assigned value last.
  std::vector<PublishedParameter> parameters;
  // The [out, retval] type; VT_EMPTY for a function that returns nothing.
  VARTYPE result = VT_EMPTY;
};

struct PublishedInterface {
  const wchar_t* name;
  std::vector<PublishedFunction> functions;
  // An interface derived from IUnknown alone: answered by this IID, and not as IDispatch.
  const IID* unknown_only = nullptr;
};

enum class EditorKind { kVb6, kVba };

// The interface of `editor` named `name` ("VBE", "Window", "CommandBarButton"...); throws
// std::out_of_range for one not described.
const PublishedInterface& Published(EditorKind editor, std::string_view name);

// The published event interfaces the editors raise Click on.
// Office 2.x _CommandBarButtonEvents: Click(Ctrl, CancelDefault). VB6's Office library has none.
inline constexpr IID kCommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// _dispCommandBarControlEvents: Click(CommandBarControl, handled, CancelDefault).
inline constexpr IID kVb6ControlEvents = {
    0x0002E198, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kVbaControlEvents = {
    0x0002E131, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// _CommandBarControlEvents, the IUnknown-derived default interface of the CommandBarEvents
// object, without members.
inline constexpr IID kVb6ControlEventsObject = {
    0x0002E197, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kVbaControlEventsObject = {
    0x0002E130, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// _IDTExtensibility2, the interface the editors load an add-in through.
inline constexpr IID kExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

}  // namespace tessaly::fake_host
