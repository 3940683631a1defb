#pragma once

#include "platform/windows_api.h"

// Cuts the number field down to its ASCII digits when it loses the focus.
void FilterNumberField(HWND field);
