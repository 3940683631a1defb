#pragma once

// The few Windows types, constants and functions that the program uses,
// declared for a Linux build. Values are those of the Windows API; the
// definitions come from the test fake.
#include <cstdint>

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned short ATOM;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uintptr_t WPARAM;
typedef std::uintptr_t SIZE_T;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef void* HGLOBAL;
typedef void* HGDIOBJ;

struct HostWindow;
struct HostModule;
struct HostDeviceContext;
struct HostIcon;
struct HostBrush;
struct HostMenu;
typedef HostWindow* HWND;
typedef HostModule* HINSTANCE;
typedef HostDeviceContext* HDC;
typedef HostIcon* HICON;
typedef HostIcon* HCURSOR;
typedef HostBrush* HBRUSH;
typedef HostMenu* HMENU;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[32];
};

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(i)))
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)

enum : UINT {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_SIZE = 0x0005,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_GETMINMAXINFO = 0x0024,
    WM_KEYDOWN = 0x0100,
    WM_COMMAND = 0x0111,
    WM_PASTE = 0x0302,
    WM_HOTKEY = 0x0312,
    EN_KILLFOCUS = 0x0200,
    MOD_CONTROL = 0x0002,
    GMEM_MOVEABLE = 0x0002,
    GMEM_ZEROINIT = 0x0040,
    CF_TEXT = 1,
    CS_VREDRAW = 0x0001,
    CS_HREDRAW = 0x0002,
    CS_DBLCLKS = 0x0008,
    ES_AUTOHSCROLL = 0x0080,
    ES_NOHIDESEL = 0x0100,
    WS_EX_CLIENTEDGE = 0x00000200,
};

enum : DWORD {
    WS_POPUP = 0x80000000,
    WS_CHILD = 0x40000000,
    WS_VISIBLE = 0x10000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CAPTION = 0x00C00000,
    WS_SYSMENU = 0x00080000,
    WS_THICKFRAME = 0x00040000,
    WS_MINIMIZEBOX = 0x00020000,
};

enum : int {
    SW_SHOWNORMAL = 1,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
    SM_CXMAXIMIZED = 61,
    SM_CYMAXIMIZED = 62,
    LOGPIXELSY = 90,
    WHITE_BRUSH = 0,
    SYSTEM_FONT = 13,
};

// USER32
ATOM RegisterClassA(const WNDCLASSA* windowClass);
HICON LoadIconA(HINSTANCE module, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE module, LPCSTR name);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE module,
                     LPVOID param);
BOOL ShowWindow(HWND window, int command);
BOOL UpdateWindow(HWND window);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL DestroyWindow(HWND window);
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu);
int GetSystemMetrics(int index);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessageA(MSG* msg, HWND window, UINT first, UINT last);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int GetWindowTextA(HWND window, LPSTR text, int size);
BOOL SetWindowTextA(HWND window, LPCSTR text);
BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key);
BOOL UnregisterHotKey(HWND window, int id);
BOOL OpenClipboard(HWND owner);
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
BOOL CloseClipboard();
HWND GetForegroundWindow();
HWND GetFocus();
BOOL SetForegroundWindow(HWND window);
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);
BOOL AttachThreadInput(DWORD attach, DWORD attachTo, BOOL doAttach);

// GDI32
HGDIOBJ GetStockObject(int object);
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
HDC CreateCompatibleDC(HDC dc);
int GetDeviceCaps(HDC dc, int index);
BOOL DeleteDC(HDC dc);

// KERNEL32
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL block);
BOOL GlobalUnlock(HGLOBAL block);
HGLOBAL GlobalFree(HGLOBAL block);
DWORD GetCurrentThreadId();
HINSTANCE GetModuleHandleA(LPCSTR name);
int lstrlenA(LPCSTR text);
BOOL IsDBCSLeadByte(BYTE byte);
