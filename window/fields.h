#pragma once

#include "platform/windows_api.h"

// The three edit fields, left to right. All carry the child identifier 0,
// so a field is known by its handle only.
enum { FIELD_PREFIX = 0, FIELD_NUMBER = 1, FIELD_SUFFIX = 2, FIELD_COUNT = 3 };

extern HWND FieldWindows[FIELD_COUNT];
