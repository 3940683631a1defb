#pragma once

// A recording stand-in for the Windows services that the program uses. Every
// call is logged as a line such as "OpenClipboard(main) = 1"; windows are
// named so that the log reads as the test expects it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/windows_api.h"

struct HostWindow {
    std::string name;
    std::string className;
    std::string text;
    DWORD thread = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    WNDPROC procedure = nullptr;
    bool destroyed = false;
};

namespace fake {

const std::uintptr_t MODULE_HANDLE = 0x400000;

struct Block {
    std::string name;
    UINT flags = 0;
    SIZE_T size = 0;
    std::vector<char> bytes;
    bool freed = false;
};

struct Clipboard {
    bool openedByUs = false;
    HWND owner = nullptr;
    HANDLE data = nullptr;
};

struct World {
    std::vector<std::string> calls;
    std::deque<HostWindow> windows;  // deque: handles stay valid as it grows
    std::deque<Block> blocks;
    std::deque<MSG> queue;
    std::vector<WNDCLASSA> classes;

    HWND foreground = nullptr;
    HWND focus = nullptr;
    DWORD ownThread = 11;
    bool attachSucceeds = true;
    bool allocSucceeds = true;
    bool lockSucceeds = true;
    bool openSucceeds = true;
    bool setDataSucceeds = true;
    bool createMainSucceeds = true;
    Clipboard clipboard;
    std::map<int, int> metrics;
    LONG systemFontHeight = 16;
    int pixelsPerInch = 96;
    int frameWidth = 4;
    int captionHeight = 19;
    BOOL (*isLeadByte)(BYTE) = nullptr;
    // What Windows itself puts into the limits before our handler runs.
    MINMAXINFO defaultLimits = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
    int createdMainWindows = 0;
    MINMAXINFO limitsAtCreation = {};
    std::function<void(HWND)> onShow;
};

extern World world;

// Starts a fresh world with the worked example's metrics.
void Reset();
HWND MakeWindow(const std::string& name, DWORD thread, const std::string& text = "");
// Our main window, and its three fields in FieldWindows, on our own thread.
HWND MakeMainWindowWithFields(const std::string& prefix, const std::string& number,
                              const std::string& suffix);
std::string NameOf(const void* handle);
// The calls logged since the last Reset or TakeCalls.
std::vector<std::string> TakeCalls();

}  // namespace fake
