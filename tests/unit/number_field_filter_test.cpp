#include "numbering/number_field_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake/fake_windows.h"

namespace {

BOOL IsLeadByte932(BYTE byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

TEST(NumberFieldFilter, WritesBackOnlyWhenSomethingWasDropped) {
    struct {
        const char* name;
        std::string text;
        std::string after;
        bool written;
    } const cases[] = {
        {"empty", "", "", false},
        {"digits only", "0123", "0123", false},
        {"a letter", "12a3", "123", true},
        {"no digit at all", "abc", "", true},
        {"full-width digits", "\x82\x50\x82\x51\x82\x52", "", true},
        {"double-byte character between",
         "1\x88\x9f"
         "2",
         "12", true},
        {"259 digits", std::string(259, '5'), std::string(259, '5'), false},
        {"digits beyond 259 bytes stay", std::string(300, '5'), std::string(300, '5'), false},
        {"a drop cuts the field to its first 259 bytes", std::string(258, '5') + "x" + "999",
         std::string(258, '5'), true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        fake::Reset();
        fake::world.isLeadByte = IsLeadByte932;
        HWND field = fake::MakeWindow("number", 11, row.text);
        FilterNumberField(field);
        std::vector<std::string> calls = fake::TakeCalls();
        EXPECT_EQ(field->text, row.after);
        ASSERT_EQ(calls.size(), row.written ? 3U : 2U);
        EXPECT_EQ(calls[0], "GetWindowTextA(number, 260)");
        EXPECT_EQ(calls[1], "lstrlenA()");
    }
}

}  // namespace
