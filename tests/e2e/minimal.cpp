// The baseline for start-up and memory figures: a program that opens one
// window and runs a message loop, built like the utility, without a runtime.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

extern "C" __attribute__((force_align_arg_pointer)) void StartMinimal() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MinimalProcedure;
    windowClass.hInstance = module;
    windowClass.lpszClassName = "Minimal_Window";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "Minimal_Window", "Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 208,
                                  48, nullptr, nullptr, module, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ExitProcess(0);
}
