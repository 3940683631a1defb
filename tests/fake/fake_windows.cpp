#include "tests/fake/fake_windows.h"

#include <cstdio>
#include <cstring>

#include "window/fields.h"

namespace fake {

World world;

void Reset() {
    world.~World();
    new (&world) World();
    world.metrics = {
        {SM_CXMAXIMIZED, 1032}, {SM_CYMAXIMIZED, 746}, {SM_CXFRAME, 4}, {SM_CYFRAME, 4}};
}

HWND MakeWindow(const std::string& name, DWORD thread, const std::string& text) {
    world.windows.emplace_back();
    HWND window = &world.windows.back();
    window->name = name;
    window->thread = thread;
    window->text = text;
    return window;
}

HWND MakeMainWindowWithFields(const std::string& prefix, const std::string& number,
                              const std::string& suffix) {
    HWND main = MakeWindow("main", world.ownThread);
    FieldWindows[FIELD_PREFIX] = MakeWindow("prefix", world.ownThread, prefix);
    FieldWindows[FIELD_NUMBER] = MakeWindow("number", world.ownThread, number);
    FieldWindows[FIELD_SUFFIX] = MakeWindow("suffix", world.ownThread, suffix);
    return main;
}

std::string NameOf(const void* handle) {
    if (handle == nullptr) {
        return "null";
    }
    if (handle == reinterpret_cast<const void*>(MODULE_HANDLE)) {
        return "module";
    }
    for (const HostWindow& window : world.windows) {
        if (&window == handle) {
            return window.name;
        }
    }
    for (const Block& block : world.blocks) {
        if (&block == handle) {
            return block.name;
        }
    }
    return "?";
}

std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(world.calls);
    return calls;
}

}  // namespace fake

using fake::NameOf;
using fake::world;

namespace {

template <typename... Args>
void Log(const char* format, Args... args) {
    char line[512];
    std::snprintf(line, sizeof line, format, args...);
    world.calls.push_back(line);
}

const char* Quote(const char* text) { return text == nullptr ? "null" : text; }

std::string Name(const void* handle) { return NameOf(handle); }

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr || window->procedure == nullptr) {
        return 0;
    }
    return window->procedure(window, message, wParam, lParam);
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    world.classes.push_back(*windowClass);
    Log("RegisterClassA(%s)", windowClass->lpszClassName);
    return 1;
}

HICON LoadIconA(HINSTANCE module, LPCSTR name) {
    Log("LoadIconA(%s, %ld)", Name(module).c_str(), reinterpret_cast<long>(name));
    return reinterpret_cast<HICON>(0x1C0);
}

HCURSOR LoadCursorA(HINSTANCE module, LPCSTR name) {
    Log("LoadCursorA(%s, %ld)", Name(module).c_str(), reinterpret_cast<long>(name));
    return reinterpret_cast<HCURSOR>(0xC0);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE module,
                     LPVOID param) {
    Log("CreateWindowExA(0x%x, %s, \"%s\", 0x%08x, %d, %d, %d, %d, %s, %s, %s, %s)", exStyle,
        className, Quote(title), style, x, y, width, height, Name(parent).c_str(),
        Name(menu).c_str(), Name(module).c_str(), Name(param).c_str());
    WNDPROC procedure = nullptr;
    for (const WNDCLASSA& registered : world.classes) {
        if (std::strcmp(registered.lpszClassName, className) == 0) {
            procedure = registered.lpfnWndProc;
        }
    }
    if (procedure != nullptr && !world.createMainSucceeds) {
        return nullptr;
    }
    std::string name =
        procedure != nullptr ? "main" : "field" + std::to_string(world.windows.size());
    HWND window = fake::MakeWindow(name, world.ownThread, Quote(title));
    window->className = className;
    window->style = style;
    window->exStyle = exStyle;
    window->parent = parent;
    window->procedure = procedure;
    if (procedure != nullptr) {
        ++world.createdMainWindows;
        world.limitsAtCreation = world.defaultLimits;
        procedure(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&world.limitsAtCreation));
        procedure(window, WM_CREATE, 0, 0);
    }
    return window;
}

