// Cleaning of the text file lines shown in the License and README lists; no windows.h, so it
// is tested natively.
#pragma once

// Longest list entry; a longer line of the file continues in the next entry.
enum { kTextLineChars = 99 };

// Removes form feeds and line feeds in place, keeping at most kTextLineChars characters.
void StripControlChars(char* line);
