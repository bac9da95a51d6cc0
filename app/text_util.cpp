// Text helpers shared by the whole program.
#include "app/text_util.h"

#include <stdio.h>
#include <string.h>

void TrimSpaces(char* text) {
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        text[--length] = '\0';
    size_t lead = 0;
    while (text[lead] == ' ')
        ++lead;
    if (lead > 0)
        memmove(text, text + lead, length - lead + 1);
}

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? (char)(c - 'a' + 'A') : c; }

void UpperCaseAscii(char* text) {
    for (; *text; ++text)
        *text = UpperAscii(*text);
}

int EqualNoCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (UpperAscii(*a) != UpperAscii(*b))
            return 0;
    return *a == *b;
}

int CopyText(char* dst, size_t size, const char* src) {
    size_t length = strlen(src);
    int fits = length < size;
    if (!fits)
        length = size - 1;
    memcpy(dst, src, length);
    dst[length] = '\0';
    return fits;
}

int JoinPath(char* path, size_t size, const char* folder, const char* name) {
    size_t folderLength = strlen(folder), nameLength = strlen(name);
    if (folderLength + 1 + nameLength >= size) {
        path[0] = '\0';
        return 0;
    }
    memcpy(path, folder, folderLength);
    path[folderLength] = '\\';
    memcpy(path + folderLength + 1, name, nameLength + 1);
    return 1;
}

int ConcatPath(char* path, size_t size, const char* first, const char* second) {
    int length = snprintf(path, size, "%s%s", first, second);
    if (length < 0 || (size_t)length >= size) {
        path[0] = '\0';
        return 0;
    }
    return 1;
}
