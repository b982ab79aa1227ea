#pragma once

// The system headers every file of the Windows face needs, without the A/W macros whose
// names the host seams also use (MessageBox, FindWindow, PostMessage...): the seams keep
// their names, and this layer calls the W functions by their own.

#include "win32/windows_headers.h"

#undef MessageBox
#undef FindWindow
#undef FindWindowEx
#undef CallWindowProc
#undef PostMessage
#undef ExpandEnvironmentStrings
#undef GetObject
