#include "window/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake/fake_windows.h"
#include "window/fields.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE previous, LPSTR commandLine, int show);

namespace {

using Calls = std::vector<std::string>;

HWND SetUpMainWindow() {
    fake::Reset();
    HWND main = fake::MakeMainWindowWithFields("", "12a3", "");
    main->procedure = MainWndProc;
    fake::world.foreground = main;
    return main;
}

LPARAM HandleOf(int field) { return reinterpret_cast<LPARAM>(FieldWindows[field]); }

WPARAM Notification(WORD code) { return static_cast<WPARAM>(code) << 16; }

TEST(MainWindow, MessageTable) {
    const LRESULT DEFAULT = 0x5EED;  // what the fake's DefWindowProcA answers
    struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM (*lParam)();
        Calls calls;
        LRESULT result;
    } const cases[] = {
        {"create",
         WM_CREATE,
         0,
         [] { return LPARAM{0}; },
         {"RegisterHotKey(main, 100, 0x2, 0x56)", "GetModuleHandleA(null)",
          "CreateWindowExA(0x200, EDIT, \"\", 0x54000180, 0, 0, 0, 0, main, null, module, null)",
          "CreateWindowExA(0x200, EDIT, \"\", 0x54000180, 0, 0, 0, 0, main, null, module, null)",
          "CreateWindowExA(0x200, EDIT, \"\", 0x54000180, 0, 0, 0, 0, main, null, module, null)",
          "DefWindowProcA(main, 0x1, 0, 0)"},
         DEFAULT},
        {"destroy",
         WM_DESTROY,
         0,
         [] { return LPARAM{0}; },
         {"UnregisterHotKey(main, 100)", "PostQuitMessage(0)"},
         0},
        {"close",
         WM_CLOSE,
         0,
         [] { return LPARAM{0}; },
         {"DestroyWindow(main)", "UnregisterHotKey(main, 100)", "PostQuitMessage(0)",
          "DefWindowProcA(main, 0x10, 0, 0)"},
         DEFAULT},
        {"number field loses the focus",
         WM_COMMAND,
         Notification(EN_KILLFOCUS),
         [] { return HandleOf(FIELD_NUMBER); },
         {"GetWindowTextA(number, 260)", "lstrlenA()", "SetWindowTextA(number, \"123\")",
          "DefWindowProcA(main, 0x111, 33554432, number)"},
         DEFAULT},
        {"prefix field loses the focus",
         WM_COMMAND,
         Notification(EN_KILLFOCUS),
         [] { return HandleOf(FIELD_PREFIX); },
         {"DefWindowProcA(main, 0x111, 33554432, prefix)"},
         DEFAULT},
        {"number field changes",
         WM_COMMAND,
         Notification(0x0300),
         [] { return HandleOf(FIELD_NUMBER); },
         {"DefWindowProcA(main, 0x111, 50331648, number)"},
         DEFAULT},
        {"hot key with our window in front",
         WM_HOTKEY,
         100,
         [] { return LPARAM{0x560002}; },
         {"GetForegroundWindow() = main", "GetFocus() = null", "SendMessageA(null, 0x302, 0, 0)",
          "DefWindowProcA(main, 0x312, 100, 5636098)"},
         DEFAULT},
        {"paste on the main window",
         WM_PASTE,
         0,
         [] { return LPARAM{0}; },
         {"DefWindowProcA(main, 0x302, 0, 0)"},
         DEFAULT},
        {"paint",
         0x000F,
         0,
         [] { return LPARAM{0}; },
         {"DefWindowProcA(main, 0xf, 0, 0)"},
         DEFAULT},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        HWND main = SetUpMainWindow();
        LRESULT result = MainWndProc(main, row.message, row.wParam, row.lParam());
        EXPECT_EQ(fake::TakeCalls(), row.calls);
        EXPECT_EQ(result, row.result);
    }
}

TEST(MainWindow, FieldsFillThirdsOfTheClientWidth) {
    struct {
        int width;
        int fieldWidth;
    } const cases[] = {{200, 66}, {201, 67}, {202, 67}};
    for (const auto& row : cases) {
        HWND main = SetUpMainWindow();
        MainWndProc(main, WM_SIZE, 0, (21 << 16) | row.width);
        const int w = row.fieldWidth;
        EXPECT_EQ(
            fake::TakeCalls(),
            (Calls{"MoveWindow(prefix, 0, 0, " + std::to_string(w) + ", 21, 1)",
                   "MoveWindow(number, " + std::to_string(w) + ", 0, " + std::to_string(w) +
                       ", 21, 1)",
                   "MoveWindow(suffix, " + std::to_string(2 * w) + ", 0, " + std::to_string(w) +
                       ", 21, 1)",
                   "DefWindowProcA(main, 0x5, 0, " + std::to_string((21 << 16) | row.width) + ")"}))
            << row.width;
    }
}

TEST(MainWindow, SizeLimitsSetFourMembersOnly) {
    HWND main = SetUpMainWindow();
    MainWindowSize = {208, 48};
    MINMAXINFO limits = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
    EXPECT_EQ(MainWndProc(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits)), 0);
    EXPECT_EQ(fake::TakeCalls(), Calls{});
    const LONG expected[] = {1, 2, 3, 48, 5, 6, 208, 48, 9, 48};
    const LONG* actual = &limits.ptReserved.x;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "member " << i;
    }
}

