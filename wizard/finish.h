// What follows a successful installation: README viewer, Finish page, quick start guide.
#pragma once

#include "app/app_state.h" // RunFinishActions

INT_PTR CALLBACK ReadmeViewerProc(HWND viewer, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// guideOffered: 1 when the quick start guide is offered, else 0.
void InitFinishPage(HWND page, int guideOffered);
