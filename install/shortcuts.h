// Desktop and Start Menu shortcuts to the installed product.
#pragma once

#include <windows.h>

enum ShortcutKind { kDesktopShortcut = 0, kStartMenuShortcut = 1 };

// 1 when the shortcut was handed to the shell to be saved, 0 after a numbered warning.
int CreateProductShortcut(HWND owner, int kind);
