// Dialog procedures of the Welcome, License and Install Type pages and the functions that
// build them; the wizard driver shows each page with DialogBoxParamA.
#pragma once

#include <windows.h>

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Caption, the two greeting lines and the focus on Next.
void InitWelcomePage(HWND page);

INT_PTR CALLBACK LicensePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

INT_PTR CALLBACK InstallTypePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Bold radio buttons, the row of the stored install type, the row descriptions.
void InitInstallTypePage(HWND page);
// Frames row 0 (New), 1 (Update) or any other value (Custom) in black, the others in white.
void HighlightInstallType(HWND page, int row);
// Gives the radio buttons the dialog font back, deletes the bold font and, when store is 1,
// stores the chosen install type.
void CloseInstallTypePage(HWND page, int store);
