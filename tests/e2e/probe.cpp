// Lists windows of every process in the Wine session, for the end-to-end driver.
//   probe list            top-level windows: hwnd|pid|class|title|visible|enabled|l,t,r,b
//   probe children HWND   child windows:     id|class|text|visible|enabled|l,t,r,b|hwnd
//   probe hold            stays attached to the desktop until killed: Wine closes the desktop
//                         when its last client ends, and a program started during that closing
//                         fails to start, so the tests keep one client alive.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void PrintWindow(HWND window, const char* first, bool ask) {
    char className[256] = "";
    char text[1024] = "";
    GetClassNameA(window, className, sizeof className);
    // Across processes GetWindowTextA gives the text a window was created with; an edit control
    // keeps what was set later to itself, and answers WM_GETTEXT with it. Top-level windows are
    // not asked: a busy installer would hold up every listing.
    DWORD_PTR copied = 0;
    if (!ask || !SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text,
                                     SMTO_ABORTIFHUNG, 2000, &copied))
        GetWindowTextA(window, text, sizeof text);
    text[sizeof text - 1] = '\0';
    // Keep one window a line.
    for (char* c = text; *c; ++c)
        if (*c == '\n' || *c == '\r' || *c == '|')
            *c = ' ';
    RECT r;
    GetWindowRect(window, &r);
    printf("%s|%s|%s|%d|%d|%ld,%ld,%ld,%ld|%llx\n", first, className, text,
           IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0, r.left, r.top, r.right,
           r.bottom, (unsigned long long)(ULONG_PTR)window);
}

static BOOL CALLBACK TopLevel(HWND window, LPARAM) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char first[64];
    snprintf(first, sizeof first, "%llx|%lu", (unsigned long long)(ULONG_PTR)window, pid);
    PrintWindow(window, first, false);
    return TRUE;
}

static BOOL CALLBACK Child(HWND window, LPARAM) {
    char first[32];
    snprintf(first, sizeof first, "%d", GetDlgCtrlID(window));
    PrintWindow(window, first, true);
    return TRUE;
}

int main(int argc, char** argv) {
    if (argc >= 2 && strcmp(argv[1], "list") == 0) {
        EnumWindows(TopLevel, 0);
        return 0;
    }
    if (argc >= 3 && strcmp(argv[1], "children") == 0) {
        HWND window = (HWND)(ULONG_PTR)strtoull(argv[2], nullptr, 16);
        if (!IsWindow(window))
            return 2;
        EnumChildWindows(window, Child, 0);
        return 0;
    }
    if (argc >= 2 && strcmp(argv[1], "hold") == 0) {
        GetDesktopWindow();
        CreateWindowExA(0, "STATIC", "probe hold", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                        nullptr);
        Sleep(INFINITE);
    }
    fprintf(stderr, "usage: probe list | probe children HWND | probe hold\n");
    return 1;
}
