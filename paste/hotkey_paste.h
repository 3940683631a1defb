#pragma once

#include "platform/windows_api.h"

const int PASTE_HOTKEY_ID = 100;
const UINT PASTE_KEY = 0x56;  // V

void RegisterPasteHotkey(HWND window);
void UnregisterPasteHotkey(HWND window);
void PasteNextNumber(HWND window);
