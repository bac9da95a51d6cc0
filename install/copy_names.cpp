// Names and paths of the tree copy.
#include "install/copy_names.h"

#include "app/text_util.h"

#include <string.h>

const char* NameExtension(const char* name) {
    const char* dot = strrchr(name, '.');
    return dot ? dot : name + strlen(name);
}

int IsDotEntry(const char* folderName) {
    return strcmp(NameExtension(folderName), ".") == 0;
}

int IsProjectFolder(const char* folderName) {
    return EqualNoCase(NameExtension(folderName), ".DIR");
}

int ProjectDisplayName(const char* folderName, char* displayName, size_t size) {
    size_t length = strlen(folderName);
    size_t kept = length >= 4 ? length - 4 : 0;
    if (kept >= size) {
        displayName[0] = '\0';
        return 0;
    }
    memcpy(displayName, folderName, kept);
    displayName[kept] = '\0';
    UpperCaseAscii(displayName);
    return 1;
}

