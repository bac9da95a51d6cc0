// Tree copy of the payload folders. Failures are silent: an entry that cannot be copied is left
// as it is and the walk goes on.
#include "install/tree_copy.h"

#include "app/limits.h"
#include "install/confirm_overwrite.h"
#include "install/copy_names.h"

#include <windows.h>

static void ClearReadOnly(const char* path, DWORD attributes) {
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY))
        return;
    DWORD kept = attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
    SetFileAttributesA(path, kept ? kept : FILE_ATTRIBUTE_NORMAL);
}

static int Exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int EnsureFolder(const char* folder) {
    DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        CreateDirectoryA(folder, nullptr);
        attributes = GetFileAttributesA(folder);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return 0;
    }
    // A file of that name is no folder to copy into: saying yes would report a copy that
    // cannot happen.
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    ClearReadOnly(folder, attributes);
    return 1;
}

// Removes the files of an existing project before the shipped ones arrive; its subfolders stay.
static void EmptyProjectFolder(const char* project) {
    char pattern[kPathSize];
    if (!JoinPath(pattern, sizeof pattern, project, "*.*"))
        return;
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA(pattern, &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return;
    do {
        char path[kPathSize];
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            JoinPath(path, sizeof path, project, entry.cFileName))
            DeleteFileA(path);
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
}

static void CopyFolderEntry(const char* name, const char* sourcePath, const char* targetPath,
                            int clearReadOnly, int confirmExisting) {
    int contentMode = confirmExisting;
    if (IsProjectFolder(name)) {
        if (Exists(targetPath)) {
            if (confirmExisting == 1) {
                char displayName[kPathSize];
                ProjectDisplayName(name, displayName, sizeof displayName);
                if (ConfirmOverwrite(displayName, 1) != 1)
                    return;
            }
            EmptyProjectFolder(targetPath);
        }
        // A project is replaced as one unit: nothing inside it is asked for.
        contentMode = 0;
    }
    CopyTree(sourcePath, targetPath, clearReadOnly, contentMode);
}

static void CopyFileEntry(const char* name, const char* sourcePath, const char* targetPath,
                          int clearReadOnly, int confirmExisting) {
    if (confirmExisting == 1 && Exists(targetPath) && ConfirmOverwrite(name, 0) != 1)
        return;
    // A file that could not be replaced keeps its attributes as well as its contents.
    if (CopyFileA(sourcePath, targetPath, FALSE) && clearReadOnly == 1)
        ClearReadOnly(targetPath, GetFileAttributesA(targetPath));
}

int CopyTree(const char* sourceFolder, const char* targetFolder, int clearReadOnly,
             int confirmExisting) {
    if (!EnsureFolder(targetFolder))
        return 0;
    char pattern[kPathSize];
    if (!JoinPath(pattern, sizeof pattern, sourceFolder, "*.*"))
        return 1;
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA(pattern, &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return 1;
    do {
        int isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && IsDotEntry(entry.cFileName))
            continue;
        char sourcePath[kPathSize];
        char targetPath[kPathSize];
        // An entry whose path would not fit is skipped: a cut path would name another object.
        if (!JoinPath(sourcePath, sizeof sourcePath, sourceFolder, entry.cFileName) ||
            !JoinPath(targetPath, sizeof targetPath, targetFolder, entry.cFileName))
            continue;
        if (isFolder)
            CopyFolderEntry(entry.cFileName, sourcePath, targetPath, clearReadOnly,
                            confirmExisting);
        else
            CopyFileEntry(entry.cFileName, sourcePath, targetPath, clearReadOnly, confirmExisting);
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
    return 1;
}
