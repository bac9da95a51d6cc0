// Line cleaning for the text lists.
#include "wizard/text_lines.h"

void StripControlChars(char* line) {
    int kept = 0;
    for (const char* c = line; *c && kept < kTextLineChars; ++c)
        if (*c != '\f' && *c != '\n')
            line[kept++] = *c;
    line[kept] = '\0';
}
