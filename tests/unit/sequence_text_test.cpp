#include "numbering/sequence_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NumberCase {
    std::string numberText;
    std::int32_t counter;
    std::string pasted;
    std::string next;
};

// Every row goes through all four rules: the counter read, the number in the
// paste text, and the next number text, whose width is the text's length.
const NumberCase NUMBER_CASES[] = {
    {"", 0, "0", "1"},
    {"007", 7, "007", "008"},
    {"0", 0, "0", "1"},
    {"9", 9, "9", "10"},
    {"099", 99, "099", "100"},
    {"999", 999, "999", "1000"},
    {"0000", 0, "0000", "0001"},
    {"000000000001", 1, "000000000001", "000000000002"},
    {"2147483647", 2147483647, "2147483647", "-2147483648"},
    {"2147483648", INT32_MIN, "-2147483648", "-2147483647"},
    {"-2147483648", INT32_MIN, "-2147483648", "-2147483647"},
    {"4294967295", -1, "-000000001", "0000000000"},
    {"4294967296", 0, "0000000000", "0000000001"},
    {" 12", 12, "012", "013"},
    {"\t7", 7, "07", "08"},
    {"1 2", 1, "001", "002"},
    {"12abc", 12, "00012", "00013"},
    {"abc", 0, "000", "001"},
    {"+7", 7, "07", "08"},
    {"-7", -7, "-7", "-6"},
    {"-07", -7, "-07", "-06"},
    {"-01", -1, "-01", "000"},
    {"- 5", 0, "000", "001"},
    {"+-5", 0, "000", "001"},
    {"\x82\x4f\x82\x50", 0, "0000", "0001"},  // two full-width digits, code page 932
    {"\n\v\f\r9", 9, "00009", "00010"},
    {"\xA0"
     "5",
     0, "00", "01"},  // 0xA0 is no white space, in any code page
};

TEST(SequenceText, NumberTextTable) {
    for (const NumberCase& row : NUMBER_CASES) {
        SCOPED_TRACE("number text \"" + row.numberText + "\"");
        EXPECT_EQ(ReadCounter(row.numberText.c_str()), row.counter);

        char paste[PASTE_TEXT_SIZE];
        int length = ComposePasteText("<", row.numberText.c_str(), ">", paste);
        EXPECT_EQ(std::string(paste), "<" + row.pasted + ">");
        EXPECT_EQ(length, static_cast<int>(row.pasted.size()) + 2);

        char next[FIELD_TEXT_SIZE];
        length = NextNumberText(row.numberText.c_str(), next);
        EXPECT_EQ(std::string(next), row.next);
        EXPECT_EQ(length, static_cast<int>(row.next.size()));
    }
}

TEST(SequenceText, FormatCounterPadsBetweenSignAndDigits) {
    struct {
        std::int32_t counter;
        int width;
        const char* text;
    } const cases[] = {
        {7, 3, "007"},
        {-7, 3, "-07"},
        {-1, 10, "-000000001"},
        {1000, 3, "1000"},
        {0, 0, "0"},
        {5, 1, "5"},
        {INT32_MIN, 0, "-2147483648"},
        {INT32_MIN, 12, "-02147483648"},
        {-5, -3, "-5"},  // a negative width adds nothing
    };
    for (const auto& row : cases) {
        char out[FIELD_TEXT_SIZE];
        int length = FormatCounter(row.counter, row.width, out);
        EXPECT_EQ(std::string(out), row.text) << row.counter << " width " << row.width;
        EXPECT_EQ(length, static_cast<int>(std::string(row.text).size()));
    }
}

TEST(SequenceText, PrefixAndSuffixAreCopiedAsData) {
    struct {
        const char* prefix;
        const char* number;
        const char* suffix;
        const char* paste;
    } const cases[] = {
        {"ID-", "007", "-A", "ID-007-A"},
        {"", "007", "", "007"},
        {"50%", "3", "", "50%3"},
        {"%s%d", "1", "%n%%", "%s%d1%n%%"},
        {"\xff\x80", "1", "\x82\xa0",
         "\xff\x80"
         "1\x82\xa0"},
    };
    for (const auto& row : cases) {
        char out[PASTE_TEXT_SIZE];
        ComposePasteText(row.prefix, row.number, row.suffix, out);
        EXPECT_EQ(std::string(out), row.paste);
    }
}

TEST(SequenceText, ConsecutivePressesCarryTheWidth) {
    char number[FIELD_TEXT_SIZE] = "998";
    const char* expected[] = {"ID-998-A", "ID-999-A", "ID-1000-A", "ID-1001-A"};
    for (const char* paste : expected) {
        char out[PASTE_TEXT_SIZE];
        ComposePasteText("ID-", number, "-A", out);
        EXPECT_EQ(std::string(out), paste);
        char next[FIELD_TEXT_SIZE];
        NextNumberText(number, next);
        std::string(next).copy(number, FIELD_TEXT_SIZE - 1);
        number[std::string(next).size()] = '\0';
    }
}

TEST(SequenceText, LongestFieldsComposeWhole) {
    const std::string prefix(259, 'P');
    const std::string digits(259, '9');
    const std::string suffix(259, 'S');
    char out[PASTE_TEXT_SIZE + 16];
    std::string(sizeof out, '#').copy(out, sizeof out);

    int length = ComposePasteText(prefix.c_str(), digits.c_str(), suffix.c_str(), out);

    // 259 nines keep the low 32 bits of their value: 10^259 - 1 mod 2^32.
    std::uint32_t low = 0;
    for (int i = 0; i < 259; ++i) {
        low = low * 10U + 9U;
    }
    char formatted[FIELD_TEXT_SIZE];
    EXPECT_EQ(FormatCounter(static_cast<std::int32_t>(low), 259, formatted), 259);
    EXPECT_EQ(length, 777);
    EXPECT_EQ(std::string(out), prefix + formatted + suffix);
    EXPECT_EQ(out[PASTE_TEXT_SIZE], '#') << "wrote past the paste buffer";

    char next[FIELD_TEXT_SIZE + 1];
    next[FIELD_TEXT_SIZE] = '#';
    EXPECT_EQ(NextNumberText(digits.c_str(), next), 259);
    EXPECT_EQ(next[FIELD_TEXT_SIZE], '#');
}

TEST(SequenceText, TextsLongerThanAFieldTakePartWithTheirFirst259Bytes) {
    const std::string prefix = std::string(259, 'P') + "overflow";
    const std::string number = "1" + std::string(258, '0') + "5";
    char out[PASTE_TEXT_SIZE + 1];
    out[PASTE_TEXT_SIZE] = '#';
    int length = ComposePasteText(prefix.c_str(), number.c_str(), prefix.c_str(), out);
    EXPECT_EQ(length, 777);
    EXPECT_EQ(out[PASTE_TEXT_SIZE], '#');
    EXPECT_EQ(std::string(out, 259), prefix.substr(0, 259));

    char first[FIELD_TEXT_SIZE];
    char whole[FIELD_TEXT_SIZE];
    NextNumberText(number.substr(0, 259).c_str(), first);
    NextNumberText(number.c_str(), whole);
    EXPECT_EQ(std::string(whole), first);
}

}  // namespace
