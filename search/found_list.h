// The found list: folders that hold the product's executable, newest first. No windows.h, so the
// ordering is also tested natively.
#pragma once

#include "app/limits.h"

#include <stdint.h>

struct FoundInstallation {
    uint64_t lastWriteTime; // FILETIME as one number: low 32 bits, then high 32 bits
    char folder[kPathSize]; // upper case, no trailing backslash; "C:" for a drive root
    FoundInstallation* next;
};

extern FoundInstallation* foundList;
// Folders listed so far by the running search; shown in the progress text.
extern int foldersSearched;

// A record for an executable found in `folder` (which may end with backslashes); none when no
// memory is left or the folder would not fit.
FoundInstallation* NewFoundInstallation(uint64_t lastWriteTime, const char* folder);
// Puts a record before the first one of the same or an earlier time, so that among equal times
// the later find comes first.
void InsertFoundInstallation(FoundInstallation* record);
void FreeFoundList();
