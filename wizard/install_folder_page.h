// The Install Folder page: the folder is typed, browsed, or picked from the found installations.
#pragma once

#include <windows.h>

INT_PTR CALLBACK InstallFolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Fills the edit from installFolder, the group caption and the found list; focus on Next.
void InitInstallFolderPage(HWND page);
// Stores the edit's text, trimmed and without trailing backslashes, in installFolder.
void ReadInstallFolder(HWND page);
