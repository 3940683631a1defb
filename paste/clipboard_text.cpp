#include "paste/clipboard_text.h"

#include "numbering/sequence_text.h"

bool PutTextOnClipboard(HWND owner, const char* text, int length) {
    // Readers of the clipboard have always found a block of a whole field's
    // size; only a longer text gets a larger one.
    SIZE_T size = FIELD_TEXT_SIZE;
    if (length >= FIELD_TEXT_SIZE) {
        size = static_cast<SIZE_T>(length) + 1;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) {
        return false;
    }
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    for (int i = 0; i <= length; ++i) {
        bytes[i] = text[i];
    }
    GlobalUnlock(block);

    // Wine lets SetClipboardData through without an open clipboard, so only
    // a successful open counts.
    bool taken = false;
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        taken = SetClipboardData(CF_TEXT, block) != nullptr;
        CloseClipboard();
    }
    if (!taken) {
        GlobalFree(block);
    }
    return taken;
}
