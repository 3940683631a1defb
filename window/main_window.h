#pragma once

#include "platform/windows_api.h"

const int MAIN_CLIENT_WIDTH = 200;
const DWORD MAIN_WINDOW_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
const DWORD FIELD_STYLE = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_NOHIDESEL | ES_AUTOHSCROLL;
const char MAIN_WINDOW_CLASS[] = "Tallix_Window";
const char MAIN_WINDOW_TITLE[] = "Zantopo";

// The outer size at creation: the height for good, the width as a minimum.
struct WindowSize {
    LONG width;
    LONG height;
};
extern WindowSize MainWindowSize;

HWND CreateMainWindow(HINSTANCE module);
void CreateFields(HWND parent);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int MeasureClientHeight(LONG fontHeight, int pixelsPerInch);
