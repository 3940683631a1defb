#include "paste/hotkey_paste.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake/fake_windows.h"
#include "window/fields.h"

namespace {

using Calls = std::vector<std::string>;

const DWORD FRONT_THREAD = 22;

struct Desk {
    HWND main;
    HWND front;
    HWND edit;
};

// Our window with its three fields, and a front application with a focused edit.
Desk SetUpDesk(const std::string& prefix, const std::string& number, const std::string& suffix) {
    fake::Reset();
    Desk desk;
    desk.main = fake::MakeMainWindowWithFields(prefix, number, suffix);
    desk.front = fake::MakeWindow("front", FRONT_THREAD);
    desk.edit = fake::MakeWindow("edit", FRONT_THREAD);
    fake::world.foreground = desk.front;
    fake::world.focus = desk.edit;
    return desk;
}

const Calls READ_FIELDS = {
    "GetForegroundWindow() = front",
    "GetWindowTextA(prefix, 260)",
    "GetWindowTextA(number, 260)",
    "GetWindowTextA(suffix, 260)",
};

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::string TextIn(const fake::Block& block) { return std::string(block.bytes.data()); }

bool ZerosAfterText(const fake::Block& block) {
    for (std::size_t i = TextIn(block).size(); i < block.bytes.size(); ++i) {
        if (block.bytes[i] != '\0') {
            return false;
        }
    }
    return true;
}

TEST(HotkeyPaste, RegistersCtrlVForTheMainWindow) {
    Desk desk = SetUpDesk("", "", "");
    RegisterPasteHotkey(desk.main);
    UnregisterPasteHotkey(desk.main);
    EXPECT_EQ(fake::TakeCalls(),
              (Calls{"RegisterHotKey(main, 100, 0x2, 0x56)", "UnregisterHotKey(main, 100)"}));
}

TEST(HotkeyPaste, OnePressInAnotherApplicationInOrder) {
    Desk desk = SetUpDesk("ID-", "007", "-A");
    PasteNextNumber(desk.main);

    EXPECT_EQ(fake::TakeCalls(), Join({READ_FIELDS,
                                       {
                                           "GlobalAlloc(0x42, 260)",
                                           "GlobalLock(block1)",
                                           "GlobalUnlock(block1)",
                                           "OpenClipboard(main) = 1",
                                           "EmptyClipboard()",
                                           "SetClipboardData(1, block1) = taken",
                                           "CloseClipboard()",
                                           "SetWindowTextA(number, \"008\")",
                                           "GetCurrentThreadId() = 11",
                                           "GetWindowThreadProcessId(front) = 22",
                                           "AttachThreadInput(22, 11, 1) = 1",
                                           "SetForegroundWindow(front)",
                                           "GetFocus() = edit",
                                           "AttachThreadInput(22, 11, 0) = 1",
                                           "PostMessageA(edit, 0x100, 0x56, 0)",
                                       }}));
    const fake::Block& block = fake::world.blocks.at(0);
    EXPECT_EQ(TextIn(block), "ID-007-A");
    EXPECT_EQ(block.size, 260U);
    EXPECT_TRUE(ZerosAfterText(block));
    EXPECT_FALSE(block.freed);
    EXPECT_EQ(fake::world.clipboard.data, &block);
    EXPECT_EQ(fake::world.clipboard.owner, desk.main);

    PasteNextNumber(desk.main);
    EXPECT_EQ(TextIn(fake::world.blocks.at(1)), "ID-008-A");
    EXPECT_EQ(FieldWindows[FIELD_NUMBER]->text, "009");
}

TEST(HotkeyPaste, FailuresAlongThePress) {
    const Calls clipboardTaken = {
        "GlobalAlloc(0x42, 260)", "GlobalLock(block1)",
        "GlobalUnlock(block1)",   "OpenClipboard(main) = 1",
        "EmptyClipboard()",       "SetClipboardData(1, block1) = taken",
        "CloseClipboard()",       "SetWindowTextA(number, \"008\")",
    };
    struct {
        const char* name;
        void (*arrange)();
        Calls calls;
        bool blockFreed;
    } const cases[] = {
        {"no foreground window", [] { fake::world.foreground = nullptr; },
         Join({{"GetForegroundWindow() = null"},
               Calls(READ_FIELDS.begin() + 1, READ_FIELDS.end()),
               clipboardTaken,
               {"GetCurrentThreadId() = 11", "GetWindowThreadProcessId(null) = 0",
                "AttachThreadInput(0, 11, 1) = 0"}}),
         false},
        {"attach refused", [] { fake::world.attachSucceeds = false; },
         Join({READ_FIELDS,
               clipboardTaken,
               {"GetCurrentThreadId() = 11", "GetWindowThreadProcessId(front) = 22",
                "AttachThreadInput(22, 11, 1) = 0"}}),
         false},
        {"no focused control", [] { fake::world.focus = nullptr; },
         Join({READ_FIELDS,
               clipboardTaken,
               {"GetCurrentThreadId() = 11", "GetWindowThreadProcessId(front) = 22",
                "AttachThreadInput(22, 11, 1) = 1", "SetForegroundWindow(front)",
                "GetFocus() = null", "AttachThreadInput(22, 11, 0) = 1"}}),
         false},
        // Our text did not reach the clipboard: posting the key would paste
        // the old clipboard text, so no key goes out.
        {"clipboard held by another program", [] { fake::world.openSucceeds = false; },
         Join({READ_FIELDS,
               {"GlobalAlloc(0x42, 260)", "GlobalLock(block1)", "GlobalUnlock(block1)",
                "OpenClipboard(main) = 0", "GlobalFree(block1)",
                "SetWindowTextA(number, \"008\")"}}),
         true},
        {"clipboard refuses the block", [] { fake::world.setDataSucceeds = false; },
         Join({READ_FIELDS,
               {"GlobalAlloc(0x42, 260)", "GlobalLock(block1)", "GlobalUnlock(block1)",
                "OpenClipboard(main) = 1", "EmptyClipboard()", "SetClipboardData(1, block1) = null",
                "CloseClipboard()", "GlobalFree(block1)", "SetWindowTextA(number, \"008\")"}}),
         true},
        {"block cannot be allocated", [] { fake::world.allocSucceeds = false; },
         Join({READ_FIELDS, {"GlobalAlloc(0x42, 260)", "SetWindowTextA(number, \"008\")"}}), false},
        {"block cannot be locked", [] { fake::world.lockSucceeds = false; },
         Join({READ_FIELDS,
               {"GlobalAlloc(0x42, 260)", "GlobalLock(block1)", "GlobalFree(block1)",
                "SetWindowTextA(number, \"008\")"}}),
         true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        Desk desk = SetUpDesk("ID-", "007", "-A");
        row.arrange();
        PasteNextNumber(desk.main);
        EXPECT_EQ(fake::TakeCalls(), row.calls);
        EXPECT_EQ(FieldWindows[FIELD_NUMBER]->text, "008") << "the number still advances";
        if (!fake::world.blocks.empty()) {
            EXPECT_EQ(fake::world.blocks[0].freed, row.blockFreed);
        }
    }
}

TEST(HotkeyPaste, OwnWindowInFrontPastesIntoTheFocusedWindowOnly) {
    for (const std::string focus : {"suffix", "main", "null"}) {
        SCOPED_TRACE(focus);
        Desk desk = SetUpDesk("ID-", "007", "-A");
        fake::world.foreground = desk.main;
        fake::world.focus = focus == "suffix" ? FieldWindows[FIELD_SUFFIX]
                            : focus == "main" ? desk.main
                                              : nullptr;
        PasteNextNumber(desk.main);
        EXPECT_EQ(fake::TakeCalls(), (Calls{"GetForegroundWindow() = main", "GetFocus() = " + focus,
                                            "SendMessageA(" + focus + ", 0x302, 0, 0)"}));
        EXPECT_EQ(FieldWindows[FIELD_NUMBER]->text, "007");
        EXPECT_TRUE(fake::world.blocks.empty());
    }
}

TEST(HotkeyPaste, BlockIsAWholeFieldOrTheWholeText) {
    struct {
        std::size_t prefixLength;
        SIZE_T blockSize;
    } const cases[] = {
        {0, 260},
        {257, 260},
        {258, 260},
        {259, 261},
    };
    for (const auto& row : cases) {
        // With the number "1", the paste text is one byte longer than the prefix.
        Desk desk = SetUpDesk(std::string(row.prefixLength, 'p'), "1", "");
        PasteNextNumber(desk.main);
        const fake::Block& block = fake::world.blocks.at(0);
        EXPECT_EQ(block.size, row.blockSize) << row.prefixLength;
        EXPECT_EQ(TextIn(block), std::string(row.prefixLength, 'p') + "1");
        EXPECT_TRUE(ZerosAfterText(block));
    }

    Desk desk = SetUpDesk(std::string(259, 'P'), std::string(259, '0'), std::string(259, 'S'));
    PasteNextNumber(desk.main);
    const fake::Block& block = fake::world.blocks.at(0);
    EXPECT_EQ(block.size, 778U);
    EXPECT_EQ(TextIn(block), std::string(259, 'P') + std::string(259, '0') + std::string(259, 'S'));
    EXPECT_EQ(FieldWindows[FIELD_NUMBER]->text, std::string(258, '0') + "1");
    EXPECT_EQ(fake::TakeCalls().back(), "PostMessageA(edit, 0x100, 0x56, 0)");
}

TEST(HotkeyPaste, UnreadableFieldsCountAsEmpty) {
    Desk desk = SetUpDesk("", "", "");
    FieldWindows[FIELD_PREFIX] = nullptr;
    FieldWindows[FIELD_SUFFIX] = nullptr;
    PasteNextNumber(desk.main);
    EXPECT_EQ(TextIn(fake::world.blocks.at(0)), "0");
    EXPECT_EQ(FieldWindows[FIELD_NUMBER]->text, "1");
}

}  // namespace
