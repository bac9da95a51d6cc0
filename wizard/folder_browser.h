// The folder browser: a modal dialog in which the user walks the fixed drives and picks a folder.
#pragma once

#include "app/limits.h"

#include <windows.h>

// The current folder while the browser is open (always ending with a backslash); after OK, the
// result in capitals without a trailing backslash.
extern char browsePath[kPathSize];
// Drive list index that was selected last.
extern int lastDriveIndex;

// Runs the browser owned by `owner`; 1 with the chosen folder copied into `result` (260 bytes),
// 0 when cancelled, `result` then unchanged.
int BrowseForFolder(HWND owner, char* result);
INT_PTR CALLBACK FolderBrowserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Lists the subfolders of `path` as "[NAME]", and "[..]" below a drive root.
void FillFolderList(HWND list, const char* path);
// Lists the fixed drives with their labels and selects the drive of `path` (else entry 0).
void FillDriveCombo(HWND combo, const char* path);
// Shows `path` in the field without its trailing backslash, in capitals.
void ShowBrowsePath(HWND field, const char* path);
// Draws one folder list entry: folder picture (with an up arrow for "[..]") and the name.
void DrawFolderItem(const DRAWITEMSTRUCT* item);
