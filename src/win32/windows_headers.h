#pragma once

// The system headers every file of the Windows face needs, without the A/W macros whose
// names the host seams also use (MessageBox, FindWindow, PostMessage...): the seams keep
// their names, and this layer calls the W functions by their own.

#include <docobj.h>
#include <oaidl.h>
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <shellapi.h>
#include <windows.h>

#undef MessageBox
#undef FindWindow
#undef FindWindowEx
#undef CallWindowProc
#undef PostMessage
#undef ExpandEnvironmentStrings
#undef GetObject
