#include "window/main_window.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int) {
    // Without a window nobody could ever close the process.
    if (CreateMainWindow(module) == nullptr) {
        return 1;
    }
    MSG msg;
    // GetMessageA gives -1 on error; looping on it would spin for ever.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
