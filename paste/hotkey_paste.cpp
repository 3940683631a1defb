#include "paste/hotkey_paste.h"

#include "numbering/sequence_text.h"
#include "paste/clipboard_text.h"
#include "window/fields.h"

namespace {

void ReadField(int field, char* text) {
    // A failed read must still leave a terminated text behind.
    text[0] = '\0';
    GetWindowTextA(FieldWindows[field], text, FIELD_TEXT_SIZE);
}

// The front application still sees Ctrl held down, so a bare V key-down at
// its focused control is its own Ctrl+V. The focus of another thread can be
// read only while our input is attached to it.
void PostPasteKey(HWND front) {
    DWORD ownThread = GetCurrentThreadId();
    DWORD frontThread = GetWindowThreadProcessId(front, nullptr);
    HWND focus = nullptr;
    if (AttachThreadInput(frontThread, ownThread, TRUE)) {
        SetForegroundWindow(front);
        focus = GetFocus();
        AttachThreadInput(frontThread, ownThread, FALSE);
    }
    if (focus != nullptr) {
        PostMessageA(focus, WM_KEYDOWN, PASTE_KEY, 0);
    }
}

}  // namespace

void RegisterPasteHotkey(HWND window) {
    RegisterHotKey(window, PASTE_HOTKEY_ID, MOD_CONTROL, PASTE_KEY);
}

void UnregisterPasteHotkey(HWND window) { UnregisterHotKey(window, PASTE_HOTKEY_ID); }

void PasteNextNumber(HWND window) {
    HWND front = GetForegroundWindow();
    if (front == window) {
        // The hot key is system-wide: without this our own fields would
        // lose their Ctrl+V.
        SendMessageA(GetFocus(), WM_PASTE, 0, 0);
        return;
    }

    char prefix[FIELD_TEXT_SIZE];
    char number[FIELD_TEXT_SIZE];
    char suffix[FIELD_TEXT_SIZE];
    ReadField(FIELD_PREFIX, prefix);
    ReadField(FIELD_NUMBER, number);
    ReadField(FIELD_SUFFIX, suffix);

    char paste[PASTE_TEXT_SIZE];
    int pasteLength = ComposePasteText(prefix, number, suffix, paste);
    bool onClipboard = PutTextOnClipboard(window, paste, pasteLength);

    char next[FIELD_TEXT_SIZE];
    NextNumberText(number, next);
    SetWindowTextA(FieldWindows[FIELD_NUMBER], next);

    // Without our text on the clipboard the key would paste whatever was
    // there before: a wrong text in the user's document.
    if (onClipboard) {
        PostPasteKey(front);
    }
}
