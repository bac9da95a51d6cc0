// Waits for a visible top-level window of a class and title, for scripts/bench-startup: started
// before the program under measurement so that its own start-up is not timed, it says "ready",
// then looks every millisecond and prints "found" the moment the window shows.
//   await_window CLASS TITLE TIMEOUT_MS
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: await_window CLASS TITLE TIMEOUT_MS\n");
        return 2;
    }
    DWORD timeout = (DWORD)strtoul(argv[3], nullptr, 10);
    // A first call attaches this process to the desktop before the clock starts.
    FindWindowA(argv[1], argv[2]);
    printf("ready\n");
    fflush(stdout);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout) {
        HWND window = FindWindowA(argv[1], argv[2]);
        if (window && IsWindowVisible(window)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            printf("found %lu\n", pid);
            fflush(stdout);
            return 0;
        }
        Sleep(1);
    }
    printf("timeout\n");
    return 1;
}
