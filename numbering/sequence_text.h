#pragma once

#include <cstdint>

// A field's text: at most 259 bytes of the ANSI code page and the zero byte.
const int FIELD_TEXT_SIZE = 260;
// Three whole field texts and one zero byte, so a paste text is never cut.
const int PASTE_TEXT_SIZE = 3 * (FIELD_TEXT_SIZE - 1) + 1;

std::int32_t ReadCounter(const char* text);
int FormatCounter(std::int32_t counter, int width, char* out);
int ComposePasteText(const char* prefix, const char* numberText, const char* suffix, char* out);
int NextNumberText(const char* numberText, char* out);
