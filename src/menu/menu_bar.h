#pragma once

// The function menu as a command bar of the editor: built from the catalogue, every button
// wired so that its click reaches the dispatcher.

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "host/message_loop.h"

namespace tessaly::menu {

// Creates the bar MenuBarName at the top with the 8 popups, the user's popup "我的代码" (still
// empty: the function menu fills it) and 16 buttons, and one sink per button in a fresh
// sinks (whatever they held before are released). A refused step is
// skipped and the build goes on.
void BuildMenuBar(const addin::Connection& connection, addin::ButtonSinks& sinks,
                  host::MessageLoop& loop, const addin::AppEventVBIDE::Dispatcher& dispatcher);

// An editor that keeps command bars from one run to the next shows the bar again at the next
// connection, whose build is then skipped: this wires that bar's catalogue buttons again,
// with the sinks a build attaches. It acts only while the sinks hold none, so buttons
// still wired in this run are not wired twice. Returns the number of buttons wired.
int RewireExistingBar(const addin::Connection& connection, addin::ButtonSinks& sinks,
                      const addin::AppEventVBIDE::Dispatcher& dispatcher);

}  // namespace tessaly::menu
