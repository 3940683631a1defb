// Looks at the utility from outside, as another program on the desktop:
//
//   probe.exe windows                 every utility window: handle, process,
//                                     styles, rectangles and its three fields
//   probe.exe metrics                 what the sizing formulas read
//   probe.exe clipboard               CF_TEXT: owner, block size, all bytes
//   probe.exe settext HWND HEX        WM_SETTEXT to a field
//   probe.exe setclip HEX             puts a text on the clipboard
//   probe.exe hold SECONDS            holds the clipboard open
//   probe.exe move HWND X Y W H       SetWindowPos from outside
//   probe.exe post HWND MSG WPARAM    PostMessageA, e.g. WM_CLOSE
//   probe.exe hotkey                  whether Ctrl+V can be registered now
//   probe.exe launch EXE CLASS        milliseconds from CreateProcess until a
//                                     window of CLASS exists; then closes it
//   probe.exe watch HWND HEX          waits until the field's text changes,
//                                     then until it is HEX; the milliseconds
//                                     between the two
//
// Texts go in and out as hex so that every byte survives the trip.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char UTILITY_CLASS[] = "Tallix_Window";

unsigned long long Number(const char* text) { return std::strtoull(text, nullptr, 0); }

HWND Handle(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(Number(text)));
}

std::string ToHex(const char* bytes, size_t length) {
    std::string hex;
    char pair[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(bytes[i]));
        hex += pair;
    }
    return hex;
}

std::string FromHex(const char* hex) {
    std::string bytes;
    for (size_t i = 0; hex[i] != 0 && hex[i + 1] != 0; i += 2) {
        char pair[3] = {hex[i], hex[i + 1], 0};
        bytes.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
    }
    return bytes;
}

std::string TextOf(HWND window) {
    // WM_GETTEXT is marshalled to the other process; GetWindowTextA is not.
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    return ToHex(text.data(), static_cast<size_t>(got));
}

void PrintRect(const char* name, const RECT& rect) {
    std::printf(" %s=%ld,%ld,%ld,%ld", name, rect.left, rect.top, rect.right, rect.bottom);
}

BOOL CALLBACK PrintField(HWND field, LPARAM parentValue) {
    HWND parent = reinterpret_cast<HWND>(parentValue);
    char className[64] = {};
    GetClassNameA(field, className, sizeof className);
    RECT rect;
    GetWindowRect(field, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    std::printf("field 0x%llx parent=0x%llx class=%s style=0x%08lx exstyle=0x%08lx id=%d",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(field)),
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(parent)), className,
                static_cast<unsigned long>(GetWindowLongA(field, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(field, GWL_EXSTYLE)),
                GetDlgCtrlID(field));
    PrintRect("rect", rect);
    GetWindowRect(field, &rect);
    PrintRect("screen", rect);
    std::printf(" modified=%d text=%s\n", SendMessageA(field, EM_GETMODIFY, 0, 0) != 0 ? 1 : 0,
                TextOf(field).c_str());
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, UTILITY_CLASS) != 0) {
        return TRUE;
    }
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    std::printf("window 0x%llx process=%lu title=%s style=0x%08lx exstyle=0x%08lx classstyle=0x%lx",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                static_cast<unsigned long>(process), title,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)),
                static_cast<unsigned long>(GetClassLongA(window, GCL_STYLE)));
    PrintRect("outer", outer);
    PrintRect("client", client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    std::printf(" origin=%ld,%ld", origin.x, origin.y);
    std::printf(" visible=%d foreground=%d\n", IsWindowVisible(window) ? 1 : 0,
                GetForegroundWindow() == window ? 1 : 0);
    EnumChildWindows(window, PrintField, reinterpret_cast<LPARAM>(window));
    return TRUE;
}

int PrintMetrics() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    HDC screen = CreateCompatibleDC(nullptr);
    int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DeleteDC(screen);
    RECT adjusted = {0, 0, 200, 0};
    AdjustWindowRect(&adjusted, 0x80CE0000, FALSE);
    std::printf(
        "cxmaximized=%d cymaximized=%d cxframe=%d cyframe=%d fontheight=%ld "
        "logpixelsy=%d adjust=%ld,%ld,%ld,%ld screen=%d,%d\n",
        GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED),
        GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME), font.lfHeight, pixelsPerInch,
        adjusted.left, adjusted.top, adjusted.right, adjusted.bottom, GetSystemMetrics(SM_CXSCREEN),
        GetSystemMetrics(SM_CYSCREEN));
    return 0;
}

