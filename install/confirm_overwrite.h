// Asking before an existing file or project is replaced, with answers that can hold for the
// rest of one payload folder.
#pragma once

#include <windows.h>

enum OverwriteAnswer { Yes = 0, YesToAll = 1, No = 2, NoToAll = 3 };

// The last answer given; the install sequence sets it back to Yes before each payload folder.
extern int rememberedAnswer;

// 1 when the existing object may be replaced, 0 when it must stay. name: a file's name as
// listed, or a project's display name; isProject: 1 for a project folder.
int ConfirmOverwrite(const char* name, int isProject);
INT_PTR CALLBACK ConfirmOverwriteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
