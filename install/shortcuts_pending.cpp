// TEMPORARY, until the shortcut code is merged: lets the install sequence link. Shows nothing
// and creates nothing. Remove this file (and its line in sources.cmake) at the merge.
#include "install/shortcuts.h"

int CreateProductShortcut(HWND, int) {
    return 0;
}
