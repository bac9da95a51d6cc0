// A stand-in hhctrl.ocx planted beside a program: when anything loads it, it leaves a marker
// file beside itself, so a test sees that it was loaded.
#include <windows.h>

#include <string.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH];
        DWORD length = GetModuleFileNameA(self, path, sizeof path);
        char* slash = strrchr(path, '\\');
        if (length && length < sizeof path && slash &&
            slash - path + sizeof "\\planted-loaded.txt" <= sizeof path) {
            strcpy(slash, "\\planted-loaded.txt");
            HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (marker != INVALID_HANDLE_VALUE)
                CloseHandle(marker);
        }
    }
    return TRUE;
}
