#include "numbering/sequence_text.h"

// This file goes into a program without any runtime library, so it calls
// nothing: no strlen, no memcpy, no printf.

namespace {

const int MAX_FIELD_TEXT = FIELD_TEXT_SIZE - 1;

// Lengths are capped so that a text that is longer than a field can hold
// never makes a result outgrow its buffer.
int MeasureFieldText(const char* text) {
    int length = 0;
    while (length < MAX_FIELD_TEXT && text[length] != '\0') {
        ++length;
    }
    return length;
}

int CopyFieldText(const char* text, char* out) {
    int length = 0;
    while (length < MAX_FIELD_TEXT && text[length] != '\0') {
        out[length] = text[length];
        ++length;
    }
    return length;
}

bool IsWhiteSpace(unsigned char byte) { return byte == ' ' || (byte >= 0x09 && byte <= 0x0D); }

bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

std::int32_t ReadCounter(const char* text) {
    int at = 0;
    while (at < MAX_FIELD_TEXT && IsWhiteSpace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    bool negative = false;
    if (at < MAX_FIELD_TEXT && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Unsigned arithmetic wraps modulo 2^32 by definition, which is exactly
    // how an overlong number keeps its low 32 bits.
    std::uint32_t counter = 0;
    while (at < MAX_FIELD_TEXT && IsDigit(static_cast<unsigned char>(text[at]))) {
        counter = counter * 10U + static_cast<std::uint32_t>(text[at] - '0');
        ++at;
    }
    if (negative) {
        counter = 0U - counter;
    }
    return static_cast<std::int32_t>(counter);
}

int FormatCounter(std::int32_t counter, int width, char* out) {
    if (width < 0) {
        width = 0;
    }
    if (width > MAX_FIELD_TEXT) {
        width = MAX_FIELD_TEXT;
    }
    std::uint32_t magnitude = static_cast<std::uint32_t>(counter);
    if (counter < 0) {
        magnitude = 0U - magnitude;
    }
    char reversed[10];
    int digitCount = 0;
    do {
        reversed[digitCount++] = static_cast<char>('0' + magnitude % 10U);
        magnitude /= 10U;
    } while (magnitude != 0U);

    int length = 0;
    if (counter < 0) {
        out[length++] = '-';
    }
    // Zeros go between the sign and the digits, as %0Nd puts them.
    for (int zeros = width - length - digitCount; zeros > 0; --zeros) {
        out[length++] = '0';
    }
    while (digitCount > 0) {
        out[length++] = reversed[--digitCount];
    }
    out[length] = '\0';
    return length;
}

int ComposePasteText(const char* prefix, const char* numberText, const char* suffix, char* out) {
    int length = CopyFieldText(prefix, out);
    length += FormatCounter(ReadCounter(numberText), MeasureFieldText(numberText), out + length);
    length += CopyFieldText(suffix, out + length);
    out[length] = '\0';
    return length;
}

int NextNumberText(const char* numberText, char* out) {
    std::uint32_t next = static_cast<std::uint32_t>(ReadCounter(numberText)) + 1U;
    return FormatCounter(static_cast<std::int32_t>(next), MeasureFieldText(numberText), out);
}
