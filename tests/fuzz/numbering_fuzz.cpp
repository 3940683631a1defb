// Splits the input into a prefix, a number text, a suffix and a text to
// filter, and checks what must hold for any bytes at all.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "numbering/digit_filter.h"
#include "numbering/sequence_text.h"

namespace {

const std::size_t GUARD = 64;

bool IsLeadByteOdd(unsigned char byte) { return byte >= 0x81 && (byte & 1U) != 0; }

// Takes the next field text: up to a 0xFF separator, at most 259 bytes.
std::size_t TakeField(const std::uint8_t*& data, std::size_t& size, char* out) {
    std::size_t length = 0;
    while (size > 0 && *data != 0xFF) {
        if (*data != 0 && length < FIELD_TEXT_SIZE - 1) {
            out[length++] = static_cast<char>(*data);
        }
        ++data;
        --size;
    }
    if (size > 0) {
        ++data;
        --size;
    }
    out[length] = '\0';
    return length;
}

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void CheckGuard(const char* buffer, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        Check(buffer[i] == '\x5A');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char prefix[FIELD_TEXT_SIZE];
    char number[FIELD_TEXT_SIZE];
    char suffix[FIELD_TEXT_SIZE];
    char filtered[FIELD_TEXT_SIZE];
    std::size_t prefixLength = TakeField(data, size, prefix);
    std::size_t numberLength = TakeField(data, size, number);
    std::size_t suffixLength = TakeField(data, size, suffix);
    std::size_t filterLength = TakeField(data, size, filtered);

    char paste[PASTE_TEXT_SIZE + GUARD];
    std::memset(paste, 0x5A, sizeof paste);
    int pasteLength = ComposePasteText(prefix, number, suffix, paste);
    Check(pasteLength >= 0 && pasteLength < PASTE_TEXT_SIZE);
    Check(std::strlen(paste) == static_cast<std::size_t>(pasteLength));
    Check(static_cast<std::size_t>(pasteLength) >= prefixLength + numberLength + suffixLength);
    Check(std::memcmp(paste, prefix, prefixLength) == 0);
    Check(std::memcmp(paste + pasteLength - suffixLength, suffix, suffixLength) == 0);
    CheckGuard(paste, PASTE_TEXT_SIZE, sizeof paste);

    char next[FIELD_TEXT_SIZE + GUARD];
    std::memset(next, 0x5A, sizeof next);
    int nextLength = NextNumberText(number, next);
    Check(nextLength >= static_cast<int>(numberLength) && nextLength < FIELD_TEXT_SIZE);
    Check(std::strlen(next) == static_cast<std::size_t>(nextLength));
    CheckGuard(next, FIELD_TEXT_SIZE, sizeof next);

    // The paste text holds the same formatted counter as the next number's
    // predecessor: both read the same number text.
    char formatted[FIELD_TEXT_SIZE];
    int formattedLength =
        FormatCounter(ReadCounter(number), static_cast<int>(numberLength), formatted);
    Check(pasteLength == static_cast<int>(prefixLength + suffixLength) + formattedLength);
    Check(std::memcmp(paste + prefixLength, formatted, formattedLength) == 0);

    bool (*predicates[])(unsigned char) = {nullptr, IsLeadByteOdd};
    for (auto* isLeadByte : predicates) {
        char text[FIELD_TEXT_SIZE + GUARD];
        std::memset(text, 0x5A, sizeof text);
        std::memcpy(text, filtered, filterLength + 1);
        int cleanLength = FilterDigits(text, isLeadByte);
        Check(cleanLength >= 0 && cleanLength <= static_cast<int>(filterLength));
        Check(std::strlen(text) == static_cast<std::size_t>(cleanLength));
        for (int i = 0; i < cleanLength; ++i) {
            Check(text[i] >= '0' && text[i] <= '9');
        }
        CheckGuard(text, FIELD_TEXT_SIZE, sizeof text);
    }
    return 0;
}
