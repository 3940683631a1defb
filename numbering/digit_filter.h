#pragma once

// Cuts a number text down to its ASCII digits in place, dropping double-byte
// characters whole; returns the new length.
int FilterDigits(char* text, bool (*isLeadByte)(unsigned char));
