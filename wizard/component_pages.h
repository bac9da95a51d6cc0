// The Install Components and Tasks page and the Install Overview page.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ComponentsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Product label, the six boxes and Next, from the media and the flags as they stand.
void InitComponentsPage(HWND page);
// Writes the six flags from the boxes.
void ReadComponentsPage(HWND page);

INT_PTR CALLBACK OverviewPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Fills the overview list from the install options.
void InitOverviewPage(HWND page);
