#include "window/main_window.h"

#include "numbering/number_field_filter.h"
#include "paste/hotkey_paste.h"
#include "window/fields.h"

HWND FieldWindows[FIELD_COUNT];
WindowSize MainWindowSize;

namespace {

int ReadSystemFontClientHeight() {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    HDC screen = CreateCompatibleDC(nullptr);
    int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DeleteDC(screen);
    return MeasureClientHeight(font.lfHeight, pixelsPerInch);
}

void LayOutFields(int clientWidth, int clientHeight) {
    int width = clientWidth / 3;
    for (int field = 0; field < FIELD_COUNT; ++field) {
        MoveWindow(FieldWindows[field], field * width, 0, width, clientHeight, TRUE);
    }
}

// Fixed height, and no narrower than at creation; the rest is Windows' own.
void LimitWindowSize(MINMAXINFO* limits) {
    limits->ptMaxSize.y = MainWindowSize.height;
    limits->ptMinTrackSize.x = MainWindowSize.width;
    limits->ptMinTrackSize.y = MainWindowSize.height;
    limits->ptMaxTrackSize.y = MainWindowSize.height;
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == FieldWindows[FIELD_NUMBER] && HIWORD(wParam) == EN_KILLFOCUS) {
        FilterNumberField(control);
    }
}

}  // namespace

// The font height is multiplied by pixels per inch over 72 although it is
// already in pixels: that is the strip's height users know.
int MeasureClientHeight(LONG fontHeight, int pixelsPerInch) {
    // Unsigned, so that no font height can overflow the negation.
    DWORD magnitude =
        fontHeight < 0 ? 0U - static_cast<DWORD>(fontHeight) : static_cast<DWORD>(fontHeight);
    return static_cast<int>(magnitude * static_cast<DWORD>(pixelsPerInch) / 72U);
}

void CreateFields(HWND parent) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int field = 0; field < FIELD_COUNT; ++field) {
        FieldWindows[field] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", FIELD_STYLE, 0, 0, 0, 0,
                                              parent, nullptr, module, nullptr);
    }
}

HWND CreateMainWindow(HINSTANCE module) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = module;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = MAIN_WINDOW_CLASS;
    RegisterClassA(&windowClass);

    RECT frame = {0, 0, MAIN_CLIENT_WIDTH, ReadSystemFontClientHeight()};
    AdjustWindowRect(&frame, MAIN_WINDOW_STYLE, FALSE);
    // Windows asks for the size limits while it creates the window, so they
    // must be final before CreateWindowExA.
    MainWindowSize.width = frame.right - frame.left;
    MainWindowSize.height = frame.bottom - frame.top;

    int maxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    int frameWidth = GetSystemMetrics(SM_CXFRAME);
    int maxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
    int frameHeight = GetSystemMetrics(SM_CYFRAME);
    // A maximized window overhangs the work area by its frames, so this is
    // the work area's bottom-right corner.
    int x = maxWidth - MainWindowSize.width - 2 * frameWidth;
    int y = maxHeight - MainWindowSize.height - 2 * frameHeight;

    HWND window = CreateWindowExA(0, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE, MAIN_WINDOW_STYLE, x, y,
                                  MainWindowSize.width, MainWindowSize.height, nullptr, nullptr,
                                  module, nullptr);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            RegisterPasteHotkey(window);
            CreateFields(window);
            break;
        case WM_DESTROY:
            UnregisterPasteHotkey(window);
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            LayOutFields(LOWORD(lParam), HIWORD(lParam));
            break;
        case WM_CLOSE:
            DestroyWindow(window);
            break;
        case WM_GETMINMAXINFO:
            LimitWindowSize(reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            break;
        case WM_HOTKEY:
            PasteNextNumber(window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
