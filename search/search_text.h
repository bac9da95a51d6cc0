// Texts and name rules of the installation search that need no system call: the progress line,
// folder names that are never searched, and trailing backslashes. No windows.h.
#pragma once

#include <stddef.h>

// Folders shown in the progress line keep at most this many characters; longer ones get a "~".
enum { kProgressFolderChars = 35 };

// Removes every backslash at the end of a text, in place.
void RemoveTrailingBackslashes(char* text);
// 1 for a folder name that no listing enters: "." and ".." (extension ".") and product projects
// (extension ".DIR", any case). The extension runs from the last dot to the end.
int IsSkippedFolderName(const char* name);
// "Searching [count] FOLDER..." with at most 35 characters of the folder (trailing backslashes
// dropped) and a "~" before the dots when it had more. Cut to the buffer.
void FormatSearchProgress(char* text, size_t size, int count, const char* folder);