TEST(MainWindow, ClientHeightFromSystemFont) {
    struct {
        LONG fontHeight;
        int pixelsPerInch;
        int clientHeight;
    } const cases[] = {
        {16, 96, 21},
        {-16, 96, 21},
        {16, 120, 26},
        {20, 120, 33},
        {24, 144, 48},
        {0, 96, 0},
        {INT32_MIN, 1, 29826161},  // no overflow on the largest magnitude
    };
    for (const auto& row : cases) {
        EXPECT_EQ(MeasureClientHeight(row.fontHeight, row.pixelsPerInch), row.clientHeight)
            << row.fontHeight << " at " << row.pixelsPerInch;
    }
}

TEST(MainWindow, CreationFollowsTheWorkedExample) {
    fake::Reset();
    HWND main = CreateMainWindow(reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE));
    ASSERT_NE(main, nullptr);
    const std::string field =
        "CreateWindowExA(0x200, EDIT, \"\", 0x54000180, 0, 0, 0, 0, main, null, module, null)";
    EXPECT_EQ(fake::TakeCalls(),
              (Calls{"LoadIconA(null, 32512)",
                     "LoadCursorA(null, 32512)",
                     "GetStockObject(0)",
                     "RegisterClassA(Tallix_Window)",
                     "GetStockObject(13)",
                     "GetObjectA(0x90d, 60)",
                     "CreateCompatibleDC(null)",
                     "GetDeviceCaps(0xdc, 90)",
                     "DeleteDC(0xdc)",
                     "AdjustWindowRect({0, 0, 200, 21}, 0x80ce0000, 0)",
                     "GetSystemMetrics(61)",
                     "GetSystemMetrics(32)",
                     "GetSystemMetrics(62)",
                     "GetSystemMetrics(33)",
                     "CreateWindowExA(0x0, Tallix_Window, \"Zantopo\", 0x80ce0000, 816, 690, 208, "
                     "48, null, null, module, null)",
                     "RegisterHotKey(main, 100, 0x2, 0x56)",
                     "GetModuleHandleA(null)",
                     field,
                     field,
                     field,
                     "DefWindowProcA(main, 0x1, 0, 0)",
                     "ShowWindow(main, 1)",
                     "UpdateWindow(main)"}));
    EXPECT_EQ(MainWindowSize.width, 208);
    EXPECT_EQ(MainWindowSize.height, 48);
    // Windows asks for the limits during creation: they were final by then.
    EXPECT_EQ(fake::world.limitsAtCreation.ptMinTrackSize.x, 208);
    EXPECT_EQ(fake::world.limitsAtCreation.ptMaxTrackSize.y, 48);

    const WNDCLASSA& windowClass = fake::world.classes.at(0);
    EXPECT_EQ(windowClass.style, 0x000BU);
    EXPECT_EQ(windowClass.lpfnWndProc, MainWndProc);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_EQ(windowClass.hInstance, reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE));
    EXPECT_EQ(windowClass.hIcon, reinterpret_cast<HICON>(0x1C0));
    EXPECT_EQ(windowClass.hCursor, reinterpret_cast<HCURSOR>(0xC0));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(0x900 + WHITE_BRUSH));
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);

    for (int i = 0; i < FIELD_COUNT; ++i) {
        ASSERT_NE(FieldWindows[i], nullptr);
        EXPECT_EQ(FieldWindows[i]->parent, main);
    }
    EXPECT_NE(FieldWindows[FIELD_PREFIX], FieldWindows[FIELD_NUMBER]);
    EXPECT_NE(FieldWindows[FIELD_NUMBER], FieldWindows[FIELD_SUFFIX]);
}

TEST(MainWindow, WinMainRunsUntilClosedAndEndsWithZero) {
    fake::Reset();
    fake::world.onShow = [](HWND window) {
        fake::world.queue.push_back(MSG{window, WM_CLOSE, 0, 0, 0, {0, 0}});
    };
    EXPECT_EQ(WinMain(reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE), nullptr, nullptr, 1), 0);
    Calls calls = fake::TakeCalls();
    Calls loop(calls.end() - 9, calls.end());
    EXPECT_EQ(loop,
              (Calls{"UpdateWindow(main)", "GetMessageA(null, 0, 0)", "TranslateMessage(0x10)",
                     "DispatchMessageA(0x10)", "DestroyWindow(main)", "UnregisterHotKey(main, 100)",
                     "PostQuitMessage(0)", "DefWindowProcA(main, 0x10, 0, 0)",
                     "GetMessageA(null, 0, 0)"}));
}

TEST(MainWindow, WinMainWithoutAWindowEndsAtOnce) {
    fake::Reset();
    fake::world.createMainSucceeds = false;
    EXPECT_EQ(WinMain(reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE), nullptr, nullptr, 1), 1);
    for (const std::string& call : fake::TakeCalls()) {
        EXPECT_EQ(call.find("GetMessageA"), std::string::npos);
        EXPECT_EQ(call.find("ShowWindow"), std::string::npos);
    }
}

TEST(MainWindow, WinMainStopsOnAMessageError) {
    fake::Reset();  // the fake's empty queue answers -1
    EXPECT_EQ(WinMain(reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE), nullptr, nullptr, 1), 0);
    EXPECT_EQ(fake::TakeCalls().back(), "GetMessageA(null, 0, 0)");
}

}  // namespace
