#include "numbering/digit_filter.h"

#include "numbering/sequence_text.h"

int FilterDigits(char* text, bool (*isLeadByte)(unsigned char)) {
    const int maxConsumed = FIELD_TEXT_SIZE - 1;
    int read = 0;
    int written = 0;
    // One byte at most is written per byte passed over, so the cleaned text
    // can be built over the text being scanned.
    while (read < maxConsumed && text[read] != '\0') {
        unsigned char byte = static_cast<unsigned char>(text[read]);
        if (isLeadByte != nullptr && isLeadByte(byte)) {
            // The trail byte is never tested: a trail of 0x31 is not a 1.
            if (text[read + 1] == '\0') {
                break;
            }
            read += 2;
            continue;
        }
        if (byte >= '0' && byte <= '9') {
            text[written++] = static_cast<char>(byte);
        }
        ++read;
    }
    text[written] = '\0';
    return written;
}