int PrintClipboard() {
    if (!OpenClipboard(nullptr)) {
        std::printf("clipboard busy\n");
        return 1;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    std::printf("owner=0x%llx",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetClipboardOwner())));
    if (data == nullptr) {
        std::printf(" text=none\n");
    } else {
        SIZE_T size = GlobalSize(data);
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        std::printf(" size=%llu block=%s\n", static_cast<unsigned long long>(size),
                    bytes != nullptr ? ToHex(bytes, size).c_str() : "unlocked");
        GlobalUnlock(data);
    }
    CloseClipboard();
    return 0;
}

HWND CreateHiddenWindow() {
    return CreateWindowExA(0, "STATIC", "probe", 0, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

int SetClipboardText(const std::string& text) {
    HWND owner = CreateHiddenWindow();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(owner)) {
        std::printf("clipboard busy\n");
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    std::printf("owner=0x%llx\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    return 0;
}

int HoldClipboard(unsigned long long seconds) {
    // Wine lets a second opener in unless the clipboard is held for a window.
    HWND owner = CreateHiddenWindow();
    if (!OpenClipboard(owner)) {
        std::printf("clipboard busy\n");
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds * 1000));
    CloseClipboard();
    std::printf("released\n");
    return 0;
}

int TryHotkey() {
    BOOL taken = RegisterHotKey(nullptr, 1, MOD_CONTROL, 'V');
    std::printf("hotkey=%s\n", taken ? "free" : "taken");
    if (taken) {
        UnregisterHotKey(nullptr, 1);
    }
    return 0;
}

double Milliseconds() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int TimeLaunch(const char* program, const char* className) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = std::string("\"") + program + "\"";
    double started = Milliseconds();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("cannot start %s\n", program);
        return 1;
    }
    HWND window = nullptr;
    while ((window = FindWindowA(className, nullptr)) == nullptr) {
        if (Milliseconds() - started > 60000) {
            std::printf("no window\n");
            return 1;
        }
        Sleep(1);
    }
    std::printf("startup_ms=%.2f\n", Milliseconds() - started);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

int WatchField(HWND field, const std::string& expectedHex) {
    std::printf("watching\n");
    std::fflush(stdout);
    std::string initial = TextOf(field);
    while (TextOf(field) == initial) {
        Sleep(1);
    }
    double first = Milliseconds();
    while (TextOf(field) != expectedHex) {
        if (Milliseconds() - first > 120000) {
            std::printf("timeout text=%s\n", TextOf(field).c_str());
            return 1;
        }
        Sleep(1);
    }
    std::printf("elapsed_ms=%.2f\n", Milliseconds() - first);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "windows") {
        EnumWindows(PrintWindow, 0);
        return 0;
    }
    if (command == "metrics") {
        return PrintMetrics();
    }
    if (command == "clipboard") {
        return PrintClipboard();
    }
    if (command == "settext" && argc == 4) {
        SendMessageA(Handle(argv[2]), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(FromHex(argv[3]).c_str()));
        return 0;
    }
    if (command == "setclip" && argc == 3) {
        return SetClipboardText(FromHex(argv[2]));
    }
    if (command == "hold" && argc == 3) {
        return HoldClipboard(Number(argv[2]));
    }
    if (command == "move" && argc == 7) {
        BOOL moved = SetWindowPos(Handle(argv[2]), nullptr, static_cast<int>(std::atoi(argv[3])),
                                  std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        return moved ? 0 : 1;
    }
    if (command == "post" && argc == 5) {
        return PostMessageA(Handle(argv[2]), static_cast<UINT>(Number(argv[3])),
                            static_cast<WPARAM>(Number(argv[4])), 0)
                   ? 0
                   : 1;
    }
    if (command == "launch" && argc == 4) {
        return TimeLaunch(argv[2], argv[3]);
    }
    if (command == "watch" && argc == 4) {
        return WatchField(Handle(argv[2]), argv[3]);
    }
    if (command == "hotkey") {
        return TryHotkey();
    }
    std::fprintf(stderr, "usage: see the head of probe.cpp\n");
    return 2;
}
