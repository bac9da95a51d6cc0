// Folder texts of the Install Folder page and the folder browser.
#include "wizard/folder_text.h"

#include "app/limits.h"
#include "app/text_util.h"
#include "search/search_text.h"

#include <stdio.h>
#include <string.h>

const char kUpEntry[] = "[..]";

int CountBackslashes(const char* text) {
    int count = 0;
    for (; *text; ++text)
        count += *text == '\\';
    return count;
}

int IsUpEntry(const char* entry) {
    return EqualNoCase(entry, kUpEntry);
}

int FolderEntryText(char* entry, size_t size, const char* path, const char* name) {
    // path + name + "\" + "*.*" and the terminating zero.
    if (strlen(path) + strlen(name) + 4 >= kPathSize)
        return 0;
    if (snprintf(entry, size, "[%s]", name) >= (int)size)
        return 0;
    UpperCaseAscii(entry);
    return 1;
}

void DisplayedEntryText(char* text, size_t size, const char* entry) {
    size_t length = strlen(entry);
    if (length < 2) {
        CopyText(text, size, entry);
        return;
    }
    size_t inner = length - 2;
    if (inner >= size)
        inner = size - 1;
    memcpy(text, entry + 1, inner);
    text[inner] = '\0';
}

int NavigateFolder(char* path, size_t size, const char* entry) {
    if (IsUpEntry(entry)) {
        int wanted = CountBackslashes(path) - 1;
        if (wanted < 1)
            return 0;
        for (char* p = path; *p; ++p)
            if (*p == '\\' && --wanted == 0) {
                p[1] = '\0';
                return 1;
            }
        return 0;
    }
    size_t length = strlen(entry);
    if (length < 3)
        return 0;
    size_t pathLength = strlen(path);
    size_t nameLength = length - 2;
    if (pathLength + nameLength + 2 > size)
        return 0;
    memcpy(path + pathLength, entry + 1, nameLength);
    path[pathLength + nameLength] = '\\';
    path[pathLength + nameLength + 1] = '\0';
    return 1;
}

void BrowsePathText(char* text, size_t size, const char* path) {
    CopyText(text, size, path);
    size_t length = strlen(text);
    if (length > 0)
        text[length - 1] = '\0';
    UpperCaseAscii(text);
}

void DriveEntryText(char* entry, size_t size, char letter, const char* label) {
    if (label[0])
        snprintf(entry, size, "%c: (%s)", letter, label);
    else
        snprintf(entry, size, "%c:", letter);
}

void DriveRootFromEntry(char* path, size_t size, const char* entry) {
    CopyText(path, size < 3 ? size : 3, entry);
    size_t length = strlen(path);
    if ((length == 0 || path[length - 1] != '\\') && length + 1 < size) {
        path[length] = '\\';
        path[length + 1] = '\0';
    }
}

void AcceptedFolderText(char* path) {
    RemoveTrailingBackslashes(path);
    UpperCaseAscii(path);
}

int FolderTextEnablesNext(const char* text) {
    char scratch[kPathSize];
    CopyText(scratch, sizeof scratch, text);
    TrimSpaces(scratch);
    return scratch[0] != '\0';
}

void CleanInstallFolder(char* text) {
    TrimSpaces(text);
    RemoveTrailingBackslashes(text);
}
