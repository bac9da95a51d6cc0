// Search of every fixed drive for the product's executable; fills the found list.
#pragma once

#include "search/found_list.h"

// Frees the old list and fills a new one from the fixed drives A to Z.
void SearchInstallations(const char* exeName);
// Searches a folder (ending with a backslash) and its subfolders; 0 when the folder is too long
// to be listed, else 1.
int ScanFolder(const char* folder, const char* exeName);
// Puts "Searching [n] FOLDER..." in the status line and repaints the panel at once.
void ShowSearchProgress(const char* folder);