BOOL ShowWindow(HWND window, int command) {
    Log("ShowWindow(%s, %d)", Name(window).c_str(), command);
    if (world.onShow) {
        world.onShow(window);
    }
    return FALSE;
}

BOOL UpdateWindow(HWND window) {
    Log("UpdateWindow(%s)", Name(window).c_str());
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    Log("MoveWindow(%s, %d, %d, %d, %d, %d)", Name(window).c_str(), x, y, width, height, repaint);
    return window != nullptr;
}

BOOL DestroyWindow(HWND window) {
    Log("DestroyWindow(%s)", Name(window).c_str());
    Deliver(window, WM_DESTROY, 0, 0);
    window->destroyed = true;
    return TRUE;
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) {
    Log("AdjustWindowRect({%d, %d, %d, %d}, 0x%08x, %d)", rect->left, rect->top, rect->right,
        rect->bottom, style, menu);
    rect->left -= world.frameWidth;
    rect->top -= world.frameWidth + world.captionHeight;
    rect->right += world.frameWidth;
    rect->bottom += world.frameWidth;
    return TRUE;
}

int GetSystemMetrics(int index) {
    Log("GetSystemMetrics(%d)", index);
    return world.metrics[index];
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // An lParam that is one of the windows is logged by its name.
    std::string named = Name(reinterpret_cast<void*>(lParam));
    if (named == "?" || named == "null") {
        named = std::to_string(lParam);
    }
    Log("DefWindowProcA(%s, 0x%x, %lu, %s)", Name(window).c_str(), message,
        static_cast<unsigned long>(wParam), named.c_str());
    return 0x5EED;  // a result the caller has to pass on
}

void PostQuitMessage(int exitCode) {
    Log("PostQuitMessage(%d)", exitCode);
    world.queue.push_back(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, 0, {0, 0}});
}

BOOL GetMessageA(MSG* msg, HWND window, UINT first, UINT last) {
    Log("GetMessageA(%s, %u, %u)", Name(window).c_str(), first, last);
    if (world.queue.empty()) {
        return -1;  // an empty fake queue reads as an error, so that no test hangs
    }
    *msg = world.queue.front();
    world.queue.pop_front();
    return msg->message != WM_QUIT;
}

