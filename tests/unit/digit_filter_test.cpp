#include "numbering/digit_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "numbering/sequence_text.h"

namespace {

bool NoLeadBytes(unsigned char) { return false; }

// Lead bytes of code page 932.
bool IsLeadByte932(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string Filter(const std::string& text, bool (*isLeadByte)(unsigned char)) {
    char buffer[FIELD_TEXT_SIZE + 64] = {};
    text.copy(buffer, sizeof buffer - 1);
    int length = FilterDigits(buffer, isLeadByte);
    EXPECT_EQ(length, static_cast<int>(std::string(buffer).size()));
    return buffer;
}

TEST(DigitFilter, KeepsOnlyAsciiDigitsOutsideDoubleByteCharacters) {
    struct {
        const char* name;
        std::string text;
        bool (*isLeadByte)(unsigned char);
        std::string expected;
    } const cases[] = {
        {"empty", "", NoLeadBytes, ""},
        {"digits", "0123", NoLeadBytes, "0123"},
        {"letter inside", "12a3", NoLeadBytes, "123"},
        {"leading blank", " 12", NoLeadBytes, "12"},
        {"minus", "-5", NoLeadBytes, "5"},
        {"plus", "+5", NoLeadBytes, "5"},
        {"point", "1.5", NoLeadBytes, "15"},
        {"comma", "1,000", NoLeadBytes, "1000"},
        {"letters only", "abc", NoLeadBytes, ""},
        {"full-width 1 2 3", "\x82\x50\x82\x51\x82\x52", IsLeadByte932, ""},
        {"double-byte between",
         "1\x88\x9f"
         "2",
         IsLeadByte932, "12"},
        {"lead byte last", "12\x82", IsLeadByte932, "12"},
        {"trail byte 0x31 is no digit",
         "\x82"
         "1"
         "5",
         IsLeadByte932, "5"},
        {"half-width katakana",
         "1\xA1\xB1\xDF"
         "2",
         IsLeadByte932, "12"},
        {"superscripts of 1252",
         "\xB2\xB3\xB9"
         "4",
         NoLeadBytes, "4"},
        {"single-byte page tests every byte",
         "\x82"
         "1",
         NoLeadBytes, "1"},
        {"null predicate",
         "\x82"
         "1",
         nullptr, "1"},
        {"259 digits", std::string(259, '7'), NoLeadBytes, std::string(259, '7')},
        {"258 digits and a letter", std::string(258, '7') + "x", NoLeadBytes,
         std::string(258, '7')},
        {"only the first 259 bytes", "x" + std::string(260, '7'), NoLeadBytes,
         std::string(258, '7')},
        {"lead byte at 258 takes its trail",
         std::string(258, '1') + "\x82"
                                 "9"
                                 "9",
         IsLeadByte932, std::string(258, '1')},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Filter(row.text, row.isLeadByte), row.expected) << row.name;
    }
}

}  // namespace
