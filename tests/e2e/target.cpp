// A stand-in for the application that the user pastes into: one window with
// an edit control that logs, with a timestamp, every WM_KEYDOWN, WM_CHAR and
// WM_PASTE it receives. It never opens the clipboard: that would make the
// utility's own OpenClipboard fail.
//
//   target.exe LOGFILE [paste]
//
// With "paste" it pastes on the utility's bare V key-down (lParam 0) as a
// Windows application would: under Wine the attach and detach lose the Ctrl
// key state, and a plain edit would type a "v". Pasting opens the clipboard,
// so tests that press fast leave it off.
//
// Wine drops the foreground and focus of a thread whose input was attached
// and detached, so while "keep front" is on (the default) the target takes
// them back at once and on a short timer. WM_APP with wParam 0 or 1 switches
// it off or on, so that a test can bring another window to the front.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const UINT_PTR KEEP_FRONT_TIMER = 1;
HWND MainWindow;
HWND Edit;
WNDPROC EditProcedure;
FILE* Log;
bool KeepFront = true;
bool PasteMode = false;
LARGE_INTEGER Frequency;

double NowMilliseconds() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(Frequency.QuadPart);
}

void TakeFront() {
    if (!KeepFront) {
        return;
    }
    if (GetForegroundWindow() != MainWindow) {
        SetForegroundWindow(MainWindow);
    }
    if (GetFocus() != Edit) {
        SetFocus(Edit);
    }
}

bool IsUtilityKey(UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_KEYDOWN && wParam == 'V' && lParam == 0;
}

LRESULT CALLBACK LogEditMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const char* name = message == WM_KEYDOWN ? "WM_KEYDOWN"
                       : message == WM_CHAR  ? "WM_CHAR"
                       : message == WM_PASTE ? "WM_PASTE"
                                             : nullptr;
    if (name != nullptr) {
        std::fprintf(Log, "%.3f %s 0x%llx 0x%llx\n", NowMilliseconds(), name,
                     static_cast<unsigned long long>(wParam),
                     static_cast<unsigned long long>(lParam));
        std::fflush(Log);
    }
    if (PasteMode && IsUtilityKey(message, wParam, lParam)) {
        SendMessageA(Edit, WM_PASTE, 0, 0);
        SendMessageA(Edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\r\n"));
        return 0;
    }
    LRESULT result = CallWindowProcA(EditProcedure, window, message, wParam, lParam);
    if (message == WM_KEYDOWN) {
        TakeFront();
    }
    return result;
}

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            TakeFront();
            return 0;
        case WM_APP:
            KeepFront = wParam != 0;
            TakeFront();
            return 0;
        case WM_SIZE:
            MoveWindow(Edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (Log = std::fopen(argv[1], "w")) == nullptr) {
        std::fprintf(stderr, "usage: target.exe LOGFILE [paste]\n");
        return 2;
    }
    PasteMode = argc > 2 && std::strcmp(argv[2], "paste") == 0;
    QueryPerformanceFrequency(&Frequency);
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetProcedure;
    windowClass.hInstance = module;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "E2E_Target";
    RegisterClassA(&windowClass);
    MainWindow = CreateWindowExA(0, "E2E_Target", "Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                 40, 420, 240, nullptr, nullptr, module, nullptr);
    Edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                           WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 400, 200,
                           MainWindow, nullptr, module, nullptr);
    EditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LogEditMessage)));
    SetTimer(MainWindow, KEEP_FRONT_TIMER, 20, nullptr);
    TakeFront();
    std::printf("ready 0x%llx\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(MainWindow)));
    std::fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!(PasteMode && IsUtilityKey(msg.message, msg.wParam, msg.lParam))) {
            TranslateMessage(&msg);
        }
        DispatchMessageA(&msg);
    }
    std::fclose(Log);
    return 0;
}
