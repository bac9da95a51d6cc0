// The install sequence run after the Overview page: install folder, payload folders, shortcuts.
#pragma once

#include <windows.h>

// 1 when the install folder was there and every chosen step was run; 0 (after a warning owned by
// owner) when the install folder cannot be created.
int InstallProduct(HWND owner);
