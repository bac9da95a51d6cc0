// MainWindow: the full-screen window whose start message runs the whole wizard and installation.
#include "app/app_state.h"

#include "presentation/presentation.h"

static void StartWizard(HWND window) {
    ShowStatusPanel();
    // The background is painted before the first page covers part of it.
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    if (RunWizard(window) == 1)
        RunFinishActions(window);
    DestroyWindow(window);
}

static void ReleasePicture(HBITMAP* picture) {
    if (*picture) {
        DeleteObject(*picture);
        *picture = nullptr;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        LoadBackground();
        PostMessageA(window, UM_START_WIZARD, 0, 0);
        return 0;
    case UM_START_WIZARD:
        StartWizard(window);
        return 0;
    case WM_PAINT:
        PaintBackground(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        ShowWindow(statusPanel, SW_HIDE);
        SetForegroundWindow(window);
        ReleasePicture(&presentation.backgroundImage);
        ReleasePicture(&presentation.logoImage);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
