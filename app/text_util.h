// Text helpers used across the program; no windows.h so they are also tested natively.
#pragma once

#include <stddef.h>

// Removes blanks (code 32 only) at both ends, in place: trailing first, then leading.
void TrimSpaces(char* text);
// Upper-cases the ASCII letters a to z only, in place.
void UpperCaseAscii(char* text);
// Compares folding only ASCII letters; 1 when equal.
int EqualNoCase(const char* a, const char* b);
// Copies at most size - 1 characters and always terminates; returns 1 when nothing was cut.
int CopyText(char* dst, size_t size, const char* src);
// folder + "\" + name; 0 and an empty path when it would not fit (a path is never cut).
int JoinPath(char* path, size_t size, const char* folder, const char* name);
// first + second, as for MediaFolder (which ends with a backslash) and a file name; 0 and an empty
// path when it would not fit.
int ConcatPath(char* path, size_t size, const char* first, const char* second);
