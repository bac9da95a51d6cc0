// Link names, target path and warning texts of the product shortcuts.
#include "install/shortcut_names.h"

#include <stdio.h>

// A path that would not fit is refused whole, never shortened into another name.
static int Fits(char* path, size_t size, int length) {
    if (length < 0 || (size_t)length >= size) {
        path[0] = '\0';
        return 0;
    }
    return 1;
}

int ShortcutLinkPath(char* path, size_t size, const char* folder, const char* displayName, int n) {
    int length = n == 1 ? snprintf(path, size, "%s\\%s.LNK", folder, displayName)
                        : snprintf(path, size, "%s\\%s (%d).LNK", folder, displayName, n);
    return Fits(path, size, length);
}

int FolderEntryPath(char* path, size_t size, const char* folder, const char* name) {
    return Fits(path, size, snprintf(path, size, "%s\\%s", folder, name));
}

void ShortcutWarningText(char* text, size_t size, int kind, int number) {
    snprintf(text, size,
             kind == 0 ? "WARNING(%d): Could not create Shortcut."
                       : "WARNING(%d): Could not update Start Menu Programs.",
             number);
}
