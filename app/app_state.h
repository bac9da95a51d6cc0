// Program-wide window state: the instance and the two windows of the installer.
#pragma once

#include <windows.h>

enum {
    UM_START_WIZARD = WM_USER + 1,   // posted by MainWindow to itself on creation
    UM_STATUS_CHANGED = WM_USER + 2, // sent to StatusPanel to repaint it at once
};

extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND statusPanel;

// Program entry after the media folder is known: product, single instance, windows, message loop.
// Returns the exit code (always 0).
int RunInstaller(HINSTANCE instance);
// Registers both window classes of the selected product; 1 when both are registered.
int RegisterInstallerClasses(HINSTANCE instance);
// Creates MainWindow and the hidden StatusPanel; 1 when both exist.
int CreateInstallerWindows(HINSTANCE instance);
void FindMediaFolder();
// Until the quit message.
void RunMessageLoop();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Wizard and finishing actions, run from MainWindow's start message.
int RunWizard(HWND owner);
void RunFinishActions(HWND owner);
