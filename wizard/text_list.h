// A media text file shown line by line in list box 100 of a page: the License page's EULA.TXT
// and the README viewer's README.TXT.
#pragma once

#include <windows.h>

// Courier New, 14 high and 7 wide on average; the page that creates it deletes it.
HFONT CreateTextListFont();
// Puts the font on list box 100, empties it and adds the lines of MediaFolder + fileName.
// When the file cannot be opened the list holds one line saying so, and the result is 0;
// otherwise 1.
int LoadTextFileList(HWND page, const char* fileName, HFONT font);
