// The found list of the installation search and its ordering.
#include "search/found_list.h"

#include "app/text_util.h"
#include "search/search_text.h"

#include <stdlib.h>

FoundInstallation* foundList = nullptr;
int foldersSearched = 0;

FoundInstallation* NewFoundInstallation(uint64_t lastWriteTime, const char* folder) {
    FoundInstallation* record = (FoundInstallation*)malloc(sizeof(FoundInstallation));
    if (!record)
        return nullptr;
    if (!CopyText(record->folder, sizeof record->folder, folder)) {
        free(record);
        return nullptr;
    }
    RemoveTrailingBackslashes(record->folder);
    UpperCaseAscii(record->folder);
    record->lastWriteTime = lastWriteTime;
    record->next = nullptr;
    return record;
}

void InsertFoundInstallation(FoundInstallation* record) {
    FoundInstallation** link = &foundList;
    while (*link && (*link)->lastWriteTime > record->lastWriteTime)
        link = &(*link)->next;
    record->next = *link;
    *link = record;
}

void FreeFoundList() {
    while (foundList) {
        FoundInstallation* next = foundList->next;
        free(foundList);
        foundList = next;
    }
}
