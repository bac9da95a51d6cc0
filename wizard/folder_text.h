// Folder texts of the Install Folder page and the folder browser that need no system call:
// navigation, list and drive entries, the shown and the accepted folder. No windows.h.
#pragma once

#include <stddef.h>

// Folder list entry of the folder one level up.
extern const char kUpEntry[];

// Number of backslashes in a text; a browser path with more than one is below a drive root.
int CountBackslashes(const char* text);
// 1 for the "[..]" entry, in any case.
int IsUpEntry(const char* entry);
// The folder list entry "[NAME]" for a subfolder of `path` (which ends with a backslash). 0, and
// no entry, when the subfolder could not be listed in its turn: its path with a backslash and
// "*.*" would not fit a path buffer.
int FolderEntryText(char* entry, size_t size, const char* path, const char* name);
// The text drawn for an entry: without its brackets; a text of fewer than 2 characters whole.
void DisplayedEntryText(char* text, size_t size, const char* entry);
// Moves `path` (ending with a backslash, in a buffer of `size`) one level up for "[..]", or into
// the folder that an entry "[NAME]" names. 0, with `path` unchanged, when the entry leads nowhere
// or the new path would not fit.
int NavigateFolder(char* path, size_t size, const char* entry);
// What the browser's field shows for a path: without its last character, in capitals.
void BrowsePathText(char* text, size_t size, const char* path);
// Drive list entry: "C: (LABEL)", or "C:" when the label is empty.
void DriveEntryText(char* entry, size_t size, char letter, const char* label);
// Root of the drive that a drive list entry names: its first two characters and a backslash.
void DriveRootFromEntry(char* path, size_t size, const char* entry);
// The browser's result: no trailing backslash, capitals ("C:\" gives "C:").
void AcceptedFolderText(char* path);
// 1 when a typed install folder may be confirmed: it is not empty once trimmed of blanks.
int FolderTextEnablesNext(const char* text);
// The stored install folder: trimmed of blanks, then stripped of trailing backslashes.
void CleanInstallFolder(char* text);
