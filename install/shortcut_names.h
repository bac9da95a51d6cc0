// Names and texts of the product shortcuts, apart from the shell calls that create them.
// No windows.h: also tested natively.
#pragma once

#include <stddef.h>

enum { kShortcutTries = 99 };

// The n-th link name tried in a folder: n = 1 is "folder\name.LNK", n = 2 to 99 are
// "folder\name (n).LNK". 0, and an empty text, when the path would not fit.
int ShortcutLinkPath(char* path, size_t size, const char* folder, const char* displayName, int n);
// "folder\name": the product executable, the Start Menu subfolder; 0, and an empty text, when
// the path would not fit.
int FolderEntryPath(char* path, size_t size, const char* folder, const char* name);
// The numbered warning of a shortcut kind: 0 desktop, any other Start Menu.
void ShortcutWarningText(char* text, size_t size, int kind, int number);
