// The Windows API as the binding uses it: Unicode, lean, and without the
// macros that would rename the program's own names (MessageBox).
#pragma once

#include <windows.h>

#include <commctrl.h>

#undef MessageBox
