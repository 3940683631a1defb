#pragma once

#include "platform/windows_api.h"

// Puts the text on the clipboard as CF_TEXT, owned by the window; says
// whether the clipboard took it.
bool PutTextOnClipboard(HWND owner, const char* text, int length);
