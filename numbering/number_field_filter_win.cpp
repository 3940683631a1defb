#include "numbering/digit_filter.h"
#include "numbering/number_field_filter.h"
#include "numbering/sequence_text.h"

namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

void FilterNumberField(HWND field) {
    char text[FIELD_TEXT_SIZE];
    text[0] = '\0';
    GetWindowTextA(field, text, FIELD_TEXT_SIZE);
    int length = lstrlenA(text);
    // Writing an unchanged text back would move the caret and raise change
    // notifications for nothing.
    if (FilterDigits(text, IsAnsiLeadByte) < length) {
        SetWindowTextA(field, text);
    }
}
