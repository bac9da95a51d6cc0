// Desktop and Start Menu shortcuts through the shell link object.
#include "install/shortcuts.h"

#include "app/catalog.h"
#include "install/shortcut_names.h"
#include "wizard/install_options.h"

#include <objbase.h>
#include <shlobj.h>
#include <stdio.h>

static int ShortcutWarning(HWND owner, int kind, int number) {
    char text[kMessageSize];
    ShortcutWarningText(text, sizeof text, kind, number);
    MessageBoxA(owner, text, productInfo.caption, MB_OK);
    return 0;
}

static int IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static int IsFile(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

static int NothingAt(const char* path) {
    return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
}

static void FreeItemList(LPITEMIDLIST items) {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        allocator->Free(items);
        allocator->Release();
    }
}

// The shell folder's path; 0 after warning 2 or 3.
static int ShellFolderPath(HWND owner, int kind, char* folder) {
    LPITEMIDLIST items = nullptr;
    int csidl = kind == kDesktopShortcut ? CSIDL_DESKTOPDIRECTORY : CSIDL_PROGRAMS;
    if (SHGetSpecialFolderLocation(owner, csidl, &items) != S_OK || !items)
        return ShortcutWarning(owner, kind, 2);
    BOOL found = SHGetPathFromIDListA(items, folder);
    FreeItemList(items);
    if (!found)
        return ShortcutWarning(owner, kind, 3);
    return 1;
}

// The first of the 99 link names that is free; 0 when none is.
static int FreeLinkPath(const char* folder, char* linkPath) {
    for (int n = 1; n <= kShortcutTries; ++n)
        if (ShortcutLinkPath(linkPath, kPathSize, folder, productInfo.displayName, n) &&
            NothingAt(linkPath))
            return 1;
    return 0;
}

// Hands the link to the shell; 0 after warning 6, 7 or 8. COM lives only for this call, and a
// thread that had it already still gets exactly one uninitialisation back.
static int SaveShellLink(HWND owner, int kind, const char* target, const char* linkPath) {
    char description[kMessageSize];
    snprintf(description, sizeof description, "Shortcut to %s", productInfo.displayName);
    if (FAILED(CoInitialize(nullptr)))
        return ShortcutWarning(owner, kind, 6);
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        CoUninitialize();
        return ShortcutWarning(owner, kind, 7);
    }
    link->SetPath(target);
    link->SetDescription(description);
    link->SetWorkingDirectory(installOptions.installFolder);
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        CoUninitialize();
        return ShortcutWarning(owner, kind, 8);
    }
    WCHAR widePath[kPathSize];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kPathSize))
        file->Save(widePath, TRUE);
    file->Release();
    link->Release();
    CoUninitialize();
    return 1;
}

int CreateProductShortcut(HWND owner, int kind) {
    char target[kPathSize];
    if (!FolderEntryPath(target, sizeof target, installOptions.installFolder,
                         productInfo.exeName) ||
        !IsFile(target))
        return ShortcutWarning(owner, kind, 1);
    char folder[kPathSize];
    if (!ShellFolderPath(owner, kind, folder))
        return 0;
    if (kind == kStartMenuShortcut) {
        char subfolder[kPathSize];
        if (!FolderEntryPath(subfolder, sizeof subfolder, folder, productInfo.startMenuFolder))
            return ShortcutWarning(owner, kind, 4);
        if (!IsFolder(subfolder))
            CreateDirectoryA(subfolder, nullptr);
        if (!IsFolder(subfolder))
            return ShortcutWarning(owner, kind, 4);
        snprintf(folder, sizeof folder, "%s", subfolder);
    }
    char linkPath[kPathSize];
    if (!FreeLinkPath(folder, linkPath))
        return ShortcutWarning(owner, kind, 5);
    return SaveShellLink(owner, kind, target, linkPath);
}
