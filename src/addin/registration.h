#pragma once

#include "addin/connection.h"
#include "host/os.h"

namespace tessaly::addin {

// Registers the add-in, loaded at start-up, for the other kind of editor: a copy in the
// stand-alone editor registers it for the Office editors and the reverse. The running
// editor's own key is never written. Failures are not reported.
void WriteRegistration(const Connection& connection, host::Os& os);

}  // namespace tessaly::addin
