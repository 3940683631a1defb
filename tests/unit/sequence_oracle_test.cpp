#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "numbering/sequence_text.h"

namespace {

// The plain way: 64-bit accumulation, then the low 32 bits; printf pads.
std::int32_t OracleCounter(const std::string& text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) {
        return 0;
    }
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    std::uint64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = (value * 10 + static_cast<std::uint64_t>(text[at] - '0')) & 0xFFFFFFFFULL;
    }
    if (negative) {
        value = (0x100000000ULL - value) & 0xFFFFFFFFULL;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string OracleFormat(std::int32_t counter, int width) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, static_cast<int>(counter));
    return buffer;
}

std::string RandomText(std::mt19937& random) {
    static const char ALPHABET[] = " \t\n\v\f\r+-0123456789aZ%\x80\x82\xA0\xFF";
    std::size_t length = random() % 260;
    if (random() % 4 == 0) {
        length = random() % 16;  // short texts reach the counter's overflow more often
    }
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        char byte = random() % 3 == 0 ? static_cast<char>(1 + random() % 255)
                                      : ALPHABET[random() % (sizeof ALPHABET - 1)];
        text.push_back(byte);
    }
    return text;
}

TEST(SequenceOracle, RandomTextsMatchThePlainImplementation) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 200000; ++round) {
        const std::string prefix = RandomText(random);
        const std::string number = RandomText(random);
        const std::string suffix = RandomText(random);
        const int width = static_cast<int>(number.size());
        const std::int32_t counter = OracleCounter(number);

        char paste[PASTE_TEXT_SIZE];
        int length = ComposePasteText(prefix.c_str(), number.c_str(), suffix.c_str(), paste);
        const std::string expectedPaste = prefix + OracleFormat(counter, width) + suffix;
        ASSERT_EQ(std::string(paste), expectedPaste) << "number text \"" << number << "\"";
        ASSERT_EQ(length, static_cast<int>(expectedPaste.size()));

        char next[FIELD_TEXT_SIZE];
        length = NextNumberText(number.c_str(), next);
        const std::int32_t plusOne =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1U);
        ASSERT_EQ(std::string(next), OracleFormat(plusOne, width)) << number;
        ASSERT_EQ(length, static_cast<int>(std::string(next).size()));
    }
}

}  // namespace
