// Progress text and folder name rules of the installation search.
#include "search/search_text.h"

#include "app/limits.h"
#include "app/text_util.h"

#include <stdio.h>
#include <string.h>

void RemoveTrailingBackslashes(char* text) {
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == '\\')
        text[--length] = '\0';
}

int IsSkippedFolderName(const char* name) {
    const char* extension = strrchr(name, '.');
    if (!extension)
        return 0;
    return strcmp(extension, ".") == 0 || EqualNoCase(extension, ".DIR");
}

void FormatSearchProgress(char* text, size_t size, int count, const char* folder) {
    char shown[kPathSize];
    CopyText(shown, sizeof shown, folder);
    RemoveTrailingBackslashes(shown);
    int cut = strlen(shown) > kProgressFolderChars;
    shown[kProgressFolderChars] = '\0';
    snprintf(text, size, cut ? "Searching [%d] %s~..." : "Searching [%d] %s...", count, shown);
}
