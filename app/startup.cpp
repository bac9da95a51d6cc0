// Program start: media folder, product selection, single-instance test, windows and message loop.
#include "app/app_state.h"

#include "app/catalog.h"
#include "presentation/presentation.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

HINSTANCE appInstance;
HWND mainWindow;
HWND statusPanel;

void FindMediaFolder() {
    char module[kPathSize] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    char drive[_MAX_DRIVE];
    char folder[_MAX_DIR];
    _splitpath(module, drive, folder, nullptr, nullptr);
    snprintf(MediaFolder, sizeof MediaFolder, "%s%s", drive, folder);
    size_t length = strlen(MediaFolder);
    if ((length == 0 || MediaFolder[length - 1] != '\\') && length + 1 < sizeof MediaFolder)
        strcat(MediaFolder, "\\");
}

int RegisterInstallerClasses(HINSTANCE instance) {
    WNDCLASSA main = {};
    main.style = CS_HREDRAW | CS_VREDRAW;
    main.lpfnWndProc = MainWindowProc;
    main.hInstance = instance;
    main.hIcon = LoadIconA(instance, "InstallIcon");
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    main.lpszClassName = productInfo.mainClassName;

    WNDCLASSA status = {};
    status.style = CS_HREDRAW | CS_VREDRAW;
    status.lpfnWndProc = StatusPanelProc;
    status.hInstance = instance;
    status.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    status.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
    status.lpszClassName = productInfo.statusClassName;
    int mainRegistered = RegisterClassA(&main) != 0;
    int statusRegistered = RegisterClassA(&status) != 0;
    return mainRegistered && statusRegistered;
}

int CreateInstallerWindows(HINSTANCE instance) {
    appInstance = instance;
    mainWindow = CreateWindowExA(0, productInfo.mainClassName, productInfo.mainWindowTitle,
                                 WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT, 0,
                                 CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!mainWindow)
        return 0;
    statusPanel = CreateWindowExA(0, productInfo.statusClassName, nullptr,
                                  WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER, 0, 0,
                                  0, 0, mainWindow, nullptr, instance, nullptr);
    return statusPanel != nullptr;
}

int RunInstaller(HINSTANCE instance) {
    if (!LoadProductInfo()) {
        MessageBoxA(GetFocus(), "ERROR: Product information not found.", "Install", MB_OK);
        return 0;
    }
    if (FindWindowA(productInfo.mainClassName, nullptr)) {
        char message[kMessageSize];
        snprintf(message, sizeof message, "%s is already running.", productInfo.caption);
        MessageBoxA(GetFocus(), message, productInfo.caption, MB_OK);
        return 0;
    }
    // Without both windows no start message would ever arrive: end with a message instead.
    if (!RegisterInstallerClasses(instance) || !CreateInstallerWindows(instance)) {
        if (mainWindow)
            DestroyWindow(mainWindow);
        MessageBoxA(GetFocus(), "ERROR: The installer window could not be created.",
                    productInfo.caption, MB_OK);
        return 0;
    }
    ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
    RunMessageLoop();
    return 0;
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
