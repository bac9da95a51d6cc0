// The installation search: walks the fixed drives depth first and collects the folders that hold
// the product's executable.
#include "search/search.h"

#include "app/limits.h"
#include "app/text_util.h"
#include "presentation/presentation.h"
#include "search/search_text.h"

#include <windows.h>

#include <stdio.h>
#include <string.h>

void ShowSearchProgress(const char* folder) {
    char text[kMessageSize];
    FormatSearchProgress(text, sizeof text, foldersSearched, folder);
    SetStatusText(text);
}

static void AddFound(const char* folder, const WIN32_FIND_DATAA& entry) {
    uint64_t time = ((uint64_t)entry.ftLastWriteTime.dwHighDateTime << 32) |
                    entry.ftLastWriteTime.dwLowDateTime;
    FoundInstallation* record = NewFoundInstallation(time, folder);
    if (record)
        InsertFoundInstallation(record);
}

int ScanFolder(const char* folder, const char* exeName) {
    size_t folderLength = strlen(folder);
    if (folderLength + 3 >= kPathSize)
        return 0;
    ++foldersSearched;
    ShowSearchProgress(folder);
    char pattern[kPathSize];
    snprintf(pattern, sizeof pattern, "%s*.*", folder);
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA(pattern, &entry);
    if (listing == INVALID_HANDLE_VALUE)
        return 1;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A link or junction may lead back to a parent: following it would walk the same
            // subtree again at every level.
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                continue;
            if (IsSkippedFolderName(entry.cFileName))
                continue;
            if (folderLength + strlen(entry.cFileName) + 1 >= kPathSize)
                continue;
            char subfolder[kPathSize];
            snprintf(subfolder, sizeof subfolder, "%s%s\\", folder, entry.cFileName);
            ScanFolder(subfolder, exeName);
        } else if (EqualNoCase(entry.cFileName, exeName)) {
            AddFound(folder, entry);
        }
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
    return 1;
}

void SearchInstallations(const char* exeName) {
    FreeFoundList();
    foldersSearched = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char root[4];
        snprintf(root, sizeof root, "%c:\\", letter);
        if (GetDriveTypeA(root) == DRIVE_FIXED)
            ScanFolder(root, exeName);
    }
}
