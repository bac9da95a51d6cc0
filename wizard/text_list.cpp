// Loading a media text file into a page's list.
#include "wizard/text_list.h"

#include "app/catalog.h"
#include "resources/page_ids.h"
#include "wizard/text_lines.h"

#include <stdio.h>

HFONT CreateTextListFont() {
    return CreateFontA(14, 7, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0,
                       "Courier New");
}

int LoadTextFileList(HWND page, const char* fileName, HFONT font) {
    HWND list = GetDlgItem(page, IDC_TEXT_LIST);
    SendMessageA(list, WM_SETFONT, (WPARAM)font, TRUE);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    char path[kPathSize];
    FILE* file = nullptr;
    // A path that does not fit is not cut into another name: the file counts as missing.
    if (snprintf(path, sizeof path, "%s%s", MediaFolder, fileName) < (int)sizeof path)
        file = fopen(path, "rt"); // CR LF reads as LF, Ctrl-Z ends the file
    if (!file) {
        char line[kPathSize + 32];
        snprintf(line, sizeof line, "The %s file could not be opened.", fileName);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)line);
        return 0;
    }
    char piece[kTextLineChars + 1];
    while (fgets(piece, sizeof piece, file)) {
        StripControlChars(piece);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)piece);
    }
    fclose(file);
    return 1;
}
