#pragma once

// The one door to Windows. On Windows it is the system's own header; on
// Linux the program's window-facing code compiles against our own small
// declarations, and the tests put a recording fake behind them.
#ifdef _WIN32
#include <windows.h>
#else
#include "platform/windows_api_host.h"
#endif
