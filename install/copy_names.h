// Names and paths of the tree copy: extensions, project folders, joined paths. No windows.h, so
// the rules are also tested natively.
#pragma once

#include "app/text_util.h" // JoinPath

#include <stddef.h>

// The part of a name from its last dot to its end, dot included; the terminating zero when the
// name has no dot.
const char* NameExtension(const char* name);
// A folder whose extension is exactly "." is the entry "." or "..".
int IsDotEntry(const char* folderName);
// A folder with the extension ".DIR", in any case, is a product project.
int IsProjectFolder(const char* folderName);
// The project's name as its prompt shows it: without ".DIR", upper-cased. 0 when it does not fit.
int ProjectDisplayName(const char* folderName, char* displayName, size_t size);
