// The program links no C or C++ runtime, so it brings its own entry point
// and the two memory functions that the compiler may emit calls to.
#include <windows.h>

#include <cstddef>

int WINAPI WinMain(HINSTANCE module, HINSTANCE previous, LPSTR commandLine, int show);

extern "C" {

// Windows may enter with a stack aligned to 4 bytes only.
__attribute__((force_align_arg_pointer)) void StartZantopo() {
    ExitProcess(
        static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL)));
}

// The loops must stay loops: recognised as memset or memcpy they would call
// themselves.
__attribute__((optimize("no-tree-loop-distribute-patterns"))) void* memset(void* target, int value,
                                                                           std::size_t size) {
    unsigned char* bytes = static_cast<unsigned char*>(target);
    while (size-- > 0) {
        *bytes++ = static_cast<unsigned char>(value);
    }
    return target;
}

__attribute__((optimize("no-tree-loop-distribute-patterns"))) void* memcpy(void* target,
                                                                           const void* source,
                                                                           std::size_t size) {
    unsigned char* to = static_cast<unsigned char*>(target);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    while (size-- > 0) {
        *to++ = *from++;
    }
    return target;
}
}