BOOL TranslateMessage(const MSG* msg) {
    Log("TranslateMessage(0x%x)", msg->message);
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    Log("DispatchMessageA(0x%x)", msg->message);
    return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log("SendMessageA(%s, 0x%x, %lu, %ld)", Name(window).c_str(), message,
        static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    return Deliver(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log("PostMessageA(%s, 0x%x, 0x%lx, %ld)", Name(window).c_str(), message,
        static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    return window != nullptr;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
    Log("GetWindowTextA(%s, %d)", Name(window).c_str(), size);
    if (window == nullptr || size <= 0) {
        return 0;  // like Windows for a bad handle: the buffer is not touched
    }
    std::string taken = window->text.substr(0, static_cast<std::size_t>(size) - 1);
    std::memcpy(text, taken.c_str(), taken.size() + 1);
    return static_cast<int>(taken.size());
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    Log("SetWindowTextA(%s, \"%s\")", Name(window).c_str(), text);
    if (window == nullptr) {
        return FALSE;
    }
    window->text = text;
    return TRUE;
}

BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key) {
    Log("RegisterHotKey(%s, %d, 0x%x, 0x%x)", Name(window).c_str(), id, modifiers, key);
    return TRUE;
}

BOOL UnregisterHotKey(HWND window, int id) {
    Log("UnregisterHotKey(%s, %d)", Name(window).c_str(), id);
    return TRUE;
}

BOOL OpenClipboard(HWND owner) {
    Log("OpenClipboard(%s) = %d", Name(owner).c_str(), world.openSucceeds);
    world.clipboard.openedByUs = world.openSucceeds;
    if (world.openSucceeds) {
        world.clipboard.owner = owner;
    }
    return world.openSucceeds;
}

BOOL EmptyClipboard() {
    Log("EmptyClipboard()");
    world.clipboard.data = nullptr;
    return world.clipboard.openedByUs;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    bool taken = world.setDataSucceeds;
    Log("SetClipboardData(%u, %s) = %s", format, Name(data).c_str(), taken ? "taken" : "null");
    if (!taken) {
        return nullptr;
    }
    world.clipboard.data = data;
    return data;
}

BOOL CloseClipboard() {
    Log("CloseClipboard()");
    world.clipboard.openedByUs = false;
    return TRUE;
}

HWND GetForegroundWindow() {
    Log("GetForegroundWindow() = %s", Name(world.foreground).c_str());
    return world.foreground;
}

HWND GetFocus() {
    Log("GetFocus() = %s", Name(world.focus).c_str());
    return world.focus;
}

BOOL SetForegroundWindow(HWND window) {
    Log("SetForegroundWindow(%s)", Name(window).c_str());
    return TRUE;
}

DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
    DWORD thread = window == nullptr ? 0 : window->thread;
    Log("GetWindowThreadProcessId(%s) = %u", Name(window).c_str(), thread);
    if (processId != nullptr) {
        *processId = 0;
    }
    return thread;
}

BOOL AttachThreadInput(DWORD attach, DWORD attachTo, BOOL doAttach) {
    BOOL result = world.attachSucceeds && attach != 0 ? TRUE : FALSE;
    Log("AttachThreadInput(%u, %u, %d) = %d", attach, attachTo, doAttach, result);
    return result;
}

HGDIOBJ GetStockObject(int object) {
    Log("GetStockObject(%d)", object);
    return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(0x900 + object));
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    Log("GetObjectA(0x%lx, %d)", reinterpret_cast<long>(object), size);
    LOGFONTA font = {};
    font.lfHeight = world.systemFontHeight;
    std::memcpy(buffer, &font, sizeof font);
    return size;
}

HDC CreateCompatibleDC(HDC dc) {
    Log("CreateCompatibleDC(%s)", Name(dc).c_str());
    return reinterpret_cast<HDC>(0xDC);
}

int GetDeviceCaps(HDC dc, int index) {
    Log("GetDeviceCaps(0x%lx, %d)", reinterpret_cast<long>(dc), index);
    return index == LOGPIXELSY ? world.pixelsPerInch : 0;
}

BOOL DeleteDC(HDC dc) {
    Log("DeleteDC(0x%lx)", reinterpret_cast<long>(dc));
    return TRUE;
}

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    Log("GlobalAlloc(0x%x, %zu)", flags, bytes);
    if (!world.allocSucceeds) {
        return nullptr;
    }
    world.blocks.emplace_back();
    fake::Block& block = world.blocks.back();
    block.name = "block" + std::to_string(world.blocks.size());
    block.flags = flags;
    block.size = bytes;
    // Garbage unless zero-filled was asked for, so a missing flag shows.
    block.bytes.assign(bytes, (flags & GMEM_ZEROINIT) != 0 ? '\0' : '\x7F');
    return &block;
}

LPVOID GlobalLock(HGLOBAL handle) {
    Log("GlobalLock(%s)", Name(handle).c_str());
    if (!world.lockSucceeds) {
        return nullptr;
    }
    return static_cast<fake::Block*>(handle)->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Log("GlobalUnlock(%s)", Name(handle).c_str());
    return FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    Log("GlobalFree(%s)", Name(handle).c_str());
    static_cast<fake::Block*>(handle)->freed = true;
    return nullptr;
}

DWORD GetCurrentThreadId() {
    Log("GetCurrentThreadId() = %u", world.ownThread);
    return world.ownThread;
}

HINSTANCE GetModuleHandleA(LPCSTR name) {
    Log("GetModuleHandleA(%s)", Quote(name));
    return reinterpret_cast<HINSTANCE>(fake::MODULE_HANDLE);
}

int lstrlenA(LPCSTR text) {
    Log("lstrlenA()");
    return static_cast<int>(std::strlen(text));
}

BOOL IsDBCSLeadByte(BYTE byte) { return world.isLeadByte != nullptr && world.isLeadByte(byte); }
